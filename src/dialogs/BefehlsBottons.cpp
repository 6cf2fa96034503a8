#include "dialogs/BefehlsBottons.h"

#include "dialogs/ToolWindowParts.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <array>

namespace tovak {

namespace {

struct Knopf {
    const char* name;
    const char* caption;
    int top;
};

// In the order of the notifications 1..7.
constexpr std::array<Knopf, 7> kKnoepfe = {{
    {"BnTransportbefehle", "&Transportbefehle", 20},
    {"BnArithmetik", "&Arithmetikbefehle", 56},
    {"BnLogik", "&Logikbefehle", 92},
    {"BnShift", "&Schiebebefehle", 128},
    {"BnJump", "Sprungbefehle", 164},
    {"BnInOut", "E/A Befehle", 196},
    {"BnSteuerbefehle", "Steuerbefehle", 228},
}};

constexpr int kBreite = 166;
constexpr int kHoehe = 270;
constexpr int kKnopfBreite = 125;
// What a push button needs beside its text (frame and margins of the usual styles).
constexpr int kTextRand = 14;

QRect ScreenArea(const QPoint& at) {
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Arial at 15 pixels, smaller where the installed fonts would cut a caption off.
QFont ButtonFont() {
    const QStringList families = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                  QStringLiteral("DejaVu Sans")};
    QFont font;
    for (int pixels = 15; pixels > 9; --pixels) {
        font = PixelFont(families, pixels);
        const QFontMetrics metrics(font);
        const bool fits = std::all_of(kKnoepfe.begin(), kKnoepfe.end(), [&](const Knopf& k) {
            return metrics.horizontalAdvance(
                       QString::fromUtf8(k.caption).remove(QLatin1Char('&'))) +
                       kTextRand <=
                   kKnopfBreite;
        });
        if (fits) {
            break;
        }
    }
    return font;
}

} // namespace

TFBefehlsBottons::TFBefehlsBottons(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FBefehlsBottons"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Befehlsauswahl"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(ButtonFont());
    setFixedSize(kBreite, kHoehe);

    for (std::size_t i = 0; i < kKnoepfe.size(); ++i) {
        const Knopf& k = kKnoepfe[i];
        auto* button = new QPushButton(QString::fromUtf8(k.caption), this);
        button->setObjectName(QString::fromLatin1(k.name));
        button->setGeometry(20, k.top, kKnopfBreite, 25);
        const int code = static_cast<int>(i) + 1;
        connect(button, &QPushButton::clicked, this, [this, code] { emit notify(code); });
        buttons_.push_back(button);
    }

    // Until ShowBeside places it: at the screen's right edge.
    const QRect area = ScreenArea(QPoint(0, 0));
    move(area.x() + area.width() - kBreite - 10, 100);
}

QPushButton* TFBefehlsBottons::Button(int group) const {
    if (group < 1 || group > static_cast<int>(buttons_.size())) {
        return nullptr;
    }
    return buttons_[static_cast<std::size_t>(group - 1)];
}

int TFBefehlsBottons::BesideLeft(int mainLeft, int mainWidth, int ownWidth, int screenLeft,
                                 int screenWidth) {
    const int left = mainLeft + mainWidth;
    if (screenLeft + screenWidth - ownWidth < left) {
        return screenLeft + screenWidth - ownWidth - 10;
    }
    return left;
}

void TFBefehlsBottons::ShowBeside(int mainTop, int mainLeft, int mainWidth) {
    // Only a shown window knows the width of its frame.
    show();
    const QRect area = ScreenArea(QPoint(mainLeft + mainWidth / 2, mainTop));
    move(BesideLeft(mainLeft, mainWidth, frameGeometry().width(), area.x(), area.width()), mainTop);
}

void TFBefehlsBottons::closeEvent(QCloseEvent* event) {
    event->accept();
    emit notify(kGeschlossen);
}

} // namespace tovak
