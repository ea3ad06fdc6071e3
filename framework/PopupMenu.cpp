#include "PopupMenu.h"

#include "ControlImpl.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRegularExpression>

#include <stdexcept>

namespace {

QComboBox& View(const PopupMenu& control) { return *control.Impl().As<QComboBox>(); }

} // namespace

PopupMenu::PopupMenu() : RectControl(std::make_unique<ControlImpl>(new QComboBox)) {}

int PopupMenu::ListCount() const { return View(*this).count(); }

std::string PopupMenu::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        throw std::out_of_range("PopupMenu " + Name() + ": no item " + std::to_string(index));
    }
    return View(*this).itemText(index).toStdString();
}

void PopupMenu::AddRow(const std::string& text) {
    View(*this).addItem(QString::fromStdString(text));
}

void PopupMenu::DeleteAllRows() { View(*this).clear(); }

int PopupMenu::ListIndex() const { return View(*this).currentIndex(); }
// An index outside the items chooses none.
void PopupMenu::ListIndex(int index) { View(*this).setCurrentIndex(index); }

// The list of items opens as a window of its own, which takes no font from
// the control: it gets the control's font too.
void PopupMenu::ApplyFont() {
    RectControl::ApplyFont();
    View(*this).view()->setFont(View(*this).font());
}

bool PopupMenu::SetOwnProperty(const Property& property) {
    const std::string& key = property.key;
    if (key == "InitialValue") {
        // Items are separated by carriage returns; line feeds serve as well.
        DeleteAllRows();
        const QString items = QString::fromStdString(StringValue(property));
        if (!items.isEmpty()) {
            static const QRegularExpression separator(QStringLiteral("\r\n|\r|\n"));
            View(*this).addItems(items.split(separator));
        }
    } else if (key == "ListIndex") {
        ListIndex(IntegerValue(property));
    } else {
        return false;
    }
    return true;
}
