// The cell texts of a TOroGrid. Grid row 0 is the header and appears as the view's horizontal
// header; grid row r >= 1 is model row r - 1. The texts are kept as UTF-8 std::string, or
// read from a source (the memory or the register file) only when the view draws them: the
// machine changes far more often than the view reads.
#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <string>
#include <vector>

namespace tovak {

class OroGridModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit OroGridModel(QObject* parent = nullptr);

    // Grid numbering: the header row included. Never below 1.
    int GridRowCount() const { return dataRows_ + 1; }
    void SetGridRowCount(int rows);
    int ColCount() const { return cols_; }
    void SetColCount(int cols);

    // Out-of-range cells read as empty and ignore writes.
    std::string Text(int col, int row) const;
    void SetText(int col, int row, const std::string& text);

    // The texts of every cell (the header included), by column and grid row, from now on;
    // the store tells which rows change. An empty source goes back to the kept texts.
    using Source = std::function<std::string(int col, int row)>;
    void SetSource(Source source);
    bool HasSource() const { return static_cast<bool>(source_); }
    // Grid rows first..last show new texts.
    void RowsChanged(int first, int last);
    // The grid has this many rows (the header included), all with new texts.
    void Refilled(int rows);

    // Between the outermost BeginUpdate and EndUpdate changes are collected into one signal.
    void BeginUpdate();
    void EndUpdate();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool InRange(int col, int row) const {
        return col >= 0 && col < cols_ && row >= 0 && row <= dataRows_;
    }
    std::string& DataCell(int col, int modelRow) {
        return cells_[static_cast<std::size_t>(modelRow) * static_cast<std::size_t>(cols_) +
                      static_cast<std::size_t>(col)];
    }
    const std::string& DataCell(int col, int modelRow) const {
        return cells_[static_cast<std::size_t>(modelRow) * static_cast<std::size_t>(cols_) +
                      static_cast<std::size_t>(col)];
    }
    void MarkDirty(int left, int top, int right, int bottom);

    int cols_ = 0;
    int dataRows_ = 0;
    std::vector<std::string> header_;
    std::vector<std::string> cells_; // row-major, dataRows_ x cols_
    Source source_;

    int updateDepth_ = 0;
    bool dirty_ = false;
    int dirtyTop_ = 0;
    int dirtyBottom_ = 0;
    int dirtyLeft_ = 0;
    int dirtyRight_ = 0;
};

} // namespace tovak
