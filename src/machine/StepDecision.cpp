#include "machine/StepDecision.h"

#include <algorithm>

namespace tovak {

// Inline: the fast run follows every micro-step.
inline void StepDecision::Follow(Followed& followed, int ipBefore) const {
    // As a clock tick shows it: the IP's row when the IP moved, then the row the micro-step's
    // address names.
    const int ip = steuerwerk_.GetIP();
    if (ip != ipBefore && ip >= 0 && ip < followed.memoryRows) {
        followed.memory = ip;
    }
    const int adresse = steuerwerk_.GetAdressbus().GetValue();
    switch (AdresszielVon(steuerwerk_.GetPhase())) {
    case Adressziel::Speicher:
        if (adresse >= 0 && adresse < followed.memoryRows) {
            followed.memory = adresse;
        }
        break;
    case Adressziel::Register:
        if (adresse >= 0 && adresse < followed.registerRows) {
            followed.reg = adresse;
        }
        break;
    case Adressziel::Keins:
        break;
    }
}

StepResult StepDecision::Tick(std::span<const int> breakpoints) {
    const int step = steuerwerk_.GetSchritt();
    if (step == startedStep_) {
        return StepResult::Stalled;
    }
    const int ip = steuerwerk_.GetIP();
    if (continuous_ && ip != lastBreakIP_ && !breakpoints.empty() &&
        std::find(breakpoints.begin(), breakpoints.end(), ip) != breakpoints.end()) {
        continuous_ = false;
        lastBreakIP_ = ip;
        return StepResult::Breakpoint;
    }
    lastBreakIP_ = ip;
    startedStep_ = step;
    // After the number input a continuous run goes on from the next step; single steps and
    // every stop leave nothing in progress. (A step that throws leaves the list as it was.)
    const bool input = !continuous_ && AsksForNumber();
    try {
        steuerwerk_.Takt();
    } catch (...) {
        exception_ = std::current_exception();
        if (AsksForNumber()) {
            startedStep_ = -1;
        }
        return StepResult::Threw;
    }
    const int fehler = steuerwerk_.GetFehler();
    if (fehler == KeinFehler) {
        if (input && !continuous_) {
            startedStep_ = -1;
        }
        return StepResult::Performed;
    }
    continuous_ = false;
    startedStep_ = -1;
    return fehler == CPUStop ? StepResult::CpuStop : StepResult::Error;
}

StepResult StepDecision::Run(std::uint64_t most, std::uint64_t& ticks,
                             std::span<const int> breakpoints, Followed* followed,
                             bool stopBeforeInput) {
    std::uint64_t n = 0;
    StepResult result = StepResult::Performed;
    if (!continuous_ || !breakpoints.empty()) {
        // Single steps and breakpoints: tick by tick.
        while (n < most && result == StepResult::Performed) {
            if (stopBeforeInput && AsksForNumber()) {
                result = StepResult::Input;
                break;
            }
            ++n;
            const int ip = steuerwerk_.GetIP();
            result = Tick(breakpoints);
            if (result == StepResult::Performed && followed != nullptr) {
                Follow(*followed, ip);
            }
        }
        ticks = n;
        return result;
    }
    // A continuous run without breakpoints, as the fast run and the command-line runner make
    // it: what Tick decides, without what cannot happen there. The step index and the IP of
    // the last tick are kept as Tick keeps them, once at the end.
    int step = startedStep_;
    int ip = lastBreakIP_;
    while (n < most) {
        if (stopBeforeInput && AsksForNumber()) {
            result = StepResult::Input;
            break;
        }
        const int neu = steuerwerk_.GetSchritt();
        ++n;
        if (neu == step) {
            result = StepResult::Stalled;
            break;
        }
        step = neu;
        ip = steuerwerk_.GetIP();
        try {
            steuerwerk_.Takt();
        } catch (...) {
            exception_ = std::current_exception();
            result = StepResult::Threw;
            if (AsksForNumber()) {
                step = -1;
            }
            break;
        }
        if (const int fehler = steuerwerk_.GetFehler(); fehler != KeinFehler) {
            continuous_ = false;
            step = -1;
            result = fehler == CPUStop ? StepResult::CpuStop : StepResult::Error;
            break;
        }
        if (followed != nullptr) {
            Follow(*followed, ip);
        }
    }
    startedStep_ = step;
    lastBreakIP_ = ip;
    ticks = n;
    return result;
}

} // namespace tovak
