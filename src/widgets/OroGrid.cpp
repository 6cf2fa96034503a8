#include "widgets/OroGrid.h"

#include "util/MessageBoxes.h"
#include "widgets/OroGridDelegate.h"
#include "widgets/OroGridExport.h"

#include <QDesktopServices>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>

namespace tovak {

TOroGrid::TOroGrid(QWidget* parent) : QTableView(parent), model_(this), adapter_(*this) {
    setModel(&model_);
    setItemDelegate(new OroGridDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);

    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    // No fixed column: grid rows carry their own address column.
    verticalHeader()->hide();
    // Thousands of rows of one height: fixed sections keep scrolling and refills cheap.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit doubleClickedRow(index.row() + 1); });

    menu_ = new QMenu(this);
    fitAction_ = menu_->addAction(QStringLiteral("Spaltenbreite optimieren"));
    fitAction_->setObjectName(QStringLiteral("LkSpaltenbreiteOptimieren"));
    connect(fitAction_, &QAction::triggered, this, &TOroGrid::SpaltenbreiteOptimieren);
    menu_->addSeparator();
    exportAction_ = menu_->addAction(QStringLiteral("Export nach Excel"));
    exportAction_->setObjectName(QStringLiteral("LkExportNachExcel"));
    connect(exportAction_, &QAction::triggered, this, &TOroGrid::ExportNachExcel);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { menu_->popup(viewport()->mapToGlobal(pos)); });
}

void TOroGrid::SetContextMenu(QMenu* menu) {
    if (menu != nullptr) {
        menu_ = menu;
    }
}

TOroGrid::~TOroGrid() {
    // The model is a member and dies before the view's base class.
    setModel(nullptr);
}

void TOroGrid::SetColCount(int cols) {
    model_.SetColCount(cols);
}

QString TOroGrid::CellText(int col, int row) const {
    return QString::fromStdString(model_.Text(col, row));
}

void TOroGrid::SetCellText(int col, int row, const QString& text) {
    model_.SetText(col, row, text.toStdString());
}

void TOroGrid::SetColWidth(int col, int px) {
    if (col >= 0 && col < ColCount() && px >= 0) {
        setColumnWidth(col, px);
    }
}

void TOroGrid::SetDefaultRowHeight(int px) {
    if (px <= 0) {
        return;
    }
    QHeaderView* rows = verticalHeader();
    rows->setMinimumSectionSize(std::min(px, rows->minimumSectionSize()));
    rows->setDefaultSectionSize(px);
}

int TOroGrid::Row() const {
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        return current.row() + 1;
    }
    return model_.rowCount() > 0 ? 1 : 0;
}

void TOroGrid::SetRow(int row) {
    // The latest selection wins over one the machine made while deferred.
    pendingRow_ = 0;
    if (row < 1 || row >= RowCount()) {
        return;
    }
    const int col = std::max(currentIndex().column(), 0);
    const QModelIndex target = model_.index(row - 1, std::min(col, std::max(ColCount() - 1, 0)));
    if (!target.isValid()) {
        return;
    }
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    scrollTo(target, QAbstractItemView::EnsureVisible);
}

void TOroGrid::SetDeferred(bool on) {
    if (on == deferred_) {
        return;
    }
    deferred_ = on;
    if (on) {
        model_.BeginUpdate();
        return;
    }
    model_.EndUpdate();
    if (pendingRow_ > 0) {
        SetRow(pendingRow_);
    }
}

void TOroGrid::FlushDeferred() {
    if (!deferred_) {
        return;
    }
    model_.EndUpdate();
    model_.BeginUpdate();
    if (pendingRow_ > 0) {
        SetRow(pendingRow_);
    }
}

void TOroGrid::SpaltenbreiteOptimieren() {
    const QFontMetrics cellMetrics = fontMetrics();
    const QHeaderView* header = horizontalHeader();
    const QFontMetrics headerMetrics = header->fontMetrics();
    // The header draws its caption inside the style's margins; without them the caption of a
    // column whose cells are narrower would be cut.
    const int headerMargins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int col = 1; col < ColCount(); ++col) {
        int widest = 0;
        for (int row = 1; row < RowCount(); ++row) {
            widest = std::max(widest, cellMetrics.horizontalAdvance(CellText(col, row)));
        }
        const int headerWidth = headerMetrics.horizontalAdvance(CellText(col, 0));
        widest = std::max(widest, headerWidth);
        setColumnWidth(col, std::max(widest + 5, headerWidth + headerMargins));
    }
}

QList<QStringList> TOroGrid::AllTexts() const {
    QList<QStringList> rows;
    rows.reserve(RowCount());
    for (int row = 0; row < RowCount(); ++row) {
        QStringList cells;
        cells.reserve(ColCount());
        for (int col = 0; col < ColCount(); ++col) {
            cells.append(CellText(col, row));
        }
        rows.append(cells);
    }
    return rows;
}

QString TOroGrid::ExportNachExcel() {
    // The file is named after the grid: "GridSpeicher" gives "Speicher-<date>.xlsx".
    QString baseName = objectName();
    if (baseName.startsWith(QLatin1String("Grid")) && baseName.size() > 4) {
        baseName = baseName.mid(4);
    }
    if (baseName.isEmpty()) {
        baseName = QStringLiteral("Tabelle");
    }
    const QString path = NewExportPath(baseName);
    if (path.isEmpty() || !WriteWorkbook(AllTexts(), baseName, path) ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        // A workbook no program opened would only pile up in the temporary folder.
        if (!path.isEmpty()) {
            QFile::remove(path);
        }
        ShowWarningBox("Error", "Can't start Excel");
        return {};
    }
    return path;
}

void TOroGrid::EmitIfRowChanged(int modelRowBefore) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() != modelRowBefore) {
        emit userSelectedRow(current.row() + 1);
    }
}

void TOroGrid::mousePressEvent(QMouseEvent* event) {
    // A right click only opens the context menu; its items act on the row the owner knows.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    // Every click counts, also on the row already selected: the owner may have moved on.
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hit.isValid()) {
        emit userSelectedRow(hit.row() + 1);
    }
}

void TOroGrid::mouseMoveEvent(QMouseEvent* event) {
    const int before = currentIndex().row();
    QTableView::mouseMoveEvent(event);
    if ((event->buttons() & Qt::LeftButton) != 0) {
        EmitIfRowChanged(before);
    }
}

void TOroGrid::keyPressEvent(QKeyEvent* event) {
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    EmitIfRowChanged(before);
}

} // namespace tovak
