// The machine of one window with its displays: every unit made once, wired to the window's
// widgets through the display adapters, and living as one object. The adapters come first,
// so they outlive the units that write into them.
#pragma once

#include "machine/Encoder.h"
#include "machine/Maschine.h"
#include "mainwindow/BufferedOutput.h"
#include "mainwindow/WidgetDisplays.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QSpinBox;

namespace tovak {

class TFAusgabe;
class TOroGrid;

// The widgets the units show their values in, as the block diagram names them.
struct MachineWidgets {
    TOroGrid* gridSpeicher;
    TOroGrid* gridRegister;
    QLabel* pDatenBus;
    QLabel* pAdressBus;
    QSpinBox* eaEinheit2;
    QLabel* panelAkku;
    QLabel* panelOperand;
    QLabel* panelZero;
    QLabel* panelCarry;
    QLabel* panelParity;
    QLabel* panelSign;
    QSpinBox* eInstructionPointer;
    QLabel* eStackPointer;
    QLabel* pStackPointer;
    QLabel* eInteruptAdr;
    QLabel* pInterupt;
    QLabel* pMicrocode;
    QLabel* pBefehl;
    QLabel* pBefehlRem;
};

class WindowMachine {
public:
    // eaSeenWhileOff: the I/O unit's values while a fast run keeps the displays off.
    WindowMachine(const MachineWidgets& widgets, SteuerwerkRueckrufe rueckrufe,
                  EncoderRueckrufe encoderRueckrufe,
                  std::function<void(std::int64_t)> eaSeenWhileOff);
    // The grids stop reading the units that go.
    ~WindowMachine();
    WindowMachine(const WindowMachine&) = delete;
    WindowMachine& operator=(const WindowMachine&) = delete;

    Maschine& Units() { return *maschine_; }
    TEncoder& Encoder() { return *encoder_; }
    DeferredDisplays& Refresh() { return refresh_; }
    BufferedOutput& FastOutput() { return fastOutput_; }
    // The output window the I/O unit writes its lines to (nullptr: none). Whichever of the
    // two goes first, the other is left with nothing of it.
    void ShowOutputIn(TFAusgabe* window);

private:
    ValueDisplay& Label(QLabel* widget, TextFunktion text, TextFunktion hint = nullptr);
    ValueDisplay& DecimalHex(QLabel* decimal, QLabel* hex);

    QPointer<TOroGrid> gridSpeicher_;
    QPointer<TOroGrid> gridRegister_;
    DeferredDisplays refresh_; // outlives the adapters that note themselves
    BufferedOutput fastOutput_{refresh_};
    std::vector<std::unique_ptr<ValueDisplay>> displays_;
    std::unique_ptr<SpinDisplay> eaSpin_;
    std::unique_ptr<CallbackDisplay> eaFollower_;
    std::unique_ptr<SpinDisplay> ipSpin_;
    std::unique_ptr<InstructionLabel> befehl_;
    std::unique_ptr<RechenwerkAnzeigen> rechenwerkAnzeigen_;
    std::unique_ptr<SteuerwerkAnzeigen> steuerwerkAnzeigen_;
    std::unique_ptr<Maschine> maschine_;
    std::unique_ptr<TEncoder> encoder_;
    QObject lifetime_; // goes first, ending the connections to windows that outlive the machine
};

} // namespace tovak
