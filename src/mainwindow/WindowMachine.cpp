// The units of the window's machine, each made once with the adapter that shows it.
#include "mainwindow/WindowMachine.h"

#include "dialogs/Ausgabe.h"
#include "widgets/OroGrid.h"

namespace tovak {

ValueDisplay& WindowMachine::Label(QLabel* widget, TextFunktion text, TextFunktion hint) {
    displays_.push_back(std::make_unique<LabelDisplay>(widget, text, hint));
    return *displays_.back();
}

ValueDisplay& WindowMachine::DecimalHex(QLabel* decimal, QLabel* hex) {
    displays_.push_back(std::make_unique<DecimalHexDisplay>(decimal, hex));
    return *displays_.back();
}

WindowMachine::WindowMachine(const MachineWidgets& w, SteuerwerkRueckrufe rueckrufe,
                             EncoderRueckrufe encoderRueckrufe,
                             std::function<void(std::int64_t)> eaSeenWhileOff) {
    // The I/O spin edit reports every change itself, so its handler also sees the unit's
    // own writes (the hexadecimal panel follows values up to 255).
    eaSpin_ = std::make_unique<SpinDisplay>(w.eaEinheit2, false);
    eaFollower_ = std::make_unique<CallbackDisplay>(std::move(eaSeenWhileOff));
    rechenwerkAnzeigen_ = std::make_unique<RechenwerkAnzeigen>(
        RechenwerkAnzeigen{Label(w.panelAkku, BlankHexText, DezimalText),
                           Label(w.panelOperand, BlankHexText, BlankDezimalText),
                           Label(w.panelZero, FlagText), Label(w.panelCarry, FlagText),
                           Label(w.panelParity, FlagText), Label(w.panelSign, FlagText)});
    // The IP spin edit stays quiet; the control unit's IP callback runs its handler, also
    // when the same value is written again.
    ipSpin_ = std::make_unique<SpinDisplay>(w.eInstructionPointer, true);
    befehl_ = std::make_unique<InstructionLabel>(w.pBefehl);
    steuerwerkAnzeigen_ = std::make_unique<SteuerwerkAnzeigen>(SteuerwerkAnzeigen{
        *ipSpin_, DecimalHex(w.eStackPointer, w.pStackPointer),
        DecimalHex(w.eInteruptAdr, w.pInterupt), Label(w.pMicrocode, MikroschrittText), *befehl_,
        Label(w.pBefehlRem, AusfuehrungsnameText)});

    MaschinenAnzeigen anzeigen;
    anzeigen.speicherGrid = &w.gridSpeicher->Adapter();
    anzeigen.registerGrid = &w.gridRegister->Adapter();
    anzeigen.datenbus = &Label(w.pDatenBus, DatenbusText);
    anzeigen.adressbus = &Label(w.pAdressBus, AdressbusText);
    anzeigen.ea = eaSpin_.get();
    anzeigen.rechenwerk = rechenwerkAnzeigen_.get();
    anzeigen.steuerwerk = steuerwerkAnzeigen_.get();
    maschine_ = std::make_unique<Maschine>(anzeigen, std::move(rueckrufe));
    // While a fast run keeps the displays off, the I/O value is noted: the run ends with the
    // last value up to 255 in the hexadecimal panel, as a clock run does.
    maschine_->ea.SetAnzeigeWaehrendAus(eaFollower_.get());
    maschine_->reg.Reset(true);
    maschine_->reg.FillGrid();
    encoder_ = std::make_unique<TEncoder>(maschine_->steuerwerk, maschine_->speicher,
                                          std::move(encoderRueckrufe));
    maschine_->steuerwerk.JournalEinschalten();
    // The grids read the memory and the register file when they draw.
    gridSpeicher_ = w.gridSpeicher;
    gridRegister_ = w.gridRegister;
    gridSpeicher_->SetSource(
        [this](int col, int row) { return maschine_->speicher.Zellentext(col, row); });
    gridRegister_->SetSource(
        [this](int col, int row) { return maschine_->reg.Zellentext(col, row); });
}

void WindowMachine::ShowOutputIn(TFAusgabe* window) {
    maschine_->ea.SetAusgabefenster(window);
    if (window != nullptr) {
        OutputWindow* shown = window;
        QObject::connect(window, &QObject::destroyed, &lifetime_, [this, shown] {
            if (maschine_->ea.GetAusgabefenster() == shown) {
                maschine_->ea.SetAusgabefenster(nullptr);
            }
        });
    }
}

WindowMachine::~WindowMachine() {
    for (TOroGrid* grid : {gridSpeicher_.data(), gridRegister_.data()}) {
        if (grid != nullptr) {
            // Quietly: whoever follows the grids' changes may be gone already.
            const QSignalBlocker quiet(grid->model());
            grid->SetSource({});
        }
    }
}

} // namespace tovak
