#pragma once

// Framework-internal and for tests: the Qt widgets behind windows and
// controls. Program code never includes this file.

class QMenuBar;
class QWidget;
class RectControl;
class Window;

QWidget* WidgetOf(const RectControl& control);
// The window's top-level widget and its content area (the controls' parent).
QWidget* TopLevelOf(const Window& window);
QWidget* ContentOf(const Window& window);
QMenuBar* MenuBarWidgetOf(const Window& window);
