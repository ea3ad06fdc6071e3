#include "BevelButton.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "DesignSurface.h"
#include "Dispatch.h"
#include "PictureImpl.h"
#include "QtColor.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// The caption and icon use the whole face but for this margin: the style's
// own content margins leave too little room for a 72-pixel caption on an
// 80-pixel key.
constexpr int kContentMargin = 2;

// A button face drawn by the current style in the design's colours, with a
// caption and an icon drawn over it by the button itself.
class BevelButtonWidget : public QAbstractButton {
public:
    BevelButtonWidget() {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        connect(this, &QAbstractButton::clicked, this, [this] { GuardedHandler(action); });
    }

    std::string caption;
    int captionAlign = 3;
    int captionDelta = 0;
    Color textColor = RGB(0, 0, 0);
    bool hasBackColor = false;
    Color backColor = RGB(255, 255, 255);
    std::shared_ptr<Picture> icon;
    int iconDX = 0;
    int iconDY = 0;
    bool value = false;
    std::function<void()> action;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawFace(painter);
        if (!isEnabled()) {
            painter.setOpacity(0.5);
        }
        const QRect content =
            rect().adjusted(kContentMargin, kContentMargin, -kContentMargin, -kContentMargin);
        if (icon) {
            DrawIcon(painter, content);
        }
        if (!caption.empty()) {
            DrawCaption(painter, content);
        }
    }

private:
    // The caption's colour is the layout's, so the face is the design's own
    // (or the layout's back colour), never the theme's button colour.
    void DrawFace(QPainter& painter) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.palette = DesignPalette();
        option.state |= (isDown() || value) ? QStyle::State_Sunken : QStyle::State_Raised;
        if (underMouse()) {
            option.state |= QStyle::State_MouseOver;
        }
        if (hasBackColor) {
            option.palette.setColor(QPalette::Button, ToQColor(backColor));
        }
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    }

    // Centred, offset by IconDX and IconDY, scaled down to fit the face.
    void DrawIcon(QPainter& painter, const QRect& content) {
        const QImage& image = icon->Impl().image;
        if (image.isNull()) {
            return;
        }
        QSize size = image.size();
        if (size.width() > content.width() || size.height() > content.height()) {
            size.scale(content.size(), Qt::KeepAspectRatio);
        }
        QRect target(QPoint(), size);
        target.moveCenter(content.center() + QPoint(iconDX, iconDY));
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image);
        painter.restore();
    }

    // CaptionAlign 0 sets the caption at the left, CaptionDelta pixels in;
    // every other alignment centres it.
    void DrawCaption(QPainter& painter, const QRect& content) {
        QRect area = content;
        Qt::Alignment alignment = Qt::AlignCenter;
        if (captionAlign == 0) {
            area.setLeft(std::max(content.left(), captionDelta));
            alignment = Qt::AlignLeft | Qt::AlignVCenter;
        }
        painter.setFont(font());
        painter.setPen(ToQColor(textColor));
        painter.drawText(area, static_cast<int>(alignment) | Qt::TextDontClip,
                         QString::fromStdString(caption));
    }
};

BevelButtonWidget& View(const BevelButton& control) {
    return *control.Impl().As<BevelButtonWidget>();
}

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex, TabStop, InitialParent, Visible, HelpTag, AutoDeactivate, Enabled,
    Key("Caption", [](BevelButton& c, const std::string& v) { c.Caption(v); }),
    Painted<&BevelButtonWidget::captionAlign>("CaptionAlign"),
    // The face is the style's own, the caption and icon are centred and the
    // button is a plain push button without a menu: only the type counts.
    Ignored<std::int32_t>("CaptionPlacement"),
    Painted<&BevelButtonWidget::captionDelta>("CaptionDelta"),
    Ignored<std::int32_t>("IconAlign"),
    Painted<&BevelButtonWidget::iconDX>("IconDX"),
    Painted<&BevelButtonWidget::iconDY>("IconDY"),
    Ignored<std::int32_t>("Bevel"), Ignored<std::int32_t>("HasMenu"),
    Painted<&BevelButtonWidget::hasBackColor>("HasBackColor"),
    Painted<&BevelButtonWidget::backColor>("BackColor"),
    Painted<&BevelButtonWidget::textColor>("TextColor"),
    // A button whose Value is True is drawn pressed in.
    Painted<&BevelButtonWidget::value>("Value"),
    Ignored<std::int32_t>("MenuValue"), Ignored<std::int32_t>("ButtonType"),
    // Buttons never take the focus, whatever the layout says.
    Ignored<bool>("AcceptFocus"),
    TextFont, Bold, Italic, Underline,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kBevelButtonKeys = kKeys;

BevelButton::BevelButton()
    : RectControl(std::make_unique<ControlImpl>(new BevelButtonWidget), kKeys) {}

const std::string& BevelButton::Caption() const { return View(*this).caption; }
void BevelButton::Caption(const std::string& value) {
    BevelButtonWidget& view = View(*this);
    view.caption = value;
    // A button without a caption (a picture button) is known by the name
    // the program gives it, what its picture says.
    Impl().shownText = QString::fromStdString(value);
    Impl().ApplySpokenName();
    view.update();
}

std::shared_ptr<Picture> BevelButton::Icon() const { return View(*this).icon; }
void BevelButton::Icon(std::shared_ptr<Picture> picture) {
    View(*this).icon = std::move(picture);
    View(*this).update();
}

void BevelButton::Push() { View(*this).click(); }

void BevelButton::Action(std::function<void(BevelButton&)> handler) {
    View(*this).action = std::bind_front(std::move(handler), std::ref(*this));
}
