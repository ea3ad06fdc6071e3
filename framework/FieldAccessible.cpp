#include "FieldAccessible.h"
#include "AnnouncementSeam.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QLocale>

#include <functional>
#include <utility>

FieldAccessible::FieldAccessible(QLineEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

QLineEdit* FieldAccessible::Field() const { return static_cast<QLineEdit*>(widget()); }

namespace {

// The text as the field shows it: a password's characters masked.
QString Shown(const QLineEdit& field) {
    return field.echoMode() == QLineEdit::Normal ? field.text() : field.displayText();
}

// The number the field shows; 0 for a text that is none.
double ShownNumber(const QLineEdit& field) {
    bool number = false;
    const double value = QLocale::c().toDouble(field.text(), &number);
    return number ? value : 0.0;
}

std::function<void(QObject*, double)>& Recorder() {
    static std::function<void(QObject*, double)> recorder;
    return recorder;
}

} // namespace

void RecordAnnouncementsForTesting(std::function<void(QObject* field, double value)> recorder) {
    Recorder() = std::move(recorder);
}

void FieldAccessible::Announce(QLineEdit& field) {
    QAccessibleValueChangeEvent event(&field, ShownNumber(field));
    if (Recorder()) {
        Recorder()(&field, event.value().toDouble());
    }
    QAccessible::updateAccessibility(&event);
}

QAccessible::State FieldAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const QLineEdit& field = *Field();
    state.readOnly = field.isReadOnly();
    state.editable = !field.isReadOnly();
    state.passwordEdit = field.echoMode() != QLineEdit::Normal;
    state.selectable = true;
    state.selected = field.hasSelectedText();
    return state;
}

QString FieldAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return Shown(*Field());
    }
    const QString text = QAccessibleWidget::text(t);
    // An empty field's cue text says what it is for.
    return text.isEmpty() && t == QAccessible::Description ? Field()->placeholderText() : text;
}

void FieldAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value && !Field()->isReadOnly()) {
        Field()->setText(text);
    }
}

void* FieldAccessible::interface_cast(QAccessible::InterfaceType t) {
    switch (t) {
    case QAccessible::TextInterface:
        return static_cast<QAccessibleTextInterface*>(this);
    case QAccessible::EditableTextInterface:
        return Field()->isReadOnly() ? nullptr
                                     : static_cast<QAccessibleEditableTextInterface*>(this);
    case QAccessible::ValueInterface:
        return Field()->isReadOnly() ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    default:
        return QAccessibleWidget::interface_cast(t);
    }
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex == 0 && Field()->hasSelectedText()) {
        *startOffset = Field()->selectionStart();
        *endOffset = *startOffset + Field()->selectionLength();
    }
}

int FieldAccessible::selectionCount() const { return Field()->hasSelectedText() ? 1 : 0; }

void FieldAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        Field()->deselect();
    }
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        Field()->setSelection(startOffset, endOffset - startOffset);
    }
}

int FieldAccessible::cursorPosition() const { return Field()->cursorPosition(); }
void FieldAccessible::setCursorPosition(int position) { Field()->setCursorPosition(position); }

QString FieldAccessible::text(int startOffset, int endOffset) const {
    return Shown(*Field()).mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const { return static_cast<int>(Shown(*Field()).size()); }

// Where the character stands on the screen, for magnifiers: measured along
// the text as the field aligns it.
QRect FieldAccessible::characterRect(int offset) const {
    const QLineEdit& field = *Field();
    const QString shown = Shown(field);
    const QFontMetrics metrics(field.font());
    const QRect room = field.contentsRect().marginsRemoved(field.textMargins());
    const int width = metrics.horizontalAdvance(shown);
    int left = room.left();
    if (field.alignment() & Qt::AlignRight) {
        left = room.right() - width;
    } else if (field.alignment() & Qt::AlignHCenter) {
        left = room.left() + (room.width() - width) / 2;
    }
    const QRect area(left + metrics.horizontalAdvance(shown.left(offset)),
                     room.top() + (room.height() - metrics.height()) / 2,
                     metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
    return {field.mapToGlobal(area.topLeft()), area.size()};
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const {
    return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
}

void FieldAccessible::scrollToSubstring(int, int endIndex) { Field()->setCursorPosition(endIndex); }

QString FieldAccessible::attributes(int, int* startOffset, int* endOffset) const {
    // One run of the field's own font.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset) {
    Field()->setText(Field()->text().remove(startOffset, endOffset - startOffset));
}

void FieldAccessible::insertText(int offset, const QString& text) {
    Field()->setText(Field()->text().insert(offset, text));
}

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    Field()->setText(Field()->text().replace(startOffset, endOffset - startOffset, text));
}

QVariant FieldAccessible::currentValue() const { return ShownNumber(*Field()); }

// The value is what the field shows: it changes only with the text.
void FieldAccessible::setCurrentValue(const QVariant&) {}
QVariant FieldAccessible::maximumValue() const { return {}; }
QVariant FieldAccessible::minimumValue() const { return {}; }
QVariant FieldAccessible::minimumStepSize() const { return {}; }
