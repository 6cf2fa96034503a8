// Renders the instruction dialogs, at start and with their other inputs shown, into
// <folder>/<name>.png:  tovak_dialogshots <folder>
#include "dialogs/Arithmetik.h"
#include "dialogs/InOut.h"
#include "dialogs/Jump.h"
#include "dialogs/Logik.h"
#include "dialogs/Move.h"
#include "dialogs/Shift.h"
#include "dialogs/Steuerbefehle.h"
#include "machine/Befehle.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using tovak::TFDialog0;

struct Shot {
    const char* name;
    std::function<std::unique_ptr<TFDialog0>()> make;
    int choose; // instruction to click before the shot, 0 for the start state
};

bool Save(TFDialog0& dialog, int choose, const QString& path) {
    dialog.show();
    if (QRadioButton* radio = dialog.Radio(choose)) {
        radio->click();
    }
    QApplication::processEvents();
    return dialog.grab().save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: tovak_dialogshots ORDNER\n");
        return 2;
    }
    tovak::BefehlstabellenFuellen();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    auto inOut = [](int setting) {
        return
            [setting] { return std::make_unique<tovak::TFInOut>([setting] { return setting; }); };
    };
    const Shot shots[] = {
        {"Transportbefehle", [] { return std::make_unique<tovak::TFMove>(); }, 0},
        {"Transportbefehle-Konstante",
         [] {
             auto move = std::make_unique<tovak::TFMove>();
             move->EKonstante()->SetText(QStringLiteral("65535"));
             return move;
         },
         65},
        {"Arithmetikbefehle", [] { return std::make_unique<tovak::TFArithmetik>(); }, 0},
        {"Arithmetikbefehle-Modulo", [] { return std::make_unique<tovak::TFArithmetik>(); }, 134},
        {"Logikbefehle", [] { return std::make_unique<tovak::TFLogik>(); }, 0},
        {"Logikbefehle-Konstante", [] { return std::make_unique<tovak::TFLogik>(); }, 194},
        {"Schiebebefehle", [] { return std::make_unique<tovak::TFShift>(); }, 0},
        {"Sprungbefehle", [] { return std::make_unique<tovak::TFJump>(); }, 0},
        {"Sprungbefehle-Konstante",
         [] {
             auto jump = std::make_unique<tovak::TFJump>();
             jump->EKonstante()->SetText(QStringLiteral("65535"));
             return jump;
         },
         322},
        {"EA-Befehle", inOut(0), 0},
        {"EA-Befehle-Register", inOut(2), 0},
        {"Steuerbefehle", [] { return std::make_unique<tovak::TFSteuerbefehle>(); }, 0},
        {"Steuerbefehle-GoSub", [] { return std::make_unique<tovak::TFSteuerbefehle>(); }, 452},
    };
    int failed = 0;
    for (const Shot& shot : shots) {
        const std::unique_ptr<TFDialog0> dialog = shot.make();
        const QString path = folder.filePath(QString::fromLatin1(shot.name) + ".png");
        if (!Save(*dialog, shot.choose, path)) {
            std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(path));
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
