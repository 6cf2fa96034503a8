// Creation of the block diagram: the boxes, panels and bus bars, the grids and the clips.
// Where the boxes stand in the normal view comes from the view's table (BlockDiagramViews).
#include "mainwindow/BlockDiagram.h"

#include "dialogs/Ausgabe.h"
#include "machine/RAM.h"
#include "machine/Reg.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/MemoryCellDelegate.h"
#include "mainwindow/WindowMachine.h"
#include "util/NumberTexts.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <limits>

namespace tovak {

namespace {

// The counters show up to this many digits: a fast run passes ten million micro-steps in
// seconds.
constexpr int kZaehlerStellen = 10;

QLabel* MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    panel->setFont(DiagramFont(9, true));
    panel->setGeometry(geometry);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int points = 9) {
    auto* label = new QLabel(text, parent);
    label->setFont(DiagramFont(points, true));
    label->adjustSize();
    label->move(x, y);
    return label;
}

QGroupBox* MakeBox(QWidget* parent, const QString& caption, const char* name) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setStyleSheet(QStringLiteral("QGroupBox::title { color: #0000FF; }"));
    return box;
}

// A grid filling its box.
TOroGrid* MakeGrid(QGroupBox* box, const char* name) {
    auto* grid = new TOroGrid(box);
    grid->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(2, 4, 2, 2);
    layout->addWidget(grid);
    return grid;
}

} // namespace

BlockDiagram::BlockDiagram(QWidget* clientArea) : client(clientArea) {
    CreateBusBars();
    CreateEABox();
    CreateSpeicherBox();
    CreateRegisterBox();
    CreateRechenwerkBox();
    CreateSteuerwerkBox();

    lDatenbus = MakeLabel(client, QStringLiteral("Datenbus"), 216, 132);
    lDatenbus->setObjectName(QStringLiteral("LDatenbus"));
    pDatenBus = MakePanel(client, "PDatenBus", QRect(288, 130, 81, 21));
    labelAdressbus = MakeLabel(client, QStringLiteral("Adressbus"), 532, 620);
    labelAdressbus->setObjectName(QStringLiteral("LabelAdressbus"));
    pAdressBus = MakePanel(client, "PAdressBus", QRect(608, 618, 49, 21));

    memoRemark = new QPlainTextEdit(client);
    memoRemark->setObjectName(QStringLiteral("MemoRemark"));
    memoRemark->hide();

    SetUpGrids();
    ApplyNormalView();
    PlaceSpeicherBox(-1);
    animation_ = std::make_unique<BusAnimation>(client, DataFolder());
    animation_->RaiseAll();
    imageInterrupt->hide();
}

BlockDiagram::~BlockDiagram() = default;

MachineWidgets BlockDiagram::ForMachine() const {
    return {gridSpeicher, gridRegister,        pDatenBus,     pAdressBus,    eaEinheit2,
            panelAkku,    panelOperand,        panelZero,     panelCarry,    panelParity,
            panelSign,    eInstructionPointer, eStackPointer, pStackPointer, eInteruptAdr,
            pInterupt,    pMicrocode,          pBefehl,       pBefehlRem};
}

QFrame* BlockDiagram::MakeBar(const char* name, const QRect& geometry) {
    auto* bar = new QFrame(client);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    bar->setPalette(pal);
    bar->setGeometry(geometry);
    return bar;
}

void BlockDiagram::CreateBusBars() {
    // Data bus along the top: I/O unit and memory on the left, a long vertical bar down
    // the middle with stubs to the arithmetic unit, the control unit and the registers.
    MakeBar("ImageEASpeicher", QRect(103, 101, 6, 107));
    MakeBar("ImageDatenbusLinks", QRect(103, 156, 277, 6));
    MakeBar("ImageDatenbusRechts", QRect(380, 156, 208, 6));
    MakeBar("Image9", QRect(582, 95, 6, 254));
    MakeBar("ImageRechenwerk", QRect(582, 95, 18, 6));
    MakeBar("ImageSteuerwerk", QRect(582, 257, 18, 6));
    MakeBar("ImageRegisterDaten", QRect(447, 343, 141, 6));
    MakeBar("ImageRegisterDatenSenkrecht", QRect(447, 343, 6, 37));
    // Address bus along the bottom.
    MakeBar("ImageAdressbus", QRect(227, 645, 456, 6));
    MakeBar("ImageAdressSpeicher", QRect(227, 592, 6, 59));
    MakeBar("ImageAdressRegister", QRect(419, 597, 6, 54));
    MakeBar("ImageAdressSteuerwerk", QRect(677, 517, 6, 134));
}

