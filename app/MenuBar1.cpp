#include "MenuBar1.h"

#include "NilObjectException.h"

#include <memory>

namespace {

std::unique_ptr<MenuBar1> instance;

// Builds one entry: name, automatic enabling, caption, shortcut (none for a
// separator), then attaches it to the bar or to the named menu.
template <class Item>
void AddEntry(MenuBar& bar, const char* menuName, const char* name, const char* caption,
              const char* shortcut) {
    auto item = std::make_unique<Item>();
    item->Name(name);
    item->AutoEnable(true);
    item->Text(caption);
    if (shortcut != nullptr) {
        item->KeyboardShortcut(shortcut);
    }
    if (menuName == nullptr) {
        bar.Append(std::move(item));
    } else {
        NotNil(bar.Child(menuName), menuName)->Append(std::move(item));
    }
}

const char* const kSeparator = nullptr;

} // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
}

MenuBar1* MenuBar1::Get() {
    if (!instance) {
        instance = std::make_unique<MenuBar1>();
    }
    return instance.get();
}

void MenuBar1::Release() { instance.reset(); }

void MenuBar1::Untitled0() {
    AddEntry<MenuItem>(*this, nullptr, "FileMenu", "&File", "");
    AddEntry<QuitMenuItem>(*this, "FileMenu", "FileQuit", "Quit", "Cmd+Q");
    AddEntry<AppleMenuItem>(*this, "FileMenu", "FileAboutlumaDex", "About lumaDex", "");
    AddEntry<PrefsMenuItem>(*this, "FileMenu", "FilePreferences", "Preferences...", "Cmd+K");
}

void MenuBar1::Untitled1() {
    AddEntry<MenuItem>(*this, nullptr, "EditMenu", "&Edit", "");
    AddEntry<MenuItem>(*this, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
    AddEntry<MenuItem>(*this, "EditMenu", "UntitledMenu1", "-", kSeparator);
    AddEntry<MenuItem>(*this, "EditMenu", "EditCut", "Cu&t", "Cmd+X");
    AddEntry<MenuItem>(*this, "EditMenu", "EditCopy", "&Copy", "Cmd+C");
    AddEntry<MenuItem>(*this, "EditMenu", "EditPaste", "&Paste", "Cmd+V");
    AddEntry<MenuItem>(*this, "EditMenu", "EditClear", "Clear", "");
    AddEntry<MenuItem>(*this, "EditMenu", "UntitledMenu0", "-", kSeparator);
    AddEntry<MenuItem>(*this, "EditMenu", "EditSelectAll", "Select &All", "Cmd+A");
}

void MenuBar1::Untitled2() {
    AddEntry<MenuItem>(*this, nullptr, "Layout", "Layout", "");
    AddEntry<MenuItem>(*this, "Layout", "LayoutSwitch", "Switch layout", "Cmd+L");
}
