#pragma once

// Framework-internal: a window's Qt menu bar made from the program's menus.

class MenuBar;
class QMenuBar;
class QObject;
class QWidget;

QMenuBar* BuildMenuBarWidget(const MenuBar& bar, QWidget* parent);
// Gives a window that shows no menu bar the shortcuts of the bar's items,
// each running its item as the menu would. Deleting the answered object
// takes the shortcuts away again.
QObject* AddMenuBarShortcuts(const MenuBar& bar, QWidget* window);
// Runs a chosen menu item: the handler registered under its name, or else
// the framework's own command for a Quit item or a standard Edit item.
void DispatchMenuCommand(const class MenuItem& item);
