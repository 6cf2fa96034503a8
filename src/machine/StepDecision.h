// The one decision around every micro-step of a run, shared by the window's clock, its fast
// run and the command-line runner: whether a tick may perform a micro-step at all (a step
// still in progress, a breakpoint), performing it, and what its result means for the run
// (go on, the number input, a thrown error, "CPU Stop", an error code). What the owner does
// about it (its clock, messages, the grid) stays the owner's.
#pragma once

#include "machine/Steuerwerk.h"

#include <cstdint>
#include <exception>
#include <span>

namespace tovak {

enum class StepResult {
    Input,      // nothing ran: the next micro-step asks for a number (Run, when asked to stop)
    Performed,  // the micro-step ran without an error code: the run goes on
    Stalled,    // nothing ran: the step started last is still in progress or did not move
                // the step index (a tick during its dialog, or after a thrown error)
    Breakpoint, // nothing ran: a continuous run reached a breakpoint; it is single steps now
    Threw,      // the micro-step threw (a range error, a division by zero): the step index
                // stays, so the next tick of a continuous run stalls
    CpuStop,    // error code 7: the run ends silently, the machine stays where it stopped
    Error,      // error codes 1 to 6 (and any other): the run ends with the message
};

class StepDecision {
public:
    explicit StepDecision(TSteuerwerk& steuerwerk) : steuerwerk_(steuerwerk) {}

    // A run begins: nothing in progress; a continuous run or single steps.
    void Start(bool continuous) {
        startedStep_ = -1;
        continuous_ = continuous;
    }
    // "Start von 0": a breakpoint at the first address counts again.
    void ForgetBreakpoint() { lastBreakIP_ = -1; }
    // Nothing in progress (after the learner took a step back).
    void ForgetStartedStep() { startedStep_ = -1; }

    // Before a tick: the next micro-step asks the user for a number, so a clock must not
    // tick while it waits.
    bool AsksForNumber() const {
        return steuerwerk_.GetNaechstePhase() ==
               static_cast<std::uint8_t>(Mikroschritt::ZahlEinlesen);
    }

    // One tick of a run. Breakpoints count in continuous runs only. A thrown error is caught
    // and kept for the owner to show.
    StepResult Tick(std::span<const int> breakpoints = {});
    // What the grids follow during a run: the last memory address the address bus (or a
    // moved IP) named and the last register, each only when it lies below its count of rows;
    // -1 for none.
    struct Followed {
        int memoryRows = 0;
        int registerRows = 0;
        int memory = -1;
        int reg = -1;
    };
    // Up to `most` ticks, as many Tick() calls would make them, until one does not end with
    // Performed; with stopBeforeInput also before a number input (StepResult::Input).
    // `ticks` tells how many were made; the result is the last one's. With `followed`, the
    // addresses the performed micro-steps named are noted there.
    StepResult Run(std::uint64_t most, std::uint64_t& ticks, std::span<const int> breakpoints = {},
                   Followed* followed = nullptr, bool stopBeforeInput = false);

    // After Error: the cycle goes back to the start of an instruction at address 0, as part
    // of the failed micro-step ("Takt zurück" undoes both). The owner sets the IP to 0 its own
    // way (the window selects the memory row with it).
    template <class IPToZero> void ResetCycle(IPToZero&& ipToZero) {
        steuerwerk_.Nachtrag([&] {
            steuerwerk_.SetSchritt(0);
            steuerwerk_.SetIPWeiter(false);
            steuerwerk_.SetFehler(KeinFehler);
            ipToZero();
        });
    }

    bool Continuous() const { return continuous_; }
    int StartedStep() const { return startedStep_; }
    int LastBreakIP() const { return lastBreakIP_; }
    // What the last Threw threw.
    const std::exception_ptr& Exception() const { return exception_; }

private:
    void Follow(Followed& followed, int ipBefore) const;

    TSteuerwerk& steuerwerk_;
    bool continuous_ = false;
    int startedStep_ = -1;
    int lastBreakIP_ = 0;
    std::exception_ptr exception_;
};

} // namespace tovak
