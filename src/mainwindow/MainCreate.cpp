// Creation of the main window: the block diagram's boxes, panels and bus bars, the grids
// and the machine objects that write into them.
#include "dialogs/InputValue.h"
#include "files/ProgrammText.h"
#include "mainwindow/AufgabeBereich.h"
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/MemoryCellDelegate.h"
#include "mainwindow/TempoControl.h"
#include "util/MessageBoxes.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace tovak {

namespace {

constexpr int kClientWidth = 1028;
constexpr int kClientHeight = 662;
constexpr int kCompactHeight = 580;
const char* const kFamily = "DejaVu Sans";

QFont PanelFont(int points = 9, bool bold = true) {
    QFont f(kFamily, points);
    f.setBold(bold);
    return f;
}

void StyleBox(QGroupBox* box, int points) {
    QFont f(kFamily, points);
    f.setBold(true);
    box->setFont(f);
    box->setStyleSheet(QStringLiteral("QGroupBox::title { color: #0000FF; }"));
}

} // namespace

TFMain::TFMain(int screenHeight, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFont(QFont(kFamily, 8));
    actions_ = std::make_unique<MainActions>(*this);
    connect(actions_.get(), &MainActions::beispielGewaehlt, this, [this](const QString& path) {
        if (document_->MayDiscard()) {
            document_->Open(path);
        }
    });
    CreateClient();
    actions_->CreateMenus(menuBar());
    CreateRunStateDisplay();

    // 1. Compact layout on small screens.
    if (screenHeight < 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenHeight = screen != nullptr ? screen->availableGeometry().height() : 768;
    }
    compact_ = screenHeight <= 600;

    // 2./3. Start texts and the clips.
    animation_ = std::make_unique<BusAnimation>(client_, DataFolder());
    animation_->RaiseAll();
    pBefehl_->clear();
    pBefehlRem_->clear();
    pMicrocode_->clear();
    imageInterrupt_->hide();

    // 4. The backup folder; the previous session's copies are kept aside.
    CreateDocument();

    // 5./6. Grids, then the machine objects writing into them.
    SetUpGrids();
    CreateMachine();
    actions_->CreateGridPopup(gridSpeicher_);

    // 7.
    memoRemark_->clear();
    WatchForChanges();
    actions_->Tempo()->Steuert(*run_);

    const int menuHeight = menuBar()->sizeHint().height();
    const int statusHeight = statusBar()->sizeHint().height();
    resize(std::max(kClientWidth, actions_->Toolbar()->width()),
           kClientHeight + menuHeight + statusHeight);
    if (compact_) {
        ApplyCompactLayout();
    }
    ApplySpeicherMaximal(Ini::SpeicherMaximal());
    SetEditMode(true);

    designSize_ = size();
    FitToScreen();
    ApplyZoom();
    actions_->Tempo()->KeepVisible(client_->parentWidget(), statusBar());
}

// The members go in the order their declaration gives.
TFMain::~TFMain() = default;

QLabel* TFMain::MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    panel->setFont(PanelFont());
    panel->setGeometry(geometry);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panel;
}

QLabel* TFMain::MakeLabel(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setFont(PanelFont());
    label->adjustSize();
    label->move(x, y);
    return label;
}

QFrame* TFMain::MakeBar(const char* name, const QRect& geometry) {
    auto* bar = new QFrame(client_);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    bar->setPalette(pal);
    bar->setGeometry(geometry);
    return bar;
}

void TFMain::CreateClient() {
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("Client"));
    // Scrolls only when the screen is smaller than the diagram (large scale factors).
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ClientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(client_);
    setCentralWidget(scroll);
    client_->installEventFilter(this);
    actions_->CreateToolbar(client_, kClientWidth);
    CreateBusBars();
    CreateEABox();
    CreateSpeicherBox();
    CreateRegisterBox();
    CreateRechenwerkBox();
    CreateSteuerwerkBox();

    lDatenbus_ = MakeLabel(client_, QStringLiteral("Datenbus"), 216, 132);
    lDatenbus_->setObjectName(QStringLiteral("LDatenbus"));
    pDatenBus_ = MakePanel(client_, "PDatenBus", QRect(288, 130, 81, 21));
    labelAdressbus_ = MakeLabel(client_, QStringLiteral("Adressbus"), 532, 620);
    labelAdressbus_->setObjectName(QStringLiteral("LabelAdressbus"));
    pAdressBus_ = MakePanel(client_, "PAdressBus", QRect(608, 618, 49, 21));

    memoRemark_ = new QPlainTextEdit(client_);
    memoRemark_->setObjectName(QStringLiteral("MemoRemark"));
    memoRemark_->hide();
}

