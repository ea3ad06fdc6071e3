#include "TextField.h"

#include "Alignment.h"
#include "ControlImpl.h"
#include "QtColor.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

// The border of a bordered field: one pixel of grey, of the highlight
// colour while the field has the focus. The style's own frame is rounded
// and antialiased, which made every repaint of the large display several
// times dearer than drawing its text.
constexpr int kBorderWidth = 1;
// The room a line edit leaves between its text margins and its text.
constexpr int kInnerMargin = 2;

class TextFieldWidget : public QLineEdit {
public:
    TextFieldWidget() {
        // Also a read-only field takes the focus by a click, so that its
        // text can be selected and copied.
        setFocusPolicy(Qt::StrongFocus);
        setMaxLength(std::numeric_limits<int>::max());
        // The line edit fills its whole rectangle with the base colour, and
        // the border is drawn over it, so the panel beneath never needs
        // repainting.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFrame(false);
        Border(true);
        connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
            // Qt clears the undo history whenever the maximum changes, so
            // the user's edits lower it only once, when the text is back
            // within the limit.
            if (text.size() <= limitText) {
                FitMaxLength(int(text.size()));
            }
        });
    }

    void Border(bool value) {
        border_ = value;
        const int margin = border_ ? kBorderWidth : 0;
        setTextMargins(margin, margin, margin, margin);
        update();
    }

    // The user may type up to limitText characters, but a longer text set
    // by code stays whole: the field's maximum is never below that text, and
    // comes back to the limit once the user's edits have brought the text
    // within it.
    void FitMaxLength(int textLength) {
        const int wanted =
            limitText > 0 ? std::max(limitText, textLength) : std::numeric_limits<int>::max();
        if (maxLength() != wanted) {
            // A new maximum sets the text again, which moves the cursor to
            // its end; the user's cursor stays where it was.
            const int cursor = cursorPosition();
            setMaxLength(wanted);
            setCursorPosition(cursor);
        }
    }

    int alignment = 0;
    Color textColor = RGB(0, 0, 0);
    Color backColor = RGB(255, 255, 255);
    int limitText = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!PaintCutNumber()) {
            QLineEdit::paintEvent(event);
        }
        if (!border_) {
            return;
        }
        QPainter painter(this);
        const QColor color =
            hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
        const int w = width();
        const int h = height();
        painter.fillRect(0, 0, w, kBorderWidth, color);
        painter.fillRect(0, h - kBorderWidth, w, kBorderWidth, color);
        painter.fillRect(0, 0, kBorderWidth, h, color);
        painter.fillRect(w - kBorderWidth, 0, kBorderWidth, h, color);
    }

private:
    // A read-only field too narrow for its text (the display holding a long
    // number) shows the text's end after a "…", so that the cut shows; the
    // line edit itself would silently drop the first characters. An editable
    // field, or one with a selection, keeps the line edit's own scrolling.
    bool PaintCutNumber() {
        if (!isReadOnly() || hasSelectedText()) {
            return false;
        }
        const QRect room =
            rect().marginsRemoved(textMargins()).adjusted(kInnerMargin, 0, -kInnerMargin, 0);
        const QFontMetrics metrics = fontMetrics();
        if (metrics.horizontalAdvance(text()) <= room.width()) {
            return false;
        }
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(room, static_cast<int>(QLineEdit::alignment()) | Qt::TextSingleLine,
                         metrics.elidedText(text(), Qt::ElideLeft, room.width()));
        return true;
    }

    bool border_ = true;
};

TextFieldWidget& View(const TextField& control) { return *control.Impl().As<TextFieldWidget>(); }

} // namespace

TextField::TextField() : RectControl(std::make_unique<ControlImpl>(new TextFieldWidget)) {}

std::string TextField::Text() const { return View(*this).text().toStdString(); }
void TextField::Text(const std::string& value) {
    TextFieldWidget& view = View(*this);
    const QString text = QString::fromStdString(value);
    view.FitMaxLength(int(text.size()));
    view.setText(text);
}

int TextField::Alignment() const { return View(*this).alignment; }
void TextField::Alignment(int value) {
    TextFieldWidget& view = View(*this);
    view.alignment = value;
    view.setAlignment(AlignmentFlags(value));
}

Color TextField::TextColor() const { return View(*this).textColor; }
void TextField::TextColor(Color value) {
    TextFieldWidget& view = View(*this);
    view.textColor = value;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Text, ToQColor(value));
    view.setPalette(palette);
}

Color TextField::BackColor() const { return View(*this).backColor; }
void TextField::BackColor(Color value) {
    TextFieldWidget& view = View(*this);
    view.backColor = value;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, ToQColor(value));
    view.setPalette(palette);
}

bool TextField::ReadOnly() const { return View(*this).isReadOnly(); }
void TextField::ReadOnly(bool value) { View(*this).setReadOnly(value); }

int TextField::LimitText() const { return View(*this).limitText; }
void TextField::LimitText(int value) {
    TextFieldWidget& view = View(*this);
    view.limitText = value;
    view.FitMaxLength(int(view.text().size()));
}

bool TextField::SetOwnProperty(const Property& property) {
    const std::string& key = property.key;
    TextFieldWidget& view = View(*this);
    if (key == "Text") {
        Text(StringValue(property));
    } else if (key == "Alignment") {
        Alignment(IntegerValue(property));
    } else if (key == "TextColor") {
        TextColor(ColorValue(property));
    } else if (key == "BackColor") {
        BackColor(ColorValue(property));
    } else if (key == "ReadOnly") {
        ReadOnly(BooleanValue(property));
    } else if (key == "LimitText") {
        LimitText(IntegerValue(property));
    } else if (key == "Border") {
        view.Border(BooleanValue(property));
    } else if (key == "Password") {
        view.setEchoMode(BooleanValue(property) ? QLineEdit::Password : QLineEdit::Normal);
    } else if (key == "UseFocusRing") {
        view.setAttribute(Qt::WA_MacShowFocusRect, BooleanValue(property));
    } else if (key == "CueText") {
        view.setPlaceholderText(QString::fromStdString(StringValue(property)));
    } else if (key == "Mask") {
        view.setInputMask(QString::fromStdString(StringValue(property)));
    } else if (key == "Format") {
        // Code formats the numbers it shows; a field has no display format.
        StringValue(property);
    } else if (key == "AcceptTabs" || key == "AutomaticallyCheckSpelling") {
        // Tab typed as text and spell checking do not exist in a one-line
        // field here; only the type counts.
        BooleanValue(property);
    } else {
        return false;
    }
    return true;
}
