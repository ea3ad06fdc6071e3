#pragma once

#include "Property.h"
#include "StreamKeys.h"

#include <memory>
#include <span>
#include <string>

class Window;
struct ControlImpl;

// A control placed in a window. Positions are window coordinates in pixels,
// also for a control enclosed by another one; moving a control moves every
// control that it encloses by the same distance. The window owns its controls.
class RectControl : public PropertyTarget {
public:
    ~RectControl() override;
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    const std::string& Name() const;
    ::Window* Window() const;
    // The enclosing control named by InitialParent, or null for the window.
    RectControl* Parent() const;

    int Left() const;
    void Left(int value);
    int Top() const;
    void Top(int value);
    int Width() const;
    void Width(int value);
    int Height() const;
    void Height(int value);

    bool Visible() const;
    void Visible(bool value);
    // Lays the control above every other control of its window.
    void BringToFront();
    bool Enabled() const;
    void Enabled(bool value);
    int TabIndex() const;
    // Whether Tab reaches the control, if it takes the focus at all.
    bool TabStop() const;

    // The name a screen reader says for a control that shows no caption or
    // text to name it; the control's Name is never said.
    void AccessibleName(const std::string& value);

    // Text sizes are points shown as that many pixels; 0 is the default size.
    double TextSize() const;
    void TextSize(double points);
    // The unit of TextSize, ignored: sizes here are always points.
    void TextUnit(int /*unit*/) {}
    const std::string& TextFont() const;
    void TextFont(const std::string& family);
    void Bold(bool value);
    void Italic(bool value);
    bool Underline() const;
    void Underline(bool value);

    // Applies a key of the class's stream through the class's key table.
    void SetProperty(const Property& property) override;

    // Framework use only.
    ControlImpl& Impl() const { return *impl_; }

protected:
    // Keys is the class's table: every key of its streams, in stream order.
    RectControl(std::unique_ptr<ControlImpl> impl, std::span<const StreamKey> keys);
    // Called after any font property changed, to refresh the widget's font.
    virtual void ApplyFont();

private:
    // Sets one part of the font and refreshes the widget's font.
    template <class T> void ChangeFont(T ControlImpl::*part, const T& value);

    std::unique_ptr<ControlImpl> impl_;
    std::span<const StreamKey> keys_;
};
