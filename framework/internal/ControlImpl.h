#pragma once

// Framework-internal state of a control; only framework/ includes this file.

#include "RectControl.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

struct ControlImpl {
    explicit ControlImpl(QWidget* widget);
    ~ControlImpl();
    ControlImpl(const ControlImpl&) = delete;
    ControlImpl& operator=(const ControlImpl&) = delete;

    template <class W> W* As() const { return static_cast<W*>(widget.data()); }

    // Puts the widget where the control's window coordinates say.
    void Place();
    // Shows or hides the widget once it belongs to a window.
    void ApplyVisibility();
    // What a screen reader says for the control: the text it shows, or where
    // it shows none, the name the program gave it. A control named by
    // neither is named by its label (Qt's buddy).
    void ApplySpokenName();
    // The control takes the focus as its class does; one that is no tab
    // stop takes it by a click only.
    void ApplyFocus();

    QPointer<QWidget> widget;
    std::string name;
    Window* window = nullptr;
    RectControl* parent = nullptr;
    std::vector<RectControl*> children;

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool lockLeft = false;
    bool lockTop = false;
    bool lockRight = false;
    bool lockBottom = false;
    bool visible = true;
    bool enabled = true;
    int tabIndex = 0;
    bool tabStop = true;
    // How the control's class takes the focus (none for a keypad button),
    // as its widget was made.
    Qt::FocusPolicy focus = Qt::NoFocus;
    // The caption or text the control shows, and the name the program gives
    // a control that shows none.
    QString shownText;
    std::string spokenName;

    double textSize = 0;
    std::string textFont = "System";
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // The control's own KeyDown event, run before the window's when the
    // control has the focus; answers whether the key was handled.
    std::function<bool(const std::string& key)> keyDown;
};
