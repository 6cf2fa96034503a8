#include "widgets/OroGridModel.h"

#include <algorithm>

namespace tovak {

namespace {
const std::string kEmpty;
}

OroGridModel::OroGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void OroGridModel::SetGridRowCount(int rows) {
    const int wanted = std::max(rows, 1) - 1;
    if (wanted == dataRows_) {
        return;
    }
    const auto cellCount = static_cast<std::size_t>(wanted) * static_cast<std::size_t>(cols_);
    if (wanted > dataRows_) {
        beginInsertRows(QModelIndex(), dataRows_, wanted - 1);
        cells_.resize(cellCount);
        dataRows_ = wanted;
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), wanted, dataRows_ - 1);
        cells_.resize(cellCount);
        dataRows_ = wanted;
        endRemoveRows();
        if (dirty_) {
            dirtyBottom_ = std::min(dirtyBottom_, dataRows_ - 1);
            dirty_ = dirtyTop_ <= dirtyBottom_;
        }
    }
}

void OroGridModel::SetColCount(int cols) {
    cols = std::max(cols, 0);
    if (cols == cols_) {
        return;
    }
    // Rare (set up once), so a reset is simpler than moving columns around.
    beginResetModel();
    std::vector<std::string> cells(static_cast<std::size_t>(dataRows_) *
                                   static_cast<std::size_t>(cols));
    const int keep = std::min(cols, cols_);
    for (int r = 0; r < dataRows_; ++r) {
        for (int c = 0; c < keep; ++c) {
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                  static_cast<std::size_t>(c)] = std::move(DataCell(c, r));
        }
    }
    cells_ = std::move(cells);
    header_.resize(static_cast<std::size_t>(cols));
    cols_ = cols;
    dirty_ = false;
    endResetModel();
}

const std::string& OroGridModel::Text(int col, int row) const {
    if (!InRange(col, row)) {
        return kEmpty;
    }
    return row == 0 ? header_[static_cast<std::size_t>(col)] : DataCell(col, row - 1);
}

void OroGridModel::SetText(int col, int row, const std::string& text) {
    if (!InRange(col, row)) {
        return;
    }
    if (row == 0) {
        std::string& cell = header_[static_cast<std::size_t>(col)];
        if (cell != text) {
            cell = text;
            emit headerDataChanged(Qt::Horizontal, col, col);
        }
        return;
    }
    std::string& cell = DataCell(col, row - 1);
    // The machine rewrites unchanged cells all the time; skipping them saves repaints.
    if (cell == text) {
        return;
    }
    cell = text;
    MarkDirty(col, row - 1);
}

void OroGridModel::MarkDirty(int col, int modelRow) {
    if (updateDepth_ == 0) {
        const QModelIndex cell = index(modelRow, col);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
        return;
    }
    if (!dirty_) {
        dirty_ = true;
        dirtyTop_ = dirtyBottom_ = modelRow;
        dirtyLeft_ = dirtyRight_ = col;
        return;
    }
    dirtyTop_ = std::min(dirtyTop_, modelRow);
    dirtyBottom_ = std::max(dirtyBottom_, modelRow);
    dirtyLeft_ = std::min(dirtyLeft_, col);
    dirtyRight_ = std::max(dirtyRight_, col);
}

void OroGridModel::BeginUpdate() {
    ++updateDepth_;
}

void OroGridModel::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0) {
        return;
    }
    if (dirty_) {
        dirty_ = false;
        emit dataChanged(index(dirtyTop_, dirtyLeft_), index(dirtyBottom_, dirtyRight_),
                         {Qt::DisplayRole});
    }
}

int OroGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dataRows_;
}

int OroGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant OroGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || !InRange(index.column(), index.row() + 1)) {
        return {};
    }
    return QString::fromStdString(DataCell(index.column(), index.row()));
}

QVariant OroGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < cols_) {
        return QString::fromStdString(header_[static_cast<std::size_t>(section)]);
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) {
        return section + 1;
    }
    return {};
}

Qt::ItemFlags OroGridModel::flags(const QModelIndex& index) const {
    // Cells are changed through dialogs, never edited in place.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace tovak
