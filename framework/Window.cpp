#include "Window.h"

#include "Application.h"
#include "ControlKeys.h"
#include "DesignSurface.h"
#include "Dispatch.h"
#include "KeyTable.h"
#include "MenuBarBuilder.h"
#include "NilObjectException.h"
#include "QtAccess.h"
#include "QtColor.h"
#include "ReadableSelection.h"
#include "RectControl.h"
#include "Runtime.h"
#include "Screen.h"
#include "WindowFit.h"
#include "WindowImpl.h"
#include "WindowPlaces.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <stdexcept>
#include <vector>

// ---- widgets ---------------------------------------------------------------

TopLevelWidget::TopLevelWidget(Window& owner) : owner_(owner) {}

void TopLevelWidget::closeEvent(QCloseEvent* event) {
    if (owner_.Impl().RequestClose(false)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TopLevelWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    WindowImpl& impl = owner_.Impl();
    impl.ArrangeChrome();
    impl.ContentResized(width(), height() - impl.MenuBarHeight());
}

ContentWidget::ContentWidget(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

void ContentWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!Guarded([&] { return owner_.Event_MouseDown(at.x(), at.y()); })) {
        event->ignore();
    }
}

// ---- window state ----------------------------------------------------------

WindowImpl::WindowImpl(Window& window, std::string name)
    : owner(window), registeredName(std::move(name)), top(new TopLevelWidget(window)) {
    top->setAttribute(Qt::WA_DeleteOnClose, false);
    top->setObjectName(QString::fromStdString(registeredName));
    content = new ContentWidget(window, top);
    content->setObjectName(QStringLiteral("content"));
    content->setFocusPolicy(Qt::ClickFocus);
    content->setAutoFillBackground(true);
    ApplySurface();
    KeepSelectionReadable();
    ServeApplicationMenuBar();
}

WindowImpl::~WindowImpl() {
    // Controls go first: each deletes its own widget.
    controls.clear();
    delete top.data();
}

int WindowImpl::MenuBarHeight() const {
    if (menuBarWidget == nullptr || !menuBarVisible) {
        return 0;
    }
    return menuBarWidget->sizeHint().height();
}

void WindowImpl::ApplySurface() {
    SetDesignSurface(*content,
                     hasBackColor ? ToQColor(backColor) : DesignPalette().color(QPalette::Window));
}

void WindowImpl::ArrangeChrome() {
    const int menuHeight = MenuBarHeight();
    if (menuBarWidget != nullptr) {
        menuBarWidget->setGeometry(0, 0, top->width(), menuHeight);
        menuBarWidget->setVisible(menuBarVisible);
    }
    content->setGeometry(0, menuHeight, top->width(), std::max(0, top->height() - menuHeight));
}

void WindowImpl::ApplyLimits() {
    const int menuHeight = MenuBarHeight();
    if (resizeable) {
        top->setMinimumSize(minWidth, minHeight + menuHeight);
        top->setMaximumSize(maxWidth, maxHeight + menuHeight);
    } else {
        top->setFixedSize(width, height + menuHeight);
    }
}

void WindowImpl::ContentResized(int newWidth, int newHeight) {
    const int dx = newWidth - width;
    const int dy = newHeight - height;
    if (dx == 0 && dy == 0) {
        return;
    }
    width = newWidth;
    height = newHeight;
    // Each control follows its own locks: locked on both sides of an axis it
    // stretches, locked on the far side only it moves.
    for (const auto& control : controls) {
        ControlImpl& c = control->Impl();
        if (c.lockLeft && c.lockRight) {
            c.width += dx;
        } else if (c.lockRight) {
            c.left += dx;
        }
        if (c.lockTop && c.lockBottom) {
            c.height += dy;
        } else if (c.lockBottom) {
            c.top += dy;
        }
        c.Place();
    }
    Guarded([&] { owner.Event_Resizing(); });
}

void WindowImpl::ResizeContent(int newWidth, int newHeight) {
    newWidth = std::clamp(newWidth, minWidth, std::max(minWidth, maxWidth));
    newHeight = std::clamp(newHeight, minHeight, std::max(minHeight, maxHeight));
    ContentResized(newWidth, newHeight);
    if (!resizeable) {
        ApplyLimits();
    }
    FitTop();
}

void WindowImpl::FitTop() { top->resize(width, height + MenuBarHeight()); }

