#pragma once

#include "Property.h"

#include <memory>
#include <string>

class MenuBar;
class RectControl;
struct WindowImpl;

// A top-level window. Its size is the size of its content, below the menu
// bar. Building a window (Constructor) runs the Layout hook, the
// CreateControls hook and the Open event, then shows it when Visible. The
// framework owns every window: code reaches an open one by its registered
// name (GetImplicitWindow) and keeps no reference to it.
class Window : public PropertyTarget {
public:
    explicit Window(std::string registeredName);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Builds the window and registers it as open under its name; the window
    // is found from the start of its construction on.
    void Constructor();
    const std::string& RegisteredName() const;

    int Left() const;
    void Left(int value);
    int Top() const;
    void Top(int value);
    int Width() const;
    void Width(int value);
    int Height() const;
    void Height(int value);
    // The place and size the window has when it is neither maximised nor
    // full screen: where it is to open at the next start.
    int NormalLeft() const;
    int NormalTop() const;
    int NormalWidth() const;
    int NormalHeight() const;
    // Fits the window to the screens there are (FitToScreens): whole on a
    // screen and no larger than it, within its own limits; a place that no
    // screen reaches becomes the fallback.
    void KeepOnScreen(int fallbackLeft, int fallbackTop);
    int MinWidth() const;
    int MinHeight() const;
    int MaxWidth() const;
    int MaxHeight() const;
    const std::string& Title() const;
    void Title(const std::string& value);
    bool Visible() const;

    ::MenuBar* MenuBar() const;
    void MenuBar(::MenuBar* bar);

    void Show();
    // Closes the window: the CancelClose and Close events run, then the
    // window is no longer found and is released once the current event ends.
    void Close();

    // Adds a control under its name; the window owns it.
    void AddControl(const std::string& name, std::unique_ptr<RectControl> control);
    // The control added under the name, or null.
    RectControl* ControlByName(const std::string& name) const;

    void SetProperty(const Property& property) override;

    // Framework use only.
    WindowImpl& Impl() const { return *impl_; }

    // Construction hooks and window events; the defaults do nothing and
    // answer False.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual bool Event_CancelClose(bool appQuitting);
    virtual bool Event_KeyDown(const std::string& key);
    virtual void Event_Resizing() {}
    virtual bool Event_MouseDown(int x, int y);

private:
    std::unique_ptr<WindowImpl> impl_;
};

// The open window registered under the name, or null.
Window* GetImplicitWindow(const std::string& registeredName);

// Hands a new window to the framework, which owns it from then on.
void RegisterWindow(std::unique_ptr<Window> window);
// Takes a window whose construction failed out of the framework's hands.
void DiscardWindow(Window* window);

// Creates a window of the class, registers it and builds it. An exception
// raised while it is built reaches the caller, and the half-built window is
// discarded.
template <class W> W* NewWindow() {
    auto window = std::make_unique<W>();
    W* created = window.get();
    RegisterWindow(std::move(window));
    try {
        created->Constructor();
    } catch (...) {
        DiscardWindow(created);
        throw;
    }
    return created;
}

// The open window of the class W, found by its registered name
// W::kRegisteredName, or null when none is open.
template <class W> W* OpenInstance() {
    return dynamic_cast<W*>(GetImplicitWindow(std::string(W::kRegisteredName)));
}

// The single-instance accessor: the open window of the class, or a new one
// when none is open.
template <class W> W* ImplicitInstance() {
    if (W* open = OpenInstance<W>()) {
        return open;
    }
    return NewWindow<W>();
}