void TFMain::CreateBusBars() {
    // Data bus along the top: I/O unit and memory on the left, a long vertical bar down
    // the middle with stubs to the arithmetic unit, the control unit and the registers.
    barEAspeicher_ = MakeBar("ImageEASpeicher", QRect(103, 101, 6, 107));
    barDatenLinks_ = MakeBar("ImageDatenbusLinks", QRect(103, 156, 277, 6));
    MakeBar("ImageDatenbusRechts", QRect(380, 156, 208, 6));
    image9_ = MakeBar("Image9", QRect(582, 95, 6, 254));
    MakeBar("ImageRechenwerk", QRect(582, 95, 18, 6));
    MakeBar("ImageSteuerwerk", QRect(582, 257, 18, 6));
    regDataBars_ = {MakeBar("ImageRegisterDaten", QRect(447, 343, 141, 6)),
                    MakeBar("ImageRegisterDatenSenkrecht", QRect(447, 343, 6, 37))};
    // Address bus along the bottom.
    adressBars_ = {MakeBar("ImageAdressbus", QRect(227, 645, 456, 6)),
                   MakeBar("ImageAdressSpeicher", QRect(227, 592, 6, 59)),
                   MakeBar("ImageAdressRegister", QRect(419, 597, 6, 54)),
                   MakeBar("ImageAdressSteuerwerk", QRect(677, 517, 6, 134))};
}

void TFMain::CreateEABox() {
    groupBoxEA_ = new QGroupBox(QStringLiteral("E/A Einheit"), client_);
    groupBoxEA_->setObjectName(QStringLiteral("GroupBoxEA_Einheit"));
    StyleBox(groupBoxEA_, 10);
    groupBoxEA_->setGeometry(12, 44, 217, 57);
    eaEinheit1_ = MakePanel(groupBoxEA_, "EAEinheit1", QRect(8, 22, 129, 25));
    eaEinheit1_->setFont(PanelFont(10));
    eaEinheit2_ = new QSpinBox(groupBoxEA_);
    eaEinheit2_->setObjectName(QStringLiteral("EAEinheit2"));
    eaEinheit2_->setRange(0, 65535);
    eaEinheit2_->setFont(PanelFont(9, false));
    eaEinheit2_->setGeometry(144, 20, 61, 28);
    connect(eaEinheit2_, &QSpinBox::valueChanged, this, [this] { EAEinheit2Change(); });
}

void TFMain::CreateSpeicherBox() {
    groupBoxSpeicher_ = new QGroupBox(QStringLiteral("Speicher"), client_);
    groupBoxSpeicher_->setObjectName(QStringLiteral("GroupBoxSpeicher"));
    StyleBox(groupBoxSpeicher_, 11);
    groupBoxSpeicher_->setGeometry(8, 208, 321, 384);
    gridSpeicher_ = new TOroGrid(groupBoxSpeicher_);
    gridSpeicher_->setObjectName(QStringLiteral("GridSpeicher"));
    auto* layout = new QVBoxLayout(groupBoxSpeicher_);
    layout->setContentsMargins(2, 4, 2, 2);
    layout->addWidget(gridSpeicher_);
}

void TFMain::CreateRegisterBox() {
    groupBoxRegister_ = new QGroupBox(QStringLiteral("Register"), client_);
    groupBoxRegister_->setObjectName(QStringLiteral("GroupBoxRegister"));
    StyleBox(groupBoxRegister_, 10);
    groupBoxRegister_->setGeometry(340, 380, 205, 217);
    gridRegister_ = new TOroGrid(groupBoxRegister_);
    gridRegister_->setObjectName(QStringLiteral("GridRegister"));
    auto* layout = new QVBoxLayout(groupBoxRegister_);
    layout->setContentsMargins(2, 4, 2, 2);
    layout->addWidget(gridRegister_);
}

