#include "WindowRegistry.h"

#include "Runtime.h"
#include "Window.h"

#include "WindowImpl.h"

#include <QObject>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

std::vector<std::unique_ptr<Window>>& Open() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

class RetiredWindow;

std::vector<RetiredWindow*>& Retired() {
    static std::vector<RetiredWindow*> holders;
    return holders;
}

// Holds a closed window until control is back in the event loop that
// closed it. deleteLater waits for that loop, where a queued call would run
// inside any nested loop (a message box, the print dialog) while the
// window's own handler may still be on the stack.
class RetiredWindow : public QObject {
public:
    explicit RetiredWindow(std::unique_ptr<Window> window) : window_(std::move(window)) {
        Retired().push_back(this);
    }
    ~RetiredWindow() override { std::erase(Retired(), this); }

private:
    std::unique_ptr<Window> window_;
};

std::unique_ptr<Window> TakeOpen(Window* window) {
    auto& open = Open();
    auto found = std::find_if(open.begin(), open.end(),
                              [&](const auto& candidate) { return candidate.get() == window; });
    if (found == open.end()) {
        return nullptr;
    }
    std::unique_ptr<Window> taken = std::move(*found);
    open.erase(found);
    return taken;
}

} // namespace

void RegisterWindow(std::unique_ptr<Window> window) { Open().push_back(std::move(window)); }

Window* GetImplicitWindow(const std::string& registeredName) {
    const auto found = std::ranges::find(Open(), registeredName, &Window::RegisteredName);
    return found != Open().end() ? found->get() : nullptr;
}

std::vector<Window*> OpenWindows() {
    std::vector<Window*> windows;
    for (const auto& window : Open()) {
        windows.push_back(window.get());
    }
    return windows;
}

void RetireWindow(Window* window) {
    if (std::unique_ptr<Window> taken = TakeOpen(window)) {
        (new RetiredWindow(std::move(taken)))->deleteLater();
    }
}

void RetireClosedWindows() {
    for (Window* window : OpenWindows()) {
        if (window->Impl().closing) {
            RetireWindow(window);
        }
    }
}

void DiscardWindow(Window* window) { RetireWindow(window); }

void RuntimeReleaseWindows() {
    // Taken out of the lists first, so that nothing finds a window while it
    // is being released.
    std::vector<std::unique_ptr<Window>> open = std::exchange(Open(), {});
    while (!Retired().empty()) {
        delete Retired().back();
    }
    open.clear();
}
