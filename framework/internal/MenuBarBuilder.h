#pragma once

// Framework-internal: a window's Qt menu bar made from the program's menus.

class MenuBar;
class QMenuBar;
class QWidget;

QMenuBar* BuildMenuBarWidget(const MenuBar& bar, QWidget* parent);
// Runs a chosen menu item: the handler registered under its name, or else
// the framework's own command for a Quit item or a standard Edit item.
void DispatchMenuCommand(const class MenuItem& item);
