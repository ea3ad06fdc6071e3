#include "GroupBox.h"

#include "ControlImpl.h"

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

} // namespace

GroupBox::GroupBox() : RectControl(std::make_unique<ControlImpl>(new GroupBoxWidget)) {}

const std::string& GroupBox::Caption() const { return View(*this).caption; }
void GroupBox::Caption(const std::string& value) {
    GroupBoxWidget& view = View(*this);
    view.caption = value;
    QString title = QString::fromStdString(value);
    view.setTitle(title.replace(QLatin1Char('&'), QLatin1String("&&")));
}

bool GroupBox::SetOwnProperty(const Property& property) {
    if (property.key == "Caption") {
        Caption(StringValue(property));
        return true;
    }
    return false;
}
