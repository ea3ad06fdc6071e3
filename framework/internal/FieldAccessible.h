#pragma once

// Framework-internal: what accessibility tools see of a text field. Qt's own
// interface for a line edit offers its text; this one offers the number a
// read-only field shows as its value too, so that a screen reader hears a
// read-out's new number while the focus stays on it: on Qt 6.4 a value change
// is the one change of a focused field that Orca speaks without a key that
// caused it (a changed name or description reaches it without its text).

#include <QAccessibleWidget>

class QLineEdit;

class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface,
                        public QAccessibleValueInterface {
public:
    explicit FieldAccessible(QLineEdit* field);

    // Tells accessibility tools that a read-only field shows a new result.
    static void Announce(QLineEdit& field);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    QLineEdit* Field() const;
};
