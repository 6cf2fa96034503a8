#include "machine/StepDecision.h"

#include <algorithm>

namespace tovak {

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
    while (n < most) {
        if (stopBeforeInput && AsksForNumber()) {
            result = StepResult::Input;
            break;
        }
        ++n;
        const int ip = steuerwerk_.GetIP();
        result = Tick(breakpoints);
        if (result != StepResult::Performed) {
            break;
        }
        if (followed != nullptr) {
            // As a clock tick shows it: the IP's row when the IP moved, then the row the
            // micro-step's address names.
            const int neu = steuerwerk_.GetIP();
            if (neu != ip && neu >= 0 && neu < followed->memoryRows) {
                followed->memory = neu;
            }
            const int adresse = steuerwerk_.GetAdressbus().GetValue();
            switch (AdresszielVon(steuerwerk_.GetPhase())) {
            case Adressziel::Speicher:
                if (adresse >= 0 && adresse < followed->memoryRows) {
                    followed->memory = adresse;
                }
                break;
            case Adressziel::Register:
                if (adresse >= 0 && adresse < followed->registerRows) {
                    followed->reg = adresse;
                }
                break;
            case Adressziel::Keins:
                break;
            }
        }
    }
    ticks = n;
    return result;
}
} // namespace tovak