RectControl* WindowImpl::ControlOfWidget(const QWidget* widget) const {
    for (; widget != nullptr && widget != content; widget = widget->parentWidget()) {
        auto found = byWidget.find(widget);
        if (found != byWidget.end()) {
            return found->second;
        }
    }
    return nullptr;
}

void WindowImpl::OrderTabStops() {
    // Focus order follows TabIndex among the children of each enclosing
    // control, the enclosing control's own place coming first.
    auto path = [](const RectControl* control) {
        std::vector<int> indices;
        for (; control != nullptr; control = control->Parent()) {
            indices.insert(indices.begin(), control->TabIndex());
        }
        return indices;
    };
    std::vector<RectControl*> focusable;
    for (const auto& control : controls) {
        if (control->Impl().widget->focusPolicy() & Qt::TabFocus) {
            focusable.push_back(control.get());
        }
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [&](const RectControl* a, const RectControl* b) { return path(a) < path(b); });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1]->Impl().widget, focusable[i]->Impl().widget);
    }
}

void WindowImpl::ServeApplicationMenuBar() {
    delete applicationShortcuts.data();
    const Application* app = RuntimeAppObject();
    if (menuBar == nullptr && app != nullptr && app->MenuBar() != nullptr) {
        applicationShortcuts = AddMenuBarShortcuts(*app->MenuBar(), top);
    }
}

namespace {

// The window that a new one is centred over: the active one. A menu chosen
// from the keyboard may still be up while its command opens a window; the
// window that the menu belongs to counts then.
const QWidget* WindowToCentreOver() {
    const QWidget* active = QApplication::activePopupWidget();
    if (active == nullptr) {
        active = QApplication::activeWindow();
    }
    while (active != nullptr && active->windowType() == Qt::Popup &&
           active->parentWidget() != nullptr) {
        active = active->parentWidget()->window();
    }
    return active;
}

} // namespace

void WindowImpl::ShowFirstTime() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (closeButton) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (minimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (maximizeButton && resizeable) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    top->setWindowFlags(flags);
    ApplyLimits();
    if (!placedByCode) {
        // 0 (a dialog) and 1: centred over the active window; 2: centred on
        // the main screen; with no window to centre on, the window system
        // places it. Either way the whole frame stays on the screen.
        QRect area;
        QScreen* screen = QGuiApplication::primaryScreen();
        const QWidget* active = WindowToCentreOver();
        if ((placement == 0 || placement == 1) && active != nullptr) {
            area = active->geometry();
            screen = active->screen();
        } else if ((placement == 1 || placement == 2) && screen != nullptr) {
            area = screen->availableGeometry();
        }
        if (area.isValid()) {
            QRect frame(0, 0, width, height + MenuBarHeight());
            frame.moveCenter(area.center());
            if (screen != nullptr) {
                const QRect visible = screen->availableGeometry();
                frame.moveLeft(std::max(visible.left(),
                                        std::min(frame.left(), visible.right() - frame.width())));
                frame.moveTop(std::max(visible.top(),
                                       std::min(frame.top(), visible.bottom() - frame.height())));
            }
            top->move(frame.topLeft());
        }
    }
    shownOnce = true;
}

bool WindowImpl::RequestClose(bool appQuitting) {
    if (closing) {
        return true;
    }
    if (Guarded([&] { return owner.Event_CancelClose(appQuitting); })) {
        return false;
    }
    closing = true;
    Guarded([&] { owner.Event_Close(); });
    top->hide();
    // While the application quits, closed windows stay findable until its
    // Close event has run.
    if (!RuntimeQuitting()) {
        RetireWindow(&owner);
        NoteWindowClosed();
    }
    return true;
}

WindowImpl* WindowImplOfWidget(const QWidget* widget) {
    const auto* top = dynamic_cast<const TopLevelWidget*>(widget->window());
    if (top == nullptr) {
        return nullptr;
    }
    for (Window* window : OpenWindows()) {
        if (window->Impl().top == top) {
            return &window->Impl();
        }
    }
    return nullptr;
}

QWidget* TopLevelOf(const Window& window) { return window.Impl().top; }
QWidget* ContentOf(const Window& window) { return window.Impl().content; }
QMenuBar* MenuBarWidgetOf(const Window& window) { return window.Impl().menuBarWidget; }

// ---- Window ----------------------------------------------------------------

Window::Window(std::string registeredName)
    : impl_(std::make_unique<WindowImpl>(*this, std::move(registeredName))) {}

Window::~Window() = default;

void Window::Constructor() {
    Layout();
    CreateControls();
    impl_->OrderTabStops();
    Event_Open();
    if (impl_->visible && !impl_->closing) {
        Show();
    }
}

