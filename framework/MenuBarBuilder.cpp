#include "MenuBarBuilder.h"

#include "Application.h"
#include "Dispatch.h"
#include "MenuItem.h"
#include "Runtime.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <string>
#include <string_view>

namespace {

constexpr std::string_view kCommandPrefix = "Cmd+";

// "Cmd+" and a letter: the platform's command modifier with that letter,
// which QKeySequence spells "Ctrl" (Command on macOS).
QKeySequence ShortcutOf(const std::string& text) {
    if (text.size() <= kCommandPrefix.size() || !text.starts_with(kCommandPrefix)) {
        return QKeySequence();
    }
    return QKeySequence(QStringLiteral("Ctrl+") +
                        QString::fromStdString(text.substr(kCommandPrefix.size())));
}

// The platform's standard editing on the focused text field or cell editor.
// A read-only field can only be selected and copied from.
void StandardEdit(const std::string& name) {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (field == nullptr) {
        return;
    }
    if (name == "EditCopy") {
        field->copy();
    } else if (name == "EditSelectAll") {
        field->selectAll();
    } else if (field->isReadOnly()) {
        return;
    } else if (name == "EditUndo") {
        field->undo();
    } else if (name == "EditCut") {
        field->cut();
    } else if (name == "EditPaste") {
        field->paste();
    } else if (name == "EditClear") {
        field->del();
    }
}

// An item as a Qt action: its caption, its name and its shortcut; choosing
// it runs the item's command.
QAction* CommandAction(const MenuItem& item, QObject* parent) {
    auto* action = new QAction(QString::fromStdString(item.Text()), parent);
    action->setObjectName(QString::fromStdString(item.Name()));
    action->setShortcut(ShortcutOf(item.KeyboardShortcut()));
    const MenuItem* chosen = &item;
    QObject::connect(action, &QAction::triggered, parent,
                     [chosen] { Guarded([chosen] { DispatchMenuCommand(*chosen); }); });
    return action;
}

void AddItems(const MenuItem& menu, QMenu* target) {
    for (int i = 0; i < menu.Count(); ++i) {
        const MenuItem* item = menu.Item(i);
        if (item->Text() == "-") {
            target->addSeparator()->setObjectName(QString::fromStdString(item->Name()));
            continue;
        }
        if (item->Count() > 0) {
            QAction* action = target->addAction(QString::fromStdString(item->Text()));
            action->setObjectName(QString::fromStdString(item->Name()));
            auto* submenu = new QMenu(target);
            AddItems(*item, submenu);
            action->setMenu(submenu);
        } else {
            target->addAction(CommandAction(*item, target));
        }
    }
}

// The items of the menu and its submenus that have a shortcut, as actions
// of the window: reached by their shortcuts, shown nowhere.
void AddShortcutCommands(const MenuItem& menu, QWidget* window, QObject* owner) {
    for (int i = 0; i < menu.Count(); ++i) {
        const MenuItem* item = menu.Item(i);
        if (item->Count() > 0) {
            AddShortcutCommands(*item, window, owner);
        } else if (!ShortcutOf(item->KeyboardShortcut()).isEmpty()) {
            window->addAction(CommandAction(*item, owner));
        }
    }
}

} // namespace

void DispatchMenuCommand(const MenuItem& item) {
    Application* app = RuntimeAppObject();
    if (app != nullptr && app->HasMenuHandler(item.Name())) {
        app->HandleMenuCommand(item.Name());
        return;
    }
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
        Quit(0);
    } else {
        StandardEdit(item.Name());
    }
}

QMenuBar* BuildMenuBarWidget(const MenuBar& bar, QWidget* parent) {
    auto* widget = new QMenuBar(parent);
    widget->setNativeMenuBar(false);
    widget->setObjectName(QString::fromStdString(bar.Name()));
    for (int i = 0; i < bar.Count(); ++i) {
        const MenuItem* menu = bar.Item(i);
        QMenu* target = widget->addMenu(QString::fromStdString(menu->Text()));
        target->setObjectName(QString::fromStdString(menu->Name()));
        AddItems(*menu, target);
    }
    return widget;
}

QObject* AddMenuBarShortcuts(const MenuBar& bar, QWidget* window) {
    auto* owner = new QObject(window);
    owner->setObjectName(QStringLiteral("MenuBarShortcuts"));
    AddShortcutCommands(bar, window, owner);
    return owner;
}
