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

std::string OroGridModel::Text(int col, int row) const {
    if (!InRange(col, row)) {
        return kEmpty;
    }
    if (source_) {
        return source_(col, row);
    }
    return row == 0 ? header_[static_cast<std::size_t>(col)] : DataCell(col, row - 1);
}

void OroGridModel::SetSource(Source source) {
    source_ = std::move(source);
    if (cols_ > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    }
    RowsChanged(1, dataRows_);
}

void OroGridModel::RowsChanged(int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, dataRows_);
    if (first > last || cols_ == 0) {
        return;
    }
    MarkDirty(0, first - 1, cols_ - 1, last - 1);
}

void OroGridModel::Refilled(int rows) {
    SetGridRowCount(rows);
    if (cols_ > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    }
    RowsChanged(1, dataRows_);
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
    MarkDirty(col, row - 1, col, row - 1);
}

void OroGridModel::MarkDirty(int left, int top, int right, int bottom) {
    if (updateDepth_ == 0) {
        emit dataChanged(index(top, left), index(bottom, right), {Qt::DisplayRole});
        return;
    }
    if (!dirty_) {
        dirty_ = true;
        dirtyTop_ = top;
        dirtyBottom_ = bottom;
        dirtyLeft_ = left;
        dirtyRight_ = right;
        return;
    }
    dirtyTop_ = std::min(dirtyTop_, top);
    dirtyBottom_ = std::max(dirtyBottom_, bottom);
    dirtyLeft_ = std::min(dirtyLeft_, left);
    dirtyRight_ = std::max(dirtyRight_, right);
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
    if (source_) {
        return QString::fromStdString(source_(index.column(), index.row() + 1));
    }
    return QString::fromStdString(DataCell(index.column(), index.row()));
}

QVariant OroGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < cols_) {
        return QString::fromStdString(Text(section, 0));
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