const std::string& Window::RegisteredName() const { return impl_->registeredName; }

// Left and Top read back the place they set, through the same window-system
// request, so a place copied at closing and set at the next start puts the
// window back where it was, with or without a window manager (with one, it
// is the frame's outer top-left). Where the platform cannot tell a window's
// place, they answer the place last set, so the place read at start is
// kept. Places far beyond any screen are held where a window's far edge
// still fits in an int.
namespace {

constexpr int kFarthestPlace = 1 << 24;

int PlaceWithinReach(int value) { return std::clamp(value, -kFarthestPlace, kFarthestPlace); }

void MoveContent(WindowImpl& impl, int left, int top) {
    impl.placedLeft = PlaceWithinReach(left);
    impl.placedTop = PlaceWithinReach(top);
    impl.top->setGeometry(QRect(QPoint(impl.placedLeft, impl.placedTop), impl.top->size()));
    impl.placedByCode = true;
}

} // namespace

QRect WindowImpl::NormalGeometry() const {
    const QRect normal = top->normalGeometry();
    return normal.isValid() ? normal : top->geometry();
}

int WindowImpl::PlaceLeft(const QRect& geometry) const {
    return placedByCode && !PlatformTellsWindowPlaces() ? placedLeft : geometry.x();
}

int WindowImpl::PlaceTop(const QRect& geometry) const {
    return placedByCode && !PlatformTellsWindowPlaces() ? placedTop : geometry.y();
}

int Window::Left() const { return impl_->PlaceLeft(impl_->top->geometry()); }
int Window::Top() const { return impl_->PlaceTop(impl_->top->geometry()); }
void Window::Left(int value) { MoveContent(*impl_, value, Top()); }
void Window::Top(int value) { MoveContent(*impl_, Left(), value); }

int Window::NormalLeft() const { return impl_->PlaceLeft(impl_->NormalGeometry()); }
int Window::NormalTop() const { return impl_->PlaceTop(impl_->NormalGeometry()); }
int Window::NormalWidth() const { return impl_->NormalGeometry().width(); }
int Window::NormalHeight() const {
    return impl_->NormalGeometry().height() - impl_->MenuBarHeight();
}

void Window::KeepOnScreen(int fallbackLeft, int fallbackTop) {
    WindowImpl& impl = *impl_;
    const int menuHeight = impl.MenuBarHeight();
    // The frame is known once the window manager has framed the window;
    // until then it counts as none.
    const QRect inner = impl.top->geometry();
    const QRect outer = impl.top->frameGeometry();
    const WindowFitLimits limits{impl.minWidth,
                                 impl.minHeight + menuHeight,
                                 impl.maxWidth,
                                 impl.maxHeight + menuHeight,
                                 inner.left() - outer.left(),
                                 inner.top() - outer.top(),
                                 outer.right() - inner.right(),
                                 outer.bottom() - inner.bottom()};
    std::vector<ScreenSize> areas;
    for (int index = 0; index < ScreenCount(); ++index) {
        areas.push_back(ScreenAvailable(index));
    }
    const bool placesKnown = PlatformTellsWindowPlaces();
    const WindowBounds fitted = FitToScreens({Left(), Top(), impl.width, impl.height + menuHeight},
                                             fallbackLeft, fallbackTop, limits, areas, placesKnown);
    impl.ResizeContent(fitted.Width, fitted.Height - menuHeight);
    if (placesKnown) {
        MoveContent(impl, fitted.Left, fitted.Top);
    }
}

int Window::Width() const { return impl_->width; }
int Window::Height() const { return impl_->height; }
void Window::Width(int value) { impl_->ResizeContent(value, impl_->height); }
void Window::Height(int value) { impl_->ResizeContent(impl_->width, value); }
int Window::MinWidth() const { return impl_->minWidth; }
int Window::MinHeight() const { return impl_->minHeight; }
int Window::MaxWidth() const { return impl_->maxWidth; }
int Window::MaxHeight() const { return impl_->maxHeight; }

const std::string& Window::Title() const { return impl_->title; }
void Window::Title(const std::string& value) {
    impl_->title = value;
    impl_->top->setWindowTitle(QString::fromStdString(value));
    // The surface takes the focus from a clicked key that never takes it: a
    // screen reader then names it as the window is named.
    impl_->content->setAccessibleName(QString::fromStdString(value));
}

bool Window::Visible() const { return impl_->visible; }

::MenuBar* Window::MenuBar() const { return impl_->menuBar; }

