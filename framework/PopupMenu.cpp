#include "PopupMenu.h"

#include "ControlImpl.h"
#include "Fonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <stdexcept>

namespace {

// The chosen item shows beside the drop-down arrow; an item too wide for
// that place is set narrower there rather than hidden under the arrow. The
// opened list keeps the full width.
class PopupWidget : public QComboBox {
public:
    QFont baseFont;

    void FitItems() {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const int room =
            style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
                .width();
        const QFont fitted = NarrowedToFit(baseFont, [this, room](const QFont& candidate) {
            const QFontMetrics metrics(candidate);
            for (int index = 0; index < count(); ++index) {
                if (metrics.horizontalAdvance(itemText(index)) > room) {
                    return false;
                }
            }
            return true;
        });
        setFont(fitted);
        QFont full = baseFont;
        full.setStretch(100);
        view()->setFont(full);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QComboBox::resizeEvent(event);
        FitItems();
    }
};

PopupWidget& View(const PopupMenu& control) { return *control.Impl().As<PopupWidget>(); }

} // namespace

PopupMenu::PopupMenu() : RectControl(std::make_unique<ControlImpl>(new PopupWidget)) {
    View(*this).baseFont = View(*this).font();
}

int PopupMenu::ListCount() const { return View(*this).count(); }

std::string PopupMenu::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        throw std::out_of_range("PopupMenu " + Name() + ": no item " + std::to_string(index));
    }
    return View(*this).itemText(index).toStdString();
}

void PopupMenu::AddRow(const std::string& text) {
    View(*this).addItem(QString::fromStdString(text));
    View(*this).FitItems();
}

void PopupMenu::DeleteAllRows() { View(*this).clear(); }

int PopupMenu::ListIndex() const { return View(*this).currentIndex(); }
// An index outside the items chooses none.
void PopupMenu::ListIndex(int index) { View(*this).setCurrentIndex(index); }

// The list of items opens as a window of its own, which takes no font from
// the control: it gets the control's font too.
void PopupMenu::ApplyFont() {
    RectControl::ApplyFont();
    View(*this).baseFont = View(*this).font();
    View(*this).FitItems();
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
        View(*this).FitItems();
    } else if (key == "ListIndex") {
        ListIndex(IntegerValue(property));
    } else {
        return false;
    }
    return true;
}
