// The arrangements of the block diagram: compact (small screens), maximal memory, memory
// fitted to the window height, and the enlarged view for the projector.
#include "machine/Befehle.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/TempoControl.h"
#include "widgets/Animate.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>

namespace tovak {

namespace {

constexpr int kCompactWindowHeight = 580;
constexpr int kSpeicherTop = 208;
constexpr int kSpeicherHeight = 384;
constexpr int kSpeicherWidth = 321;
constexpr int kRegisterTop = 380;
const char* const kFamily = "DejaVu Sans";

void SetBoxFont(QGroupBox* box, int points) {
    QFont f(kFamily, points);
    f.setBold(true);
    box->setFont(f);
}

void SetWidgetFont(QWidget* w, int points, bool bold) {
    QFont f(kFamily, points);
    f.setBold(bold);
    w->setFont(f);
}

void MoveBy(QWidget* w, int dy) {
    w->move(w->x(), w->y() + dy);
}

// The contents of the arithmetic-unit box grow with it in the enlarged view.
constexpr double kRechenwerkGross = 1.25;
constexpr int kRechenwerkGrossTop = 72;
constexpr int kRegisterGrossTop = kRechenwerkGrossTop + 204;
const char* const kNormalGeometry = "tovakNormalGeometry";
const char* const kNormalFont = "tovakNormalFont";

// Scales the geometry and font of the box's own controls against the normal view; 1 puts
// them back.
void ScaleContents(QWidget* box, double factor) {
    for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->property(kNormalGeometry).isValid()) {
            child->setProperty(kNormalGeometry, child->geometry());
            child->setProperty(kNormalFont, child->font());
        }
        const QRect normal = child->property(kNormalGeometry).toRect();
        QFont font = child->property(kNormalFont).value<QFont>();
        if (factor != 1.0) {
            font.setPointSizeF(font.pointSizeF() * factor);
        }
        child->setFont(font);
        child->setGeometry(
            QRect(QPoint(qRound(normal.x() * factor), qRound(normal.y() * factor)),
                  QSize(qRound(normal.width() * factor), qRound(normal.height() * factor))));
    }
}

// Wide enough for the address, the hex value and every instruction name in bold (the
// colours and the selection draw bold), with the scroll bar beside them.
int SpeicherBreiteFuer(const TOroGrid* grid) {
    QFont bold = grid->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = metrics.horizontalAdvance(QStringLiteral(" Befehl / Daten"));
    for (const std::string& name : Befehlsnamen) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(name)));
    }
    const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    // Text inset and a little air in the name column, the grid frame, the box margins.
    return grid->ColWidth(0) + grid->ColWidth(1) + widest + 16 + scrollBar +
           2 * grid->frameWidth() + 8;
}

} // namespace