void TFMain::CreateRechenwerkBox() {
    groupBoxRechenwerk_ = new QGroupBox(QStringLiteral("Rechenwerk"), client_);
    groupBoxRechenwerk_->setObjectName(QStringLiteral("GroupBoxRechenwerk"));
    StyleBox(groupBoxRechenwerk_, 10);
    groupBoxRechenwerk_->setGeometry(600, 36, 393, 157);
    rechenwerkCreated_ = groupBoxRechenwerk_->geometry();
    QWidget* box = groupBoxRechenwerk_;
    MakeLabel(box, QStringLiteral("Akku"), 16, 32);
    MakeLabel(box, QStringLiteral("Operand"), 156, 34);
    for (const auto& [caption, x] : {std::pair{"Z-Flag", 196}, std::pair{"C-Flag", 244},
                                     std::pair{"P-Flag", 296}, std::pair{"S-Flag", 340}}) {
        QLabel* label = MakeLabel(box, QString::fromLatin1(caption), x, 104);
        label->setFont(PanelFont(8));
        label->adjustSize();
    }
    panelAkku_ = MakePanel(box, "PanelAkku", QRect(16, 52, 85, 21));
    panelOperand_ = MakePanel(box, "PanelOpearand", QRect(156, 52, 85, 21));
    auto* alu = new QLabel(QStringLiteral("ALU"), box);
    alu->setObjectName(QStringLiteral("Panel5"));
    alu->setFrameStyle(QFrame::Panel | QFrame::Raised);
    alu->setLineWidth(2);
    alu->setAlignment(Qt::AlignCenter);
    alu->setFont(PanelFont(10));
    alu->setGeometry(96, 108, 61, 41);
    panelZero_ = MakePanel(box, "PanelZeroFlag", QRect(204, 124, 20, 20));
    panelCarry_ = MakePanel(box, "PanelCarryFlag", QRect(252, 124, 20, 20));
    panelParity_ = MakePanel(box, "PanelParityFlag", QRect(304, 124, 20, 20));
    panelSign_ = MakePanel(box, "PanelSignFlag", QRect(348, 124, 20, 20));
    for (QLabel* flag : {panelZero_, panelCarry_, panelParity_, panelSign_}) {
        flag->setAlignment(Qt::AlignCenter);
    }
}

void TFMain::CreateSteuerwerkBox() {
    groupBoxSteuerwerk_ = new QGroupBox(QStringLiteral("Steuerwerk"), client_);
    groupBoxSteuerwerk_->setObjectName(QStringLiteral("GroupBoxSteuerwerk"));
    StyleBox(groupBoxSteuerwerk_, 10);
    groupBoxSteuerwerk_->setGeometry(600, 232, 309, 285);
    QWidget* box = groupBoxSteuerwerk_;
    pBefehl_ = MakePanel(box, "PBefehl", QRect(24, 32, 250, 21));
    pBefehlRem_ = MakePanel(box, "PBefehlRem", QRect(24, 64, 250, 21));

    microcode_ = new QGroupBox(QStringLiteral("Microcode"), box);
    microcode_->setObjectName(QStringLiteral("Microcode"));
    StyleBox(microcode_, 9);
    microcode_->setGeometry(24, 104, 253, 57);
    pMicrocode_ = new QLabel(microcode_);
    pMicrocode_->setObjectName(QStringLiteral("PMicrocode"));
    pMicrocode_->setFont(PanelFont(10));
    pMicrocode_->setStyleSheet(QStringLiteral("color: black;"));
    auto* microLayout = new QVBoxLayout(microcode_);
    microLayout->setContentsMargins(8, 2, 4, 2);
    microLayout->addWidget(pMicrocode_);

    MakeLabel(box, QStringLiteral("IP"), 28, 192);
    MakeLabel(box, QStringLiteral("SP"), 28, 220);
    MakeLabel(box, QStringLiteral("ISR"), 28, 248);
    pInstructionPointer_ = MakePanel(box, "PInstructionPointer", QRect(68, 190, 97, 21));
    eInstructionPointer_ = new QSpinBox(box);
    eInstructionPointer_->setObjectName(QStringLiteral("EInstructionPointer"));
    // Whatever the control unit writes is shown unchanged, so the range is not clamped.
    eInstructionPointer_->setRange(std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max());
    eInstructionPointer_->setFont(PanelFont(9, false));
    eInstructionPointer_->setGeometry(184, 188, 61, 26);
    connect(eInstructionPointer_, &QSpinBox::valueChanged, this, [this] {
        ClearJournal();
        EInstructionPointerChange();
    });
    pStackPointer_ = MakePanel(box, "PStackPointer", QRect(68, 218, 97, 21));
    eStackPointer_ = MakePanel(box, "EStackPointer", QRect(184, 218, 61, 21));
    pInterupt_ = MakePanel(box, "PInterupt", QRect(68, 246, 97, 21));
    eInteruptAdr_ = MakePanel(box, "EInteruptAdr", QRect(184, 246, 61, 21));

    imageInterrupt_ = new QLabel(box);
    imageInterrupt_->setObjectName(QStringLiteral("ImageInterrupt"));
    imageInterrupt_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    imageInterrupt_->setToolTip(QStringLiteral("Interrupt"));
    imageInterrupt_->setGeometry(268, 236, 32, 32);
    CreateRunCounters();
}

