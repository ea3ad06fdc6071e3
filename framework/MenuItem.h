#pragma once

#include <memory>
#include <string>
#include <vector>

// An entry of the menu bar: a menu or an item. A caption of "-" makes a
// separator; "&" marks the access key; a shortcut is "Cmd+" and a letter,
// the platform's command modifier with that letter.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void Name(const std::string& value) { name_ = value; }
    const std::string& Text() const { return text_; }
    void Text(const std::string& value) { text_ = value; }
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void KeyboardShortcut(const std::string& value) { shortcut_ = value; }
    bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool value) { autoEnable_ = value; }

    // Adds an entry after the existing ones; this entry owns it.
    void Append(std::unique_ptr<MenuItem> item);
    // The direct entry of that name, or null.
    MenuItem* Child(const std::string& name) const;
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem* Item(int index) const;

private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnable_ = false;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// The standard Quit, About and Preferences items: the framework quits the
// application for a Quit item that no handler answers.
class QuitMenuItem : public MenuItem {};
class AppleMenuItem : public MenuItem {};
class PrefsMenuItem : public MenuItem {};

// The menu bar: its entries are the menus.
class MenuBar : public MenuItem {};