void Window::MenuBar(::MenuBar* bar) {
    delete impl_->menuBarWidget;
    impl_->menuBarWidget = nullptr;
    impl_->menuBar = bar;
    if (bar != nullptr) {
        impl_->menuBarWidget = BuildMenuBarWidget(*bar, impl_->top);
        impl_->menuBarWidget->show();
    }
    impl_->ServeApplicationMenuBar();
    impl_->ApplyLimits();
    impl_->FitTop();
    impl_->ArrangeChrome();
}

void Window::Show() {
    if (impl_->closing) {
        return;
    }
    if (!impl_->shownOnce) {
        impl_->ShowFirstTime();
    }
    impl_->visible = true;
    impl_->top->show();
    impl_->top->raise();
    impl_->top->activateWindow();
}

void Window::Close() { impl_->RequestClose(false); }

void Window::AddControl(const std::string& name, std::unique_ptr<RectControl> control) {
    if (!control) {
        throw NilObjectException("AddControl: no control");
    }
    if (impl_->byName.count(name) != 0) {
        throw std::invalid_argument("AddControl: a control named " + name + " exists already");
    }
    RectControl* added = control.get();
    ControlImpl& c = added->Impl();
    c.window = this;
    c.widget->setParent(impl_->content);
    ApplyName(*added, name);
    c.Place();
    c.widget->raise();
    c.ApplyVisibility();
    impl_->byName[name] = added;
    impl_->byWidget[c.widget] = added;
    impl_->controls.push_back(std::move(control));
}

RectControl* Window::ControlByName(const std::string& name) const {
    auto found = impl_->byName.find(name);
    return found == impl_->byName.end() ? nullptr : found->second;
}

bool Window::Event_CancelClose(bool) { return false; }
bool Window::Event_KeyDown(const std::string&) { return false; }
bool Window::Event_MouseDown(int, int) { return false; }

namespace {

// Window kinds, drawing modes and custom definitions of the original
// platform (Frame, Composite, FullScreen, LiveResize, MacProcID) are
// ignored: every window here is a standard one that resizes live.
// clang-format off
constexpr StreamKey kKeys[] = {
    Key("Placement", [](Window& w, std::int32_t v) { w.Impl().placement = v; }),
    Key("Width", [](Window& w, std::int32_t v) {
        w.Impl().width = v;
        w.Impl().FitTop();
    }),
    Key("Height", [](Window& w, std::int32_t v) {
        w.Impl().height = v;
        w.Impl().FitTop();
    }),
    Key("MinWidth", [](Window& w, std::int32_t v) { w.Impl().minWidth = v; }),
    Key("MinHeight", [](Window& w, std::int32_t v) { w.Impl().minHeight = v; }),
    Key("MaxWidth", [](Window& w, std::int32_t v) { w.Impl().maxWidth = v; }),
    Key("MaxHeight", [](Window& w, std::int32_t v) { w.Impl().maxHeight = v; }),
    Ignored<std::int32_t>("Frame"), Ignored<bool>("Composite"),
    Key("HasBackColor", [](Window& w, bool v) {
        w.Impl().hasBackColor = v;
        w.Impl().ApplySurface();
    }),
    Key("BackColor", [](Window& w, Color v) {
        w.Impl().backColor = v;
        w.Impl().ApplySurface();
    }),
    Key("Title", [](Window& w, const std::string& v) { w.Title(v); }),
    Key("Visible", [](Window& w, bool v) { w.Impl().visible = v; }),
    Ignored<bool>("FullScreen"),
    Key("MenuBarVisible", [](Window& w, bool v) { w.Impl().menuBarVisible = v; }),
    Key("CloseButton", [](Window& w, bool v) { w.Impl().closeButton = v; }),
    Key("Resizeable", [](Window& w, bool v) { w.Impl().resizeable = v; }),
    Ignored<bool>("LiveResize"),
    Key("MaximizeButton", [](Window& w, bool v) { w.Impl().maximizeButton = v; }),
    Key("MinimizeButton", [](Window& w, bool v) { w.Impl().minimizeButton = v; }),
    Ignored<std::int32_t>("MacProcID"),
};
// clang-format on

} // namespace

const std::span<const StreamKey> kWindowKeys = kKeys;

// The size limits follow every key: a size, a limit, or whether it resizes.
void Window::SetProperty(const Property& property) {
    ApplyStreamKey(*this, kKeys, property, "window", impl_->registeredName);
    impl_->ApplyLimits();
}