void TFMain::SetUpGrids() {
    // The captions come from the memory and the register file (CreateMachine).
    auto setUp = [](TOroGrid* grid, const std::vector<int>& widths, int rows, int rowHeight) {
        grid->SetColCount(static_cast<int>(widths.size()));
        for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
            grid->SetColWidth(c, widths[static_cast<std::size_t>(c)]);
        }
        grid->SetRowCount(rows + 1);
        grid->SetDefaultRowHeight(rowHeight);
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QPalette pal = grid->palette();
        pal.setColor(QPalette::Text, Qt::blue);
        grid->setPalette(pal);
    };
    QFont gridFont(kFamily, 9);
    gridSpeicher_->setFont(gridFont);
    gridRegister_->setFont(gridFont);
    setUp(gridSpeicher_,
          {kSpeicherAdrBreite, kSpeicherHexBreite,
           321 - kSpeicherAdrBreite - kSpeicherHexBreite - 30},
          TRAM::kMaxCount, 20);
    setUp(gridRegister_, {35, 70, 205 - 35 - 70}, TReg::kMaxCount, 20);
    gridSpeicher_->setItemDelegate(new MemoryCellDelegate(gridSpeicher_));

    connect(gridSpeicher_, &TOroGrid::userSelectedRow, this, &TFMain::GridSpeicherClick);
    connect(gridSpeicher_, &TOroGrid::doubleClickedRow, this, &TFMain::GridSpeicherDblClick);
    connect(gridRegister_, &TOroGrid::doubleClickedRow, this, &TFMain::GridRegisterDblClick);
}

void TFMain::CreateMachine() {
    SteuerwerkRueckrufe rueckrufe;
    rueckrufe.ipGeaendert = [this](int) { EInstructionPointerChange(); };
    rueckrufe.zahlEingeben = [this] { return run_->AskNumberInput(); };
    rueckrufe.fehlerBox = [](const std::string& caption, const std::string& message) {
        ShowErrorBox(caption, message);
    };
    EncoderRueckrufe encoderRueckrufe;
    encoderRueckrufe.sicherungSchreiben = [this] { backups_->Write(); };
    machine_ = std::make_unique<WindowMachine>(
        MachineWidgets{gridSpeicher_, gridRegister_, pDatenBus_, pAdressBus_, eaEinheit2_,
                       panelAkku_, panelOperand_, panelZero_, panelCarry_, panelParity_, panelSign_,
                       eInstructionPointer_, eStackPointer_, pStackPointer_, eInteruptAdr_,
                       pInterupt_, pMicrocode_, pBefehl_, pBefehlRem_},
        std::move(rueckrufe), std::move(encoderRueckrufe), [this](std::int64_t v) {
            if (v >= 0 && v <= 255) {
                eaHexPending_ = static_cast<int>(v);
            }
        });
    Maschine& m = machine_->Units();
    speicher_ = &m.speicher;
    register_ = &m.reg;
    datenbus_ = &m.datenbus;
    adressbus_ = &m.adressbus;
    eaEinheit_ = &m.ea;
    rechenwerk_ = &m.rechenwerk;
    steuerwerk_ = &m.steuerwerk;
    encoder_ = &machine_->Encoder();
    run_ = std::make_unique<RunController>(*steuerwerk_, *register_, static_cast<RunView&>(*this));
    ConnectRunController();
    ShowRunCounters();
    EAEinheit2Change();
    EInstructionPointerChange();
}

} // namespace tovak
