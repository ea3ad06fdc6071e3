#pragma once

// Framework-internal state of a window; only framework/ includes this file.

#include "Color.h"
#include "Window.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QMenuBar;
class RectControl;

// The window's top-level widget: the menu bar on top, the content below.
class TopLevelWidget : public QWidget {
public:
    explicit TopLevelWidget(Window& owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Window& owner_;
};

// The content area: the parent of every control, at the content's origin.
class ContentWidget : public QWidget {
public:
    ContentWidget(Window& owner, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Window& owner_;
};

struct WindowImpl {
    WindowImpl(Window& owner, std::string registeredName);
    ~WindowImpl();

    // The content size follows the top-level widget: applies the locks of
    // every control to the change and raises Resizing.
    void ContentResized(int width, int height);
    // Sets the content size from code, within the window's limits.
    void ResizeContent(int width, int height);
    // Sizes the top-level widget to the content and the menu bar.
    void FitTop();
    // Places the menu bar and the content inside the top-level widget.
    void ArrangeChrome();
    void ApplyLimits();
    int MenuBarHeight() const;
    // Runs the closing events; answers false when the window refused.
    bool RequestClose(bool appQuitting);
    // The control whose widget is the given one or encloses it, or null.
    RectControl* ControlOfWidget(const QWidget* widget) const;
    void OrderTabStops();
    // The top-level widget's geometry when neither maximised nor full screen.
    QRect NormalGeometry() const;
    // A place as the program sees it: where the platform cannot tell the
    // window's place, the one last set.
    int PlaceLeft(const QRect& geometry) const;
    int PlaceTop(const QRect& geometry) const;
    void ShowFirstTime();
    // A window without a menu bar of its own answers the shortcuts of the
    // application's menu bar; one with its own bar answers only its own.
    void ServeApplicationMenuBar();
    // Paints the content with the window's own back colour or, without one,
    // the design's light surface: the labels standing on it have the
    // layout's colours, whatever the user's theme.
    void ApplySurface();

    Window& owner;
    std::string registeredName;
    QPointer<TopLevelWidget> top;
    ContentWidget* content = nullptr;
    QMenuBar* menuBarWidget = nullptr;
    ::MenuBar* menuBar = nullptr;
    QPointer<QObject> applicationShortcuts;

    std::vector<std::unique_ptr<RectControl>> controls;
    std::unordered_map<std::string, RectControl*> byName;
    std::unordered_map<const QWidget*, RectControl*> byWidget;

    int width = 0;
    int height = 0;
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 32000;
    int maxHeight = 32000;
    int placement = 0;
    bool placedByCode = false;
    int placedLeft = 0;
    int placedTop = 0;
    std::string title;
    bool visible = true;
    bool resizeable = true;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = true;
    bool menuBarVisible = true;
    bool hasBackColor = false;
    Color backColor = RGB(255, 255, 255);
    bool shownOnce = false;
    bool closing = false;
};

WindowImpl* WindowImplOfWidget(const QWidget* widget);
