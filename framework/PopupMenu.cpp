#include "PopupMenu.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "Fonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <ranges>
#include <stdexcept>

namespace {

// The chosen item shows beside the drop-down arrow; an item too wide for
// that place is set narrower there rather than hidden under the arrow. The
// opened list keeps the full width.
class PopupWidget : public QComboBox {
public:
    QFont baseFont = font();

    void FitItems() {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const int room =
            style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
                .width();
        const QFont fitted = NarrowedToFit(baseFont, [this, room](const QFont& candidate) {
            const QFontMetrics metrics(candidate);
            return std::ranges::all_of(std::views::iota(0, count()), [&](int index) {
                return metrics.horizontalAdvance(itemText(index)) <= room;
            });
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

// Items are separated by carriage returns; line feeds serve as well.
void SetItems(PopupMenu& control, const std::string& value) {
    control.DeleteAllRows();
    const QString items = QString::fromStdString(value);
    if (!items.isEmpty()) {
        static const QRegularExpression separator(QStringLiteral("\r\n|\r|\n"));
        View(control).addItems(items.split(separator));
    }
    View(control).FitItems();
}

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex, TabStop, Enabled,
    Key("InitialValue", [](PopupMenu& c, const std::string& v) { SetItems(c, v); }),
    Key("ListIndex", [](PopupMenu& c, std::int32_t v) { c.ListIndex(v); }),
    Visible, HelpTag, AutoDeactivate, TextFont, Bold, Italic, Underline, DataSource, DataField,
    InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kPopupMenuKeys = kKeys;

PopupMenu::PopupMenu() : RectControl(std::make_unique<ControlImpl>(new PopupWidget), kKeys) {}

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
