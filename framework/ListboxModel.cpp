#include "ListboxModel.h"

#include "Alignment.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

void ListboxModel::SetColumnCount(int count) {
    if (count < 1) {
        throw std::out_of_range("Listbox: a list has at least one column, not " +
                                std::to_string(count));
    }
    if (count == columns_) {
        return;
    }
    const bool growing = count > columns_;
    if (growing) {
        beginInsertColumns(QModelIndex(), columns_, count - 1);
    } else {
        beginRemoveColumns(QModelIndex(), count, columns_ - 1);
    }
    columns_ = count;
    for (auto& row : rows_) {
        row.resize(static_cast<std::size_t>(count));
    }
    if (growing) {
        endInsertColumns();
    } else {
        endRemoveColumns();
    }
}

void ListboxModel::AppendRow(const std::vector<std::string>& texts) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    auto& cells = rows_.emplace_back(static_cast<std::size_t>(columns_));
    const std::size_t given = std::min(texts.size(), cells.size());
    for (std::size_t column = 0; column < given; ++column) {
        cells[column].text = texts[column];
    }
    endInsertRows();
}

void ListboxModel::RemoveAllRows() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void ListboxModel::CheckCell(int row, int column) const {
    if (Find(row, column) == nullptr) {
        throw std::out_of_range("Listbox: no cell at row " + std::to_string(row) + ", column " +
                                std::to_string(column) + " in " + std::to_string(rowCount()) +
                                " rows of " + std::to_string(columns_) + " columns");
    }
}

const ListboxModel::CellData& ListboxModel::At(int row, int column) const {
    const CellData* cell = Find(row, column);
    if (cell == nullptr) {
        CheckCell(row, column);
    }
    return *cell;
}

const ListboxModel::CellData* ListboxModel::Find(int row, int column) const noexcept {
    // Read at every "=" for each row of the tape: no virtual call here.
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() || column < 0 ||
        column >= columns_) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

ListboxModel::CellData& ListboxModel::CellAt(int row, int column) {
    return const_cast<CellData&>(std::as_const(*this).At(row, column));
}

void ListboxModel::CellChanged(int row, int column, int role) {
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {role});
}

void ListboxModel::SetText(int row, int column, const std::string& text) {
    CellAt(row, column).text = text;
    CellChanged(row, column, Qt::DisplayRole);
}

void ListboxModel::SetAlignment(int row, int column, int alignment) {
    CellAt(row, column).alignment = alignment;
    CellChanged(row, column, Qt::TextAlignmentRole);
}

void ListboxModel::SetItalic(int row, int column, bool italic) {
    CellAt(row, column).italic = italic;
    CellChanged(row, column, Qt::FontRole);
}

int ListboxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListboxModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    const CellData* cell = Find(index.row(), index.column());
    if (cell == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(cell->text);
    case Qt::TextAlignmentRole:
        return static_cast<int>(AlignmentFlags(cell->alignment));
    case Qt::FontRole:
        // Other cells take the view's font.
        return cell->italic ? QVariant(italicFont_) : QVariant();
    default:
        return {};
    }
}

bool ListboxModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    SetText(index.row(), index.column(), value.toString().toStdString());
    return true;
}

Qt::ItemFlags ListboxModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // Editable so that EditCell can open an editor; the view has no edit
    // triggers, so the user cannot open one any other way.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

QVariant ListboxModel::headerData(int, Qt::Orientation, int) const {
    // Columns have no titles of their own.
    return {};
}
