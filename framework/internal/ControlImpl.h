#pragma once

// Framework-internal state of a control; only framework/ includes this file.

#include "RectControl.h"

#include <QPointer>
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
    // Tells accessibility tools the control's name: as its accessible name,
    // or as its description when its text is its name.
    void ApplyAccessibleName();

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
    // A label is known to screen readers by its text, its name describing it.
    bool textIsAccessibleName = false;

    double textSize = 0;
    int textUnit = 0;
    std::string textFont = "System";
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // The control's own KeyDown event, run before the window's when the
    // control has the focus; answers whether the key was handled.
    std::function<bool(const std::string& key)> keyDown;
};
