// Creation of the main window: the client area with the toolbar and the block diagram, the
// program document, and the machine objects that write into the diagram.
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/TempoControl.h"
#include "mainwindow/WindowRunView.h"
#include "util/MessageBoxes.h"
#include "widgets/OroGrid.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <algorithm>

namespace tovak {

namespace {

constexpr int kCompactHeight = 600;

} // namespace

TFMain::TFMain(int screenHeight, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QString::fromUtf8(ProgramDocument::kTitle));
    setFont(DiagramFont(8, false));
    actions_ = std::make_unique<MainActions>(*this);
    connect(actions_.get(), &MainActions::beispielGewaehlt, this, [this](const QString& path) {
        if (document_->MayDiscard()) {
            document_->Open(path);
        }
    });
    CreateClient();
    actions_->CreateMenus(menuBar());
    CreateRunStateDisplay();

    // The compact layout on small screens.
    if (screenHeight < 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenHeight = screen != nullptr ? screen->availableGeometry().height() : 768;
    }

    // The backup folder; the previous session's copies are kept aside.
    CreateDocument();

    // The machine objects writing into the diagram.
    CreateMachine();
    actions_->CreateGridPopup(diagram_->gridSpeicher);
    WatchForChanges();
    actions_->Tempo()->Steuert(*run_);

    const int menuHeight = menuBar()->sizeHint().height();
    const int statusHeight = statusBar()->sizeHint().height();
    resize(std::max(BlockDiagram::kClientWidth, actions_->Toolbar()->width()),
           BlockDiagram::kClientHeight + menuHeight + statusHeight);
    if (screenHeight <= kCompactHeight) {
        ApplyCompactLayout();
    }
    ApplySpeicherMaximal(Ini::SpeicherMaximal());
    SetEditMode(true);

    designSize_ = size();
    FitToScreen();
    ApplyZoom();
    QWidget* corner = menuBar()->cornerWidget(Qt::TopRightCorner);
    actions_->Tempo()->KeepVisible(diagram_->client->parentWidget(), statusBar(),
                                   corner != nullptr ? qobject_cast<QBoxLayout*>(corner->layout())
                                                     : nullptr);
}

// No member's end depends on another's: the tool windows hold nothing of the machine.
TFMain::~TFMain() = default;

void TFMain::CreateClient() {
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("Client"));
    // Scrolls only when the screen is smaller than the diagram (large scale factors).
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ClientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(client);
    setCentralWidget(scroll);
    client->installEventFilter(this);
    actions_->CreateToolbar(client, BlockDiagram::kClientWidth);
    diagram_ = std::make_unique<BlockDiagram>(client);
    const BlockDiagram& d = *diagram_;
    connect(d.eaEinheit2, &QSpinBox::valueChanged, this, [this] { EAEinheit2Change(); });
    connect(d.eInstructionPointer, &QSpinBox::valueChanged, this, [this] {
        ClearJournal();
        EInstructionPointerChange();
    });
    connect(d.gridSpeicher, &TOroGrid::userSelectedRow, this, &TFMain::GridSpeicherClick);
    connect(d.gridSpeicher, &TOroGrid::doubleClickedRow, this, &TFMain::GridSpeicherDblClick);
    connect(d.gridRegister, &TOroGrid::doubleClickedRow, this, &TFMain::GridRegisterDblClick);
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
    machine_ = std::make_unique<WindowMachine>(diagram_->ForMachine(), std::move(rueckrufe),
                                               std::move(encoderRueckrufe), [this](std::int64_t v) {
                                                   if (runView_ != nullptr) {
                                                       runView_->NoteEAValue(v);
                                                   }
                                               });
    runView_ = std::make_unique<WindowRunView>(*this, *diagram_, *machine_, hooks_);
    run_ = std::make_unique<RunController>(Units().steuerwerk, Units().reg, *runView_);
    ConnectRunController();
    ShowRunCounters();
    EAEinheit2Change();
    EInstructionPointerChange();
}

} // namespace tovak