void BlockDiagram::CreateEABox() {
    groupBoxEA = MakeBox(client, QStringLiteral("E/A Einheit"), "GroupBoxEA_Einheit");
    eaEinheit1 = MakePanel(groupBoxEA, "EAEinheit1", QRect());
    eaEinheit2 = new QSpinBox(groupBoxEA);
    eaEinheit2->setObjectName(QStringLiteral("EAEinheit2"));
    eaEinheit2->setRange(0, 65535);
}

void BlockDiagram::CreateSpeicherBox() {
    groupBoxSpeicher = MakeBox(client, QStringLiteral("Speicher"), "GroupBoxSpeicher");
    gridSpeicher = MakeGrid(groupBoxSpeicher, "GridSpeicher");
}

void BlockDiagram::CreateRegisterBox() {
    groupBoxRegister = MakeBox(client, QStringLiteral("Register"), "GroupBoxRegister");
    gridRegister = MakeGrid(groupBoxRegister, "GridRegister");
}

void BlockDiagram::CreateRechenwerkBox() {
    groupBoxRechenwerk = MakeBox(client, QStringLiteral("Rechenwerk"), "GroupBoxRechenwerk");
    QWidget* box = groupBoxRechenwerk;
    MakeLabel(box, QStringLiteral("Akku"), 16, 32);
    MakeLabel(box, QStringLiteral("Operand"), 156, 34);
    for (const auto& [caption, x] : {std::pair{"Z-Flag", 196}, std::pair{"C-Flag", 244},
                                     std::pair{"P-Flag", 296}, std::pair{"S-Flag", 340}}) {
        MakeLabel(box, QString::fromLatin1(caption), x, 104, 8);
    }
    panelAkku = MakePanel(box, "PanelAkku", QRect(16, 52, 85, 21));
    panelOperand = MakePanel(box, "PanelOpearand", QRect(156, 52, 85, 21));
    auto* alu = new QLabel(QStringLiteral("ALU"), box);
    alu->setObjectName(QStringLiteral("Panel5"));
    alu->setFrameStyle(QFrame::Panel | QFrame::Raised);
    alu->setLineWidth(2);
    alu->setAlignment(Qt::AlignCenter);
    alu->setFont(DiagramFont(10, true));
    alu->setGeometry(96, 108, 61, 41);
    panelZero = MakePanel(box, "PanelZeroFlag", QRect(204, 124, 20, 20));
    panelCarry = MakePanel(box, "PanelCarryFlag", QRect(252, 124, 20, 20));
    panelParity = MakePanel(box, "PanelParityFlag", QRect(304, 124, 20, 20));
    panelSign = MakePanel(box, "PanelSignFlag", QRect(348, 124, 20, 20));
    for (QLabel* flag : {panelZero, panelCarry, panelParity, panelSign}) {
        flag->setAlignment(Qt::AlignCenter);
    }
}

