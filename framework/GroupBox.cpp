#include "GroupBox.h"

#include "ControlImpl.h"
#include "ControlKeys.h"

#include <QGroupBox>
#include <QMouseEvent>

namespace {

// The controls of the group are the window's, not the frame's children; the
// frame lies below them because it is created first. A press on the frame
// itself goes on to the window.
class GroupBoxWidget : public QGroupBox {
public:
    std::string caption;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->ignore(); }
};

GroupBoxWidget& View(const GroupBox& control) { return *control.Impl().As<GroupBoxWidget>(); }

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex,
    Key("Caption", [](GroupBox& c, const std::string& v) { c.Caption(v); }),
    Enabled, Visible, HelpTag, AutoDeactivate, TextFont, Bold, Italic, Underline, InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kGroupBoxKeys = kKeys;

GroupBox::GroupBox() : RectControl(std::make_unique<ControlImpl>(new GroupBoxWidget), kKeys) {}

const std::string& GroupBox::Caption() const { return View(*this).caption; }
// A caption shows an "&" as it stands, not as the mark of a shortcut.
void GroupBox::Caption(const std::string& value) {
    View(*this).caption = value;
    View(*this).setTitle(
        QString::fromStdString(value).replace(QLatin1Char('&'), QLatin1String("&&")));
}
