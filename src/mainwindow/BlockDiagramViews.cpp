// The arrangements of the block diagram: the normal view, the compact one for small screens
// (moves applied to the normal one), maximal memory, memory fitted to the window height,
// and the enlarged view for the projector. Each view is a table of widget, rectangle and
// font.
#include "machine/Befehle.h"
#include "mainwindow/BlockDiagram.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>

namespace tovak {

namespace {

constexpr int kSpeicherTop = 208;
constexpr int kSpeicherHeight = 384;
constexpr int kSpeicherWidth = 321;
constexpr int kRegisterTop = 380;
constexpr QRect kRechenwerk(600, 36, 393, 157);

// The contents of the arithmetic-unit box grow with it in the enlarged view.
constexpr double kRechenwerkGross = 1.25;
constexpr int kRechenwerkGrossTop = 72;
constexpr int kRegisterGrossTop = kRechenwerkGrossTop + 204;
const char* const kNormalGeometry = "tovakNormalGeometry";
const char* const kNormalFont = "tovakNormalFont";

// Where a widget stands in a view, found by its object name: a null rectangle keeps its
// place, zero points its font.
struct Place {
    const char* name;
    QRect rect;
    int points;
    bool bold;
};

// A grid's row height and the widths of its address and value columns.
struct GridPlace {
    int rowHeight;
    int adrWidth;
    int valueWidth;
};

const std::vector<Place>& NormalView() {
    static const std::vector<Place> places = {
        {"GroupBoxSpeicher", {}, 11, true},
        {"GridSpeicher", {}, 9, false},
        {"GroupBoxEA_Einheit", {12, 44, 217, 57}, 10, true},
        {"EAEinheit1", {8, 22, 129, 25}, 10, true},
        {"EAEinheit2", {144, 20, 61, 28}, 9, false},
        {"GroupBoxRechenwerk", kRechenwerk, 10, true},
        {"GroupBoxRegister", {}, 10, true},
        {"GridRegister", {}, 9, false},
    };
    return places;
}

const std::vector<Place>& EnlargedView() {
    static const std::vector<Place> places = {
        {"GroupBoxSpeicher", {}, 18, true},
        {"GridSpeicher", {}, 14, false},
        {"GroupBoxEA_Einheit", {48, 8, 269, 57}, 11, true},
        {"EAEinheit1", {8, 20, 137, 30}, 14, true},
        {"EAEinheit2", {167, 15, 81, 36}, 13, false},
        {"GroupBoxRechenwerk",
         {24, kRechenwerkGrossTop, qRound(kRechenwerk.width() * kRechenwerkGross),
          qRound(kRechenwerk.height() * kRechenwerkGross)},
         16,
         true},
        {"GroupBoxRegister", {12, kRegisterGrossTop, 337, 345}, 0, true},
        {"GridRegister", {}, 14, false},
    };
    return places;
}

constexpr GridPlace kSpeicherNormal{20, BlockDiagram::kSpeicherAdrBreite,
                                    BlockDiagram::kSpeicherHexBreite};
constexpr GridPlace kRegisterNormal{20, 35, 70};
constexpr GridPlace kRegisterGross{28, 75, 100};

// The compact view: moves of the normal one by name, in pixels (the register box moves up
// into the bus drawing, its data-bus stub and clips go with it).
struct Move {
    const char* name;
    int dy;
    int dHeight;
};
constexpr Move kCompactMoves[] = {
    {"Image9", 0, -70},
    {"ImageRegisterDaten", -90, 0},
    {"ImageRegisterDatenSenkrecht", -90, 0},
    {"m_Reg_Db", -90, 0},
    {"m_Reg_Read", -90, 0},
    {"m_Reg_Write", -90, 0},
    {"ImageEASpeicher", 0, -30},
};
constexpr int kCompactSpeicherUp = 30;
constexpr int kCompactSpeicherShorter = 60;
constexpr int kCompactRegisterUp = 90;
// The address bus has no room on a compact screen.
constexpr const char* kAdressbus[] = {"LabelAdressbus",      "PAdressBus",
                                      "ImageAdressbus",      "ImageAdressSpeicher",
                                      "ImageAdressRegister", "ImageAdressSteuerwerk"};
// Maximal memory takes the place of the data bus at the top left.
constexpr const char* kDatenbusLinks[] = {"ImageEASpeicher", "ImageDatenbusLinks", "LDatenbus",
                                          "PDatenBus"};

QWidget* Named(const QWidget* client, const char* name) {
    return client->findChild<QWidget*>(QString::fromLatin1(name));
}

void Apply(const QWidget* client, const std::vector<Place>& places) {
    for (const Place& place : places) {
        QWidget* w = Named(client, place.name);
        if (place.points > 0) {
            w->setFont(DiagramFont(place.points, place.bold));
        }
        if (!place.rect.isNull()) {
            w->setGeometry(place.rect);
        }
    }
}

void Apply(TOroGrid* grid, const GridPlace& place) {
    grid->SetDefaultRowHeight(place.rowHeight);
    grid->SetColWidth(0, place.adrWidth);
    grid->SetColWidth(1, place.valueWidth);
}

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

void BlockDiagram::ApplyNormalView() {
    Apply(client, NormalView());
    Apply(gridSpeicher, kSpeicherNormal);
    Apply(gridRegister, kRegisterNormal);
    PlaceRegisterBox();
}

void BlockDiagram::PlaceRegisterBox() {
    groupBoxRegister->setGeometry(340, compact_ ? kRegisterTop - kCompactRegisterUp : kRegisterTop,
                                  205, 217);
}

void BlockDiagram::PlaceSpeicherBox(int fitHeight) {
    if (IsEnlarged()) {
        return;
    }
    const int belowEA = groupBoxEA->geometry().bottom() + 1 + 20;
    if (fitHeight >= 0) {
        groupBoxSpeicher->setGeometry(8, belowEA, 305, std::max(100, fitHeight - belowEA - 30));
        return;
    }
    int top = compact_ ? kSpeicherTop - kCompactSpeicherUp : kSpeicherTop;
    int height = compact_ ? kSpeicherHeight - kCompactSpeicherShorter : kSpeicherHeight;
    if (speicherMaximal_) {
        height += belowEA;
        top = belowEA;
        // On a compact screen the grown box ends with the register box, inside the window.
        // (The laid-out client height is no measure: before the window is first shown the
        // client area has no size yet.)
        if (compact_) {
            height = std::min(height, groupBoxRegister->geometry().bottom() + 1 - top);
        }
    }
    groupBoxSpeicher->setGeometry(8, top, kSpeicherWidth, height);
}

void BlockDiagram::ApplyCompact() {
    compact_ = true;
    for (const Move& move : kCompactMoves) {
        QWidget* w = Named(client, move.name);
        if (w == nullptr) {
            continue; // a clip that is missing
        }
        w->setGeometry(w->x(), w->y() + move.dy, w->width(), w->height() + move.dHeight);
    }
    PlaceRegisterBox();
    for (const char* name : kAdressbus) {
        Named(client, name)->hide();
    }
    animation_->SetAddressBusVisible(false);
}

void BlockDiagram::SetSpeicherMaximal(bool on) {
    speicherMaximal_ = on;
    animation_->SetTopLeftDataBusVisible(!on);
    for (const char* name : kDatenbusLinks) {
        Named(client, name)->setVisible(!on);
    }
}

void BlockDiagram::ShowEnlarged(int top) {
    if (IsEnlarged()) {
        return;
    }
    enlargedPanel_ = new QWidget(client);
    enlargedPanel_->setObjectName(QStringLiteral("PanelGross"));
    enlargedPanel_->setAutoFillBackground(true);
    enlargedPanel_->setGeometry(0, top, client->width(), client->height() - top);
    auto* layout = new QHBoxLayout(enlargedPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    enlargedSplitter_ = new QSplitter(Qt::Horizontal, enlargedPanel_);
    enlargedSplitter_->setObjectName(QStringLiteral("SplitterGross"));
    enlargedSplitter_->setHandleWidth(4);
    enlargedSplitter_->setStyleSheet(QStringLiteral("QSplitter::handle { background: blue; }"));
    layout->addWidget(enlargedSplitter_);
    enlargedSplitter_->addWidget(groupBoxSpeicher);

    auto* right = new QWidget;
    right->setObjectName(QStringLiteral("PanelGrossRechts"));
    enlargedSplitter_->addWidget(right);
    enlargedSplitter_->setStretchFactor(0, 0);
    enlargedSplitter_->setStretchFactor(1, 1);
    for (QWidget* box : {groupBoxEA, groupBoxRechenwerk, groupBoxRegister}) {
        box->setParent(right);
    }
    ScaleContents(groupBoxRechenwerk, kRechenwerkGross);
    Apply(client, EnlargedView());
    // The address and hex columns must grow with the font, or "3999" and "0x0000" are cut.
    const QFontMetrics metrics(gridSpeicher->font());
    Apply(gridSpeicher, {24, metrics.horizontalAdvance(QStringLiteral(" 3999")) + 18,
                         metrics.horizontalAdvance(QStringLiteral(" 0x0000")) + 18});
    Apply(gridRegister, kRegisterGross);

    for (QWidget* box : {groupBoxEA, groupBoxRechenwerk, groupBoxRegister, groupBoxSpeicher}) {
        box->show();
    }
    enlargedPanel_->show();
    enlargedPanel_->raise();
    layout->activate();
    // Whole instruction names rather than the 353 pixels of a smaller font.
    const int speicher = std::max(353, SpeicherBreiteFuer(gridSpeicher));
    enlargedSplitter_->setSizes({speicher, std::max(100, enlargedPanel_->width() - speicher - 4)});
}

void BlockDiagram::ShowNormal() {
    if (!IsEnlarged()) {
        return;
    }
    for (QWidget* box : {groupBoxSpeicher, groupBoxEA, groupBoxRechenwerk, groupBoxRegister}) {
        box->setParent(client);
    }
    ApplyNormalView();
    // Back to the size it was created with, so the sign flag stays inside the box.
    ScaleContents(groupBoxRechenwerk, 1.0);

    delete enlargedPanel_;
    enlargedPanel_ = nullptr;
    enlargedSplitter_ = nullptr;
    for (QWidget* box : {groupBoxSpeicher, groupBoxEA, groupBoxRechenwerk, groupBoxRegister}) {
        box->show();
    }
    // The clips sit on top of the boxes' edges.
    animation_->RaiseAll();
}

} // namespace tovak
