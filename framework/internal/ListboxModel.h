#pragma once

// Framework-internal: the rows of a Listbox, kept as UTF-8 text so that code
// reading the cells pays no conversion; only the rows the view paints are
// turned into QString.

#include <QAbstractTableModel>
#include <QFont>

#include <string>
#include <vector>

class ListboxModel : public QAbstractTableModel {
public:
    struct CellData {
        std::string text;
        // 0 default, 1 left, 2 centre, 3 right.
        int alignment = 0;
        bool italic = false;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void SetColumnCount(int count);

    // Appends a row whose first cells take the texts; texts beyond the last
    // column are dropped.
    void AppendRow(const std::vector<std::string>& texts);
    void RemoveAllRows();

    // A row or column out of range raises std::out_of_range.
    void CheckCell(int row, int column) const;
    const CellData& At(int row, int column) const;
    // The cell, or null for a row or column out of range: what Qt's calls
    // use, since nothing may raise into Qt.
    const CellData* Find(int row, int column) const noexcept;
    void SetText(int row, int column, const std::string& text);
    void SetAlignment(int row, int column, int alignment);
    void SetItalic(int row, int column, bool italic);

    // The face of italic cells: the italic version of the list's font.
    void SetItalicFont(const QFont& font) { italicFont_ = font; }
    const QFont& ItalicFont() const { return italicFont_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CellData& CellAt(int row, int column);
    void CellChanged(int row, int column, int role);

    std::vector<std::vector<CellData>> rows_;
    int columns_ = 1;
    QFont italicFont_;
};
