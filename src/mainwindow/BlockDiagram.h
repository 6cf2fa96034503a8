// The block diagram of the main window: the boxes of the units with their panels and
// labels, the bus bars, the grids and the bus clips, and where they stand in the normal,
// compact and enlarged views. Like a form class it names its widgets publicly (object names
// as in the diagram); the window connects them and the machine writes into them.
#pragma once

#include <QFont>
#include <QRect>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QSplitter;
class QWidget;

namespace tovak {

class BusAnimation;
class TOroGrid;
struct MachineWidgets;

// The diagram's typeface at a size, bold or not.
inline QFont DiagramFont(int points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"), points);
    font.setBold(bold);
    return font;
}

class BlockDiagram {
public:
    static constexpr int kClientWidth = 1028;
    static constexpr int kClientHeight = 662;
    // Widths of the memory grid's address and hex columns in the normal view.
    static constexpr int kSpeicherAdrBreite = 45;
    static constexpr int kSpeicherHexBreite = 80;

    // Builds the diagram in client, below the toolbar that is already there.
    explicit BlockDiagram(QWidget* client);
    ~BlockDiagram();
    BlockDiagram(const BlockDiagram&) = delete;
    BlockDiagram& operator=(const BlockDiagram&) = delete;

    // The widgets the machine's units write into.
    MachineWidgets ForMachine() const;
    BusAnimation& Animation() { return *animation_; }
    void ShowRunCounters(long long befehle, long long takte);
    // The I/O value in the hexadecimal panel, the decimal one in its tooltip.
    void ShowEAHex(int v);
    // Selects a grid row as the window's own choice; while it does, SelectingRow() tells
    // the click handler that this is no click.
    void SelectRow(TOroGrid* grid, int row);
    bool SelectingRow() const { return selectingRow_; }

    // Small screens: the register box moves up into the bus drawing, the address bus goes.
    void ApplyCompact();
    bool IsCompact() const { return compact_; }
    // Maximal memory: the memory box takes the place of the data bus at the top left.
    void SetSpeicherMaximal(bool on);
    bool IsSpeicherMaximal() const { return speicherMaximal_; }
    // Places the memory box for the layout in force; fitHeight (the client's height at 100 %)
    // fits it to the window instead, -1 does not.
    void PlaceSpeicherBox(int fitHeight);
    // The enlarged view for the projector: memory left, I/O unit, arithmetic unit and
    // registers right of a splitter, from top down in the client.
    void ShowEnlarged(int top);
    // Back to the normal view; the memory box is placed by the caller.
    void ShowNormal();
    bool IsEnlarged() const { return enlargedPanel_ != nullptr; }

    QWidget* const client;
    QGroupBox* groupBoxEA = nullptr;
    QLabel* eaEinheit1 = nullptr;
    QSpinBox* eaEinheit2 = nullptr;
    QLabel* lDatenbus = nullptr;
    QLabel* pDatenBus = nullptr;
    QGroupBox* groupBoxSpeicher = nullptr;
    TOroGrid* gridSpeicher = nullptr;
    QGroupBox* groupBoxRegister = nullptr;
    TOroGrid* gridRegister = nullptr;
    QGroupBox* groupBoxRechenwerk = nullptr;
    QLabel* panelAkku = nullptr;
    QLabel* panelOperand = nullptr;
    QLabel* panelZero = nullptr;
    QLabel* panelCarry = nullptr;
    QLabel* panelParity = nullptr;
    QLabel* panelSign = nullptr;
    QGroupBox* groupBoxSteuerwerk = nullptr;
    QLabel* pBefehl = nullptr;
    QLabel* pBefehlRem = nullptr;
    QLabel* pMicrocode = nullptr;
    QLabel* pInstructionPointer = nullptr;
    QSpinBox* eInstructionPointer = nullptr;
    QLabel* pStackPointer = nullptr;
    QLabel* eStackPointer = nullptr;
    QLabel* pInterupt = nullptr;
    QLabel* eInteruptAdr = nullptr;
    QLabel* imageInterrupt = nullptr;
    QLabel* pBefehlszaehler = nullptr;
    QLabel* pTaktzaehler = nullptr;
    QLabel* labelAdressbus = nullptr;
    QLabel* pAdressBus = nullptr;
    QPlainTextEdit* memoRemark = nullptr;

private:
    // The normal view of the boxes the enlarged one moves.
    void ApplyNormalView();
    void CreateBusBars();
    void CreateEABox();
    void CreateSpeicherBox();
    void CreateRegisterBox();
    void CreateRechenwerkBox();
    void CreateSteuerwerkBox();
    void CreateRunCounters();
    void SetUpGrids();
    void PlaceRegisterBox();
    QFrame* MakeBar(const char* name, const QRect& geometry);

    std::unique_ptr<BusAnimation> animation_;
    bool compact_ = false;
    bool speicherMaximal_ = false;
    bool selectingRow_ = false;
    QWidget* enlargedPanel_ = nullptr;
    QSplitter* enlargedSplitter_ = nullptr;
};

} // namespace tovak