int TFMain::ClientHeight() {
    // Before the window is first shown its layout has not placed the client area yet.
    if (layout() != nullptr) {
        layout()->activate();
    }
    return client_->height();
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && !zooming_ && actions_ != nullptr &&
        actions_->ResizeRamChecked()) {
        Unzoomed([this] { PlaceSpeicherBox(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFMain::PlaceSpeicherBox() {
    if (IsEnlargedView()) {
        return;
    }
    const int belowEA = groupBoxEA_->geometry().bottom() + 1 + 20;
    if (actions_->ResizeRamChecked()) {
        // Placed at 100 %: the height the zoomed window has, at that size.
        const int height = qRound(ClientHeight() / (Ini::Zoom() / 100.0));
        groupBoxSpeicher_->setGeometry(8, belowEA, 305, std::max(100, height - belowEA - 30));
        return;
    }
    int top = compact_ ? kSpeicherTop - 30 : kSpeicherTop;
    int height = compact_ ? kSpeicherHeight - 60 : kSpeicherHeight;
    if (speicherMaximalInForce_) {
        height += belowEA;
        top = belowEA;
        // On a compact screen the grown box ends with the register box, inside the window.
        // (The laid-out client height is no measure: before the window is first shown the
        // client area has no size yet.)
        if (compact_) {
            height = std::min(height, groupBoxRegister_->geometry().bottom() + 1 - top);
        }
    }
    groupBoxSpeicher_->setGeometry(8, top, kSpeicherWidth, height);
}

void TFMain::PlaceRegisterBox() {
    groupBoxRegister_->setGeometry(340, compact_ ? kRegisterTop - 90 : kRegisterTop, 205, 217);
}

void TFMain::ApplyCompactLayout() {
    image9_->resize(image9_->width(), image9_->height() - 70);
    // The register box moves up into the bus drawing; its data-bus stub goes with it.
    for (QFrame* bar : regDataBars_) {
        MoveBy(bar, -90);
    }
    for (const char* name : {"m_Reg_Db", "m_Reg_Read", "m_Reg_Write"}) {
        if (TAnimate* control = animation_->Control(QString::fromLatin1(name))) {
            MoveBy(control, -90);
        }
    }
    barEAspeicher_->resize(barEAspeicher_->width(), barEAspeicher_->height() - 30);
    QFont registerFont = gridRegister_->font();
    registerFont.setPointSize(9);
    gridRegister_->setFont(registerFont);
    PlaceRegisterBox();
    labelAdressbus_->hide();
    pAdressBus_->hide();
    for (QFrame* bar : adressBars_) {
        bar->hide();
    }
    animation_->SetAddressBusVisible(false);
    actions_->Toolbar()->resize(actions_->Toolbar()->width(), 30);
    ShowRunStateInMenuBar();
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), kCompactWindowHeight - (frame > 0 ? frame : 28));
    PlaceSpeicherBox();
}

void TFMain::ApplySpeicherMaximal(bool on) {
    if (on == speicherMaximalInForce_) {
        return;
    }
    Unzoomed([this, on] {
        speicherMaximalInForce_ = on;
        const bool show = !on;
        animation_->SetTopLeftDataBusVisible(show);
        for (QWidget* w : std::initializer_list<QWidget*>{barEAspeicher_, barDatenLinks_,
                                                          lDatenbus_, pDatenBus_}) {
            w->setVisible(show);
        }
        PlaceSpeicherBox();
    });
}

void TFMain::LkResizeRamClick() {
    Unzoomed([this] { PlaceSpeicherBox(); });
}

void TFMain::MnShowNormaldarstellungClick() {
    if (actions_->NormaldarstellungChecked()) {
        ShowNormalView();
        ApplyZoom();
    } else {
        // The enlarged view keeps its own sizes, at any zoom.
        zooming_ = true;
        zoom_.Restore();
        actions_->Tempo()->SetZoom(1.0);
        ShowEnlargedView();
        zooming_ = false;
    }
}

void TFMain::ShowEnlargedView() {
    if (IsEnlargedView()) {
        return;
    }
    const int top = actions_->Toolbar()->isVisible() ? actions_->Toolbar()->height() : 0;
    enlargedPanel_ = new QWidget(client_);
    enlargedPanel_->setObjectName(QStringLiteral("PanelGross"));
    enlargedPanel_->setAutoFillBackground(true);
    enlargedPanel_->setGeometry(0, top, client_->width(), client_->height() - top);
    auto* layout = new QHBoxLayout(enlargedPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    enlargedSplitter_ = new QSplitter(Qt::Horizontal, enlargedPanel_);
    enlargedSplitter_->setObjectName(QStringLiteral("SplitterGross"));
    enlargedSplitter_->setHandleWidth(4);
    enlargedSplitter_->setStyleSheet(QStringLiteral("QSplitter::handle { background: blue; }"));
    layout->addWidget(enlargedSplitter_);

    enlargedSplitter_->addWidget(groupBoxSpeicher_);
    SetBoxFont(groupBoxSpeicher_, 18);
    SetWidgetFont(gridSpeicher_, 14, false);
    gridSpeicher_->SetDefaultRowHeight(24);
    // The address and hex columns must grow with the font, or "3999" and "0x0000" are cut.
    const QFontMetrics metrics(gridSpeicher_->font());
    gridSpeicher_->SetColWidth(0, metrics.horizontalAdvance(QStringLiteral(" 3999")) + 18);
    gridSpeicher_->SetColWidth(1, metrics.horizontalAdvance(QStringLiteral(" 0x0000")) + 18);

    auto* right = new QWidget;
    right->setObjectName(QStringLiteral("PanelGrossRechts"));
    enlargedSplitter_->addWidget(right);
    enlargedSplitter_->setStretchFactor(0, 0);
    enlargedSplitter_->setStretchFactor(1, 1);

    groupBoxEA_->setParent(right);
    groupBoxEA_->setGeometry(48, 8, 269, 57);
    SetBoxFont(groupBoxEA_, 11);
    SetWidgetFont(eaEinheit1_, 14, true);
    SetWidgetFont(eaEinheit2_, 13, false);
    eaEinheit1_->setGeometry(8, 20, 137, 30);
    eaEinheit2_->setGeometry(167, 15, 81, 36);

    groupBoxRechenwerk_->setParent(right);
    ScaleContents(groupBoxRechenwerk_, kRechenwerkGross);
    SetBoxFont(groupBoxRechenwerk_, 16);
    groupBoxRechenwerk_->setGeometry(24, kRechenwerkGrossTop,
                                     qRound(rechenwerkCreated_.width() * kRechenwerkGross),
                                     qRound(rechenwerkCreated_.height() * kRechenwerkGross));

    groupBoxRegister_->setParent(right);
    groupBoxRegister_->setGeometry(12, kRegisterGrossTop, 337, 345);
    SetWidgetFont(gridRegister_, 14, false);
    gridRegister_->SetDefaultRowHeight(28);
    gridRegister_->SetColWidth(0, 75);
    gridRegister_->SetColWidth(1, 100);

    for (QWidget* box : std::initializer_list<QWidget*>{groupBoxEA_, groupBoxRechenwerk_,
                                                        groupBoxRegister_, groupBoxSpeicher_}) {
        box->show();
    }
    enlargedPanel_->show();
    enlargedPanel_->raise();
    layout->activate();
    // Whole instruction names rather than the 353 pixels of a smaller font.
    const int speicher = std::max(353, SpeicherBreiteFuer(gridSpeicher_));
    enlargedSplitter_->setSizes({speicher, std::max(100, enlargedPanel_->width() - speicher - 4)});
}

void TFMain::ShowNormalView() {
    if (!IsEnlargedView()) {
        return;
    }
    for (QWidget* box : std::initializer_list<QWidget*>{groupBoxSpeicher_, groupBoxEA_,
                                                        groupBoxRechenwerk_, groupBoxRegister_}) {
        box->setParent(client_);
    }
    SetBoxFont(groupBoxSpeicher_, 11);
    SetWidgetFont(gridSpeicher_, 9, false);
    gridSpeicher_->SetDefaultRowHeight(20);
    gridSpeicher_->SetColWidth(0, kSpeicherAdrBreite);
    gridSpeicher_->SetColWidth(1, kSpeicherHexBreite);

    groupBoxEA_->setGeometry(12, 44, 217, 57);
    SetBoxFont(groupBoxEA_, 10);
    SetWidgetFont(eaEinheit1_, 10, true);
    SetWidgetFont(eaEinheit2_, 9, false);
    eaEinheit1_->setGeometry(8, 22, 129, 25);
    eaEinheit2_->setGeometry(144, 20, 61, 28);

    // Back to the size it was created with, so the sign flag stays inside the box.
    groupBoxRechenwerk_->setGeometry(rechenwerkCreated_);
    SetBoxFont(groupBoxRechenwerk_, 10);
    ScaleContents(groupBoxRechenwerk_, 1.0);

    SetBoxFont(groupBoxRegister_, 10);
    SetWidgetFont(gridRegister_, 9, false);
    gridRegister_->SetDefaultRowHeight(20);
    gridRegister_->SetColWidth(0, 35);
    gridRegister_->SetColWidth(1, 70);
    PlaceRegisterBox();

    delete enlargedPanel_;
    enlargedPanel_ = nullptr;
    enlargedSplitter_ = nullptr;
    PlaceSpeicherBox();
    for (QWidget* box : std::initializer_list<QWidget*>{groupBoxSpeicher_, groupBoxEA_,
                                                        groupBoxRechenwerk_, groupBoxRegister_}) {
        box->show();
    }
    // The clips sit on top of the boxes' edges.
    animation_->RaiseAll();
}

} // namespace tovak
