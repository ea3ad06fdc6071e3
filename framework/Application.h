#pragma once

#include <functional>
#include <map>
#include <string>

class MenuBar;

// The application object: it receives the application's Open and Close
// events and the menu commands registered on it by item name.
class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual void Event_Open() {}
    virtual void Event_Close() {}

    ::MenuBar* MenuBar() const { return menuBar_; }
    void MenuBar(::MenuBar* bar) { menuBar_ = bar; }

    // Binds a handler to the menu item of that Name; the handler answers
    // whether it handled the command.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    // Runs the handler registered under the item name; false when there is
    // none or it did not handle the command.
    bool HandleMenuCommand(const std::string& itemName);
    bool HasMenuHandler(const std::string& itemName) const;

private:
    ::MenuBar* menuBar_ = nullptr;
    std::map<std::string, std::function<bool()>> menuHandlers_;
};