void BlockDiagram::CreateSteuerwerkBox() {
    groupBoxSteuerwerk = MakeBox(client, QStringLiteral("Steuerwerk"), "GroupBoxSteuerwerk");
    groupBoxSteuerwerk->setFont(DiagramFont(10, true));
    groupBoxSteuerwerk->setGeometry(600, 232, 309, 285);
    QWidget* box = groupBoxSteuerwerk;
    pBefehl = MakePanel(box, "PBefehl", QRect(24, 32, 250, 21));
    pBefehlRem = MakePanel(box, "PBefehlRem", QRect(24, 64, 250, 21));

    QGroupBox* microcode = MakeBox(box, QStringLiteral("Microcode"), "Microcode");
    microcode->setFont(DiagramFont(9, true));
    microcode->setGeometry(24, 104, 253, 57);
    pMicrocode = new QLabel(microcode);
    pMicrocode->setObjectName(QStringLiteral("PMicrocode"));
    pMicrocode->setFont(DiagramFont(10, true));
    pMicrocode->setStyleSheet(QStringLiteral("color: black;"));
    auto* microLayout = new QVBoxLayout(microcode);
    microLayout->setContentsMargins(8, 2, 4, 2);
    microLayout->addWidget(pMicrocode);

    MakeLabel(box, QStringLiteral("IP"), 28, 192);
    MakeLabel(box, QStringLiteral("SP"), 28, 220);
    MakeLabel(box, QStringLiteral("ISR"), 28, 248);
    pInstructionPointer = MakePanel(box, "PInstructionPointer", QRect(68, 190, 97, 21));
    eInstructionPointer = new QSpinBox(box);
    eInstructionPointer->setObjectName(QStringLiteral("EInstructionPointer"));
    // Whatever the control unit writes is shown unchanged, so the range is not clamped.
    eInstructionPointer->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    eInstructionPointer->setFont(DiagramFont(9, false));
    eInstructionPointer->setGeometry(184, 188, 61, 26);
    pStackPointer = MakePanel(box, "PStackPointer", QRect(68, 218, 97, 21));
    eStackPointer = MakePanel(box, "EStackPointer", QRect(184, 218, 61, 21));
    pInterupt = MakePanel(box, "PInterupt", QRect(68, 246, 97, 21));
    eInteruptAdr = MakePanel(box, "EInteruptAdr", QRect(184, 246, 61, 21));

    imageInterrupt = new QLabel(box);
    imageInterrupt->setObjectName(QStringLiteral("ImageInterrupt"));
    imageInterrupt->setPixmap(
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    imageInterrupt->setToolTip(QStringLiteral("Interrupt"));
    imageInterrupt->setGeometry(268, 236, 32, 32);
    CreateRunCounters();
}

void BlockDiagram::CreateRunCounters() {
    // One line between the micro-step box and the IP row, from the left edge of the panels
    // above it to the right edge of the box.
    QWidget* box = groupBoxSteuerwerk;
    const QFont labelFont = DiagramFont(8, true);
    const QFontMetrics metrics(labelFont);
    auto label = [&](const QString& text, int x) {
        auto* l = new QLabel(text, box);
        l->setFont(labelFont);
        l->setGeometry(x, 166, metrics.horizontalAdvance(text) + 2, 17);
        return l;
    };
    auto panel = [&](const char* name, int x, const QString& tip) {
        QLabel* p = MakePanel(box, name, QRect(x, 165, 0, 19));
        p->setFont(labelFont);
        // Ten digits and the blank the counters end with, inside the panel's frame.
        const QString widest = QString(kZaehlerStellen, QLatin1Char('8')) + QLatin1Char(' ');
        p->resize(QFontMetrics(p->font()).horizontalAdvance(widest) + 2 * p->frameWidth() + 4, 19);
        p->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        p->setToolTip(tip);
        return p;
    };
    QLabel* befehle = label(QStringLiteral("Befehle"), 24);
    pBefehlszaehler = panel("PBefehlszaehler", befehle->geometry().right() + 4,
                            QStringLiteral("Ausgeführte Befehle seit dem Start des Laufs"));
    QLabel* takte = label(QStringLiteral("Takte"), pBefehlszaehler->geometry().right() + 8);
    pTaktzaehler = panel("PTaktzaehler", takte->geometry().right() + 4,
                         QStringLiteral("Ausgeführte Takte (Mikroschritte) seit dem Start des "
                                        "Laufs"));
}

void BlockDiagram::ShowRunCounters(long long befehle, long long takte) {
    const QString befehleText = QString::number(befehle) + QLatin1Char(' ');
    const QString takteText = QString::number(takte) + QLatin1Char(' ');
    if (pBefehlszaehler->text() != befehleText) {
        pBefehlszaehler->setText(befehleText);
    }
    if (pTaktzaehler->text() != takteText) {
        pTaktzaehler->setText(takteText);
    }
}

void BlockDiagram::ShowEAHex(int v) {
    eaEinheit1->setText(QString::fromStdString(IntToHex0x(v)));
    eaEinheit1->setToolTip(QStringLiteral(" ") + QString::number(v));
}

void BlockDiagram::SelectRow(TOroGrid* grid, int row) {
    selectingRow_ = true;
    grid->SetRow(row);
    selectingRow_ = false;
}

void BlockDiagram::SetUpGrids() {
    // The captions come from the memory and the register file; the row heights, the fonts
    // and the first two column widths from the view in force.
    auto setUp = [](TOroGrid* grid, int lastWidth, int rows) {
        grid->SetColCount(3);
        grid->SetColWidth(2, lastWidth);
        grid->SetRowCount(rows + 1);
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QPalette pal = grid->palette();
        pal.setColor(QPalette::Text, Qt::blue);
        grid->setPalette(pal);
    };
    setUp(gridSpeicher, 321 - kSpeicherAdrBreite - kSpeicherHexBreite - 30, TRAM::kMaxCount);
    setUp(gridRegister, 205 - 35 - 70, TReg::kMaxCount);
    gridSpeicher->setItemDelegate(new MemoryCellDelegate(gridSpeicher));
}

} // namespace tovak
