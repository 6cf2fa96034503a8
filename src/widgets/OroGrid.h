// The text grid of the memory and register displays: a read-only table view over an
// OroGridModel, with a fixed header row, whole-row selection and a context menu.
#pragma once

#include "machine/Displays.h"
#include "widgets/OroGridModel.h"

#include <QTableView>

class QAction;
class QMenu;

namespace tovak {

class TOroGrid : public QTableView {
    Q_OBJECT

public:
    explicit TOroGrid(QWidget* parent = nullptr);
    ~TOroGrid() override;

    // The machine's view of this grid: the memory or the register file tells it which rows
    // changed and keeps the selection in it.
    GridDisplay& Adapter() { return adapter_; }
    // Shows a store: every text, the header included, comes from it when drawn.
    void SetSource(OroGridModel::Source source) { model_.SetSource(std::move(source)); }
    OroGridModel& GridModel() { return model_; }

    int ColCount() const { return model_.ColCount(); }
    void SetColCount(int cols);
    // Grid rows, the header row included.
    int RowCount() const { return model_.GridRowCount(); }
    void SetRowCount(int rows) { model_.SetGridRowCount(rows); }

    QString CellText(int col, int row) const;
    void SetCellText(int col, int row, const QString& text);

    int ColWidth(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int px);
    void SetDefaultRowHeight(int px);

    // Selected row in grid numbering; 0 when the grid has no data rows.
    int Row() const;
    // Selects and reveals a row without counting as a user selection; other rows are ignored.
    void SetRow(int row);

    // 0 after creation, 2 = read-only. Cells are never edited in place, so both behave alike.
    int Modus() const { return modus_; }
    void SetModus(int modus) { modus_ = modus; }

    // The menu a right click opens: the grid's own, or the one an owner put in its place.
    QMenu* ContextMenu() const { return menu_; }
    // Puts the owner's menu (not owned) in place of the grid's own.
    void SetContextMenu(QMenu* menu);
    QAction* SpaltenbreiteOptimierenAction() const { return fitAction_; }
    QAction* ExportNachExcelAction() const { return exportAction_; }

    // Fits every column but the first to its widest text (header included) plus 5 pixels.
    void SpaltenbreiteOptimieren();

    // Writes every row (header included) into a new workbook in the temporary folder and
    // opens it with the desktop's spreadsheet program; "Can't start Excel" when either fails.
    // Returns the workbook's path, empty on failure.
    QString ExportNachExcel();
    // All cell texts, row 0 (the header) first.
    QList<QStringList> AllTexts() const;
    // While deferred, the machine's writes are kept in the model and reach the view only at
    // FlushDeferred (and when deferring ends): one repaint instead of one per changed cell.
    void SetDeferred(bool on);
    bool Deferred() const { return deferred_; }
    void FlushDeferred();

signals:
    // The user clicked a row or moved the selection with keyboard or mouse (grid numbering).
    void userSelectedRow(int row);
    void doubleClickedRow(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class MachineView final : public GridDisplay {
    public:
        explicit MachineView(TOroGrid& grid) : grid_(grid) {}
        void RowsChanged(int first, int last) override { grid_.model_.RowsChanged(first, last); }
        void Refilled(int rows) override { grid_.model_.Refilled(rows); }
        int Row() const override { return grid_.pendingRow_ > 0 ? grid_.pendingRow_ : grid_.Row(); }
        void SetRow(int row) override {
            if (grid_.deferred_) {
                grid_.pendingRow_ = row;
            } else {
                grid_.SetRow(row);
            }
        }

    private:
        TOroGrid& grid_;
    };

    void EmitIfRowChanged(int modelRowBefore);

    OroGridModel model_;
    MachineView adapter_;
    int modus_ = 0;
    bool deferred_ = false;
    int pendingRow_ = 0; // a row the machine selected while deferred; 0 = none
    QMenu* menu_ = nullptr;
    QAction* fitAction_ = nullptr;
    QAction* exportAction_ = nullptr;
};

} // namespace tovak
