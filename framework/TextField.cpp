#include "TextField.h"

#include "Alignment.h"
#include "ControlImpl.h"
#include "ControlKeys.h"
#include "FieldAccessible.h"
#include "QtColor.h"

#include <QLineEdit>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace {

// The border of a bordered field: a one-pixel line of grey, of the
// highlight colour while the field has the focus. The style's own frame is
// rounded and antialiased, which made every repaint of the large display
// several times dearer than drawing its text.
constexpr int kBorderWidth = 1;
// The room a line edit leaves between its text margins and its text.
constexpr int kInnerMargin = 2;

// The number of characters as the user sees them: an emoji, or a letter
// with its accents, is one character however many UTF-16 units it takes.
int CharacterCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

// Refuses an edit that takes the text past the field's most characters.
// The most is the limit, but a longer text set by code stays whole: the
// most is never below that text, and comes back to the limit once the
// user's edits have brought the text within it. A refused edit is undone
// by the line edit itself, so the undo history stays.
class LimitValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        return most <= 0 || CharacterCount(input) <= most ? Acceptable : Invalid;
    }

    // The field's text is now this one, set by code or by the user.
    void TextIs(const QString& text, bool byCode) {
        if (limit <= 0) {
            most = 0;
        } else if (byCode) {
            most = std::max(limit, CharacterCount(text));
        } else if (CharacterCount(text) <= limit) {
            most = limit;
        }
    }

    int limit = 0;

private:
    int most = 0;
};

class TextFieldWidget : public QLineEdit {
public:
    TextFieldWidget() : validator(new LimitValidator(this)) {
        // Also a read-only field takes the focus by a click, so that its
        // text can be selected and copied.
        setFocusPolicy(Qt::StrongFocus);
        setMaxLength(std::numeric_limits<int>::max());
        setValidator(validator);
        // The line edit fills its whole rectangle with the base colour, and
        // the border is drawn over it, so the panel beneath never needs
        // repainting.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFrame(false);
        Border(true);
        connect(this, &QLineEdit::textEdited, this,
                [this](const QString& text) { validator->TextIs(text, false); });
    }

    void Border(bool value) {
        border_ = value;
        const int margin = border_ ? kBorderWidth : 0;
        setTextMargins(margin, margin, margin, margin);
        update();
    }

    // The colour of the text or of the background.
    void Colour(QPalette::ColorRole role, Color value) {
        QPalette colours = palette();
        colours.setColor(role, ToQColor(value));
        setPalette(colours);
    }

    LimitValidator* validator;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!PaintCutNumber()) {
            QLineEdit::paintEvent(event);
        }
        if (!border_) {
            return;
        }
        QPainter painter(this);
        painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
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

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex, TabStop,
    Key("Border", [](TextField& c, bool v) { View(c).Border(v); }),
    Key("Password", [](TextField& c, bool v) {
        View(c).setEchoMode(v ? QLineEdit::Password : QLineEdit::Normal);
    }),
    UseFocusRing,
    Key("TextColor", [](TextField& c, Color v) { View(c).Colour(QPalette::Text, v); }),
    Key("BackColor", [](TextField& c, Color v) { View(c).Colour(QPalette::Base, v); }),
    Enabled,
    // Code formats the numbers it shows; a field has no display format.
    Ignored<std::string>("Format"),
    Visible, HelpTag, AutoDeactivate, TextFont, Bold, Italic, Underline,
    Key("CueText", [](TextField& c, const std::string& v) {
        View(c).setPlaceholderText(QString::fromStdString(v));
    }),
    Key("Text", [](TextField& c, const std::string& v) { c.Text(v); }),
    Key("Mask", [](TextField& c, const std::string& v) {
        View(c).setInputMask(QString::fromStdString(v));
    }),
    Key("ReadOnly", [](TextField& c, bool v) { View(c).setReadOnly(v); }),
    // The most characters the user may type; 0 is no limit.
    Key("LimitText", [](TextField& c, std::int32_t v) {
        View(c).validator->limit = v;
        View(c).validator->TextIs(View(c).text(), true);
    }),
    // Tab typed as text and spell checking do not exist in a one-line field
    // here; only the type counts.
    Ignored<bool>("AcceptTabs"),
    Key("Alignment", [](TextField& c, std::int32_t v) { View(c).setAlignment(AlignmentFlags(v)); }),
    Ignored<bool>("AutomaticallyCheckSpelling"),
    DataSource, DataField, InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kTextFieldKeys = kKeys;

namespace {

QAccessibleInterface* FieldAccessibility(const QString&, QObject* object) {
    auto* field = dynamic_cast<TextFieldWidget*>(object);
    return field != nullptr ? new FieldAccessible(field) : nullptr;
}

// A field's accessible interface is made the first time anything asks for
// it, which may be while the field is being built: the factory is there
// before the first field.
TextFieldWidget* NewField() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&FieldAccessibility);
        return true;
    }();
    return new TextFieldWidget;
}

} // namespace

TextField::TextField() : RectControl(std::make_unique<ControlImpl>(NewField()), kKeys) {}

std::string TextField::Text() const { return View(*this).text().toStdString(); }
void TextField::Text(const std::string& value) {
    TextFieldWidget& view = View(*this);
    const QString text = QString::fromStdString(value);
    view.validator->TextIs(text, true);
    view.setText(text);
    // A field filled by code shows its text from the start.
    view.setCursorPosition(0);
}

void TextField::Announce() { FieldAccessible::Announce(View(*this)); }

bool TextField::ReadOnly() const { return View(*this).isReadOnly(); }
