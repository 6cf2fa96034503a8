// The command window: opened once at a time, and its requests answered by the menu items of
// the instruction groups.
#include "dialogs/BefehlsBottons.h"
#include "mainwindow/Main.h"

#include <QAction>
#include <array>

namespace tovak {

namespace {

// The "&Befehle" items in the order of the window's requests 1..7.
constexpr std::array<const char*, 7> kGruppenItems = {
    "MnTransportbefehle", "MnArithmetikbefehle", "MnLogikbefehle",  "MnSchiebebefehle",
    "MnSprungbefehle",    "MnEABefehler",        "MnSteuerbefehle",
};

} // namespace

void TFMain::MnShowBefehlsfensterClick() {
    // An open window stays as it is, not even brought to the front.
    if (befehlsBottons_ != nullptr) {
        return;
    }
    befehlsBottons_ = new TFBefehlsBottons(this);
    connect(befehlsBottons_, &TFBefehlsBottons::notify, this, &TFMain::BefehlsBottonsNotify);
    const QRect frame = frameGeometry();
    befehlsBottons_->ShowBeside(frame.top(), frame.left(), frame.width());
    SwitchBackupTimerOn();
}

void TFMain::BefehlsBottonsNotify(int code) {
    if (code == TFBefehlsBottons::kGeschlossen) {
        befehlsBottons_ = nullptr;
        return;
    }
    if (code < 1 || code > static_cast<int>(kGruppenItems.size())) {
        return;
    }
    // As the menu: a group switched off during a run does not open from here either.
    auto* item =
        findChild<QAction*>(QString::fromLatin1(kGruppenItems[static_cast<std::size_t>(code - 1)]));
    if (item != nullptr) {
        item->trigger();
    }
}

} // namespace tovak
