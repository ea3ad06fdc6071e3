#include "Label.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "Dispatch.h"
#include "Fonts.h"
#include "QtColor.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Labels never paint a background of their own. A press on a label with a
// MouseDown handler is the label's, whatever the handler answers (a link
// answers False and must not reach the window, which may close on a press);
// a press on any other label goes on to the window.
class LabelWidget : public QLabel {
public:
    LabelWidget() {
        setTextFormat(Qt::PlainText);
        setAutoFillBackground(false);
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        PassPointerThrough();
    }

    std::string text;
    int textAlign = 0;
    Color textColor = RGB(0, 0, 0);
    std::function<bool(int x, int y)> mouseDown;
    std::function<void()> mouseEnter;
    std::function<void()> mouseExit;
    QFont baseFont = font();

    // A label that answers no pointer event and cannot be selected is a
    // picture of its text: the pointer's presses reach whatever lies
    // beneath it (it may be shown over keys).
    void PassPointerThrough() {
        const bool answersPointer = mouseDown || mouseEnter || mouseExit ||
                                    (textInteractionFlags() & Qt::TextSelectableByMouse);
        setAttribute(Qt::WA_TransparentForMouseEvents, !answersPointer);
    }

    // 0 left, 1 centred, 2 right. A multi-line label stands at the top of
    // its box, a single line in the middle of its height.
    void ApplyAlignment() {
        const Qt::Alignment horizontal = textAlign == 1   ? Qt::AlignHCenter
                                         : textAlign == 2 ? Qt::AlignRight
                                                          : Qt::AlignLeft;
        setAlignment(horizontal | (wordWrap() ? Qt::AlignTop : Qt::AlignVCenter));
    }

    // A text that would be cut off at its face's full width is set
    // narrower rather than cut.
    void FitText() {
        const QFont fitted =
            NarrowedToFit(baseFont, [this](const QFont& candidate) { return Fits(candidate); });
        fitting = true;
        setFont(fitted);
        fitting = false;
    }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange && !fitting) {
            baseFont = font();
            FitText();
        }
    }

    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        FitText();
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (mouseDown) {
            const QPoint at = event->position().toPoint();
            auto handler = mouseDown;
            Guarded([&] { return handler(at.x(), at.y()); });
            event->accept();
            return;
        }
        if (textInteractionFlags() & Qt::TextSelectableByMouse) {
            QLabel::mousePressEvent(event);
        } else {
            event->ignore();
        }
    }

    void enterEvent(QEnterEvent* event) override {
        QLabel::enterEvent(event);
        GuardedHandler(mouseEnter);
    }

    void leaveEvent(QEvent* event) override {
        QLabel::leaveEvent(event);
        GuardedHandler(mouseExit);
    }

private:
    bool Fits(const QFont& candidate) const {
        const QFontMetrics metrics(candidate);
        const QRect box = contentsRect();
        if (!wordWrap()) {
            return metrics.horizontalAdvance(QLabel::text()) <= box.width();
        }
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20),
                                                  Qt::TextWordWrap, QLabel::text());
        return needed.width() <= box.width() && needed.height() <= box.height();
    }

    bool fitting = false;
};

LabelWidget& View(const Label& control) { return *control.Impl().As<LabelWidget>(); }

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex,
    Key("Text", [](Label& c, const std::string& v) { c.Text(v); }),
    Key("TextAlign", [](Label& c, std::int32_t v) {
        View(c).textAlign = v;
        View(c).ApplyAlignment();
    }),
    Key("TextColor", [](Label& c, Color v) { c.TextColor(v); }),
    Key("Multiline", [](Label& c, bool v) {
        View(c).setWordWrap(v);
        View(c).ApplyAlignment();
        View(c).FitText();
    }),
    Enabled, Visible,
    Key("Selectable", [](Label& c, bool v) {
        View(c).setTextInteractionFlags(v ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        View(c).PassPointerThrough();
    }),
    // Labels here never paint a background, so every label is transparent.
    Ignored<bool>("Transparent"),
    HelpTag, AutoDeactivate, TextFont, Bold, Italic, Underline,
    DataSource, DataField, InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kLabelKeys = kKeys;

Label::Label() : RectControl(std::make_unique<ControlImpl>(new LabelWidget), kKeys) {}

const std::string& Label::Text() const { return View(*this).text; }
void Label::Text(const std::string& value) {
    LabelWidget& view = View(*this);
    view.text = value;
    // Carriage returns break lines as newlines do.
    const QString shown = QString::fromStdString(value)
                              .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                              .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    view.setText(shown);
    view.FitText();
    // Screen readers say what the label shows, not its name.
    Impl().shownText = shown;
    Impl().ApplySpokenName();
}

void Label::LabelFor(RectControl& control) { View(*this).setBuddy(control.Impl().widget); }

Color Label::TextColor() const { return View(*this).textColor; }
void Label::TextColor(Color value) {
    LabelWidget& view = View(*this);
    view.textColor = value;
    // Active and inactive only: a disabled label keeps the style's grey.
    QPalette palette = view.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, ToQColor(value));
    }
    view.setPalette(palette);
    view.update();
}

void Label::MouseDown(std::function<bool(Label&, int x, int y)> handler) {
    View(*this).mouseDown = std::bind_front(std::move(handler), std::ref(*this));
    View(*this).PassPointerThrough();
}

void Label::MouseEnter(std::function<void(Label&)> handler) {
    View(*this).mouseEnter = std::bind_front(std::move(handler), std::ref(*this));
    View(*this).PassPointerThrough();
}

void Label::MouseExit(std::function<void(Label&)> handler) {
    View(*this).mouseExit = std::bind_front(std::move(handler), std::ref(*this));
    View(*this).PassPointerThrough();
}
