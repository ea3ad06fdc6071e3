#include "WindowRegistry.h"

#include "Window.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <memory>

namespace {

std::vector<std::unique_ptr<Window>>& Open() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

std::vector<std::unique_ptr<Window>>& Retired() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

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

void RegisterWindow(std::unique_ptr<Window> window) {
    if (window) {
        Open().push_back(std::move(window));
    }
}

Window* GetImplicitWindow(const std::string& registeredName) {
    for (const auto& window : Open()) {
        if (window->RegisteredName() == registeredName) {
            return window.get();
        }
    }
    return nullptr;
}

std::vector<Window*> OpenWindows() {
    std::vector<Window*> windows;
    for (const auto& window : Open()) {
        windows.push_back(window.get());
    }
    return windows;
}

void RetireWindow(Window* window) {
    std::unique_ptr<Window> taken = TakeOpen(window);
    if (!taken) {
        return;
    }
    Retired().push_back(std::move(taken));
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { Retired().clear(); }, Qt::QueuedConnection);
}

void DiscardWindow(Window* window) { RetireWindow(window); }

void ReleaseAllWindows() {
    // Taken out of the lists first, so that nothing finds a window while it
    // is being released.
    std::vector<std::unique_ptr<Window>> all = std::move(Open());
    Open().clear();
    for (auto& window : Retired()) {
        all.push_back(std::move(window));
    }
    Retired().clear();
    all.clear();
}
