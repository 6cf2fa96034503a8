// The control unit's callbacks as tests answer them: number inputs from a list, message
// boxes recorded.
#pragma once

#include "machine/Steuerwerk.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tovak::test {

struct EingabenUndBoxen {
    std::deque<int> eingaben; // used up front to back; then every input is cancelled (-1)
    std::vector<std::pair<std::string, std::string>> fehlerBoxen;

    SteuerwerkRueckrufe Aufzeichnen(std::function<void(int)> ipGeaendert) {
        SteuerwerkRueckrufe r;
        r.ipGeaendert = std::move(ipGeaendert);
        r.zahlEingeben = [this] {
            if (eingaben.empty()) {
                return -1;
            }
            const int zahl = eingaben.front();
            eingaben.pop_front();
            return zahl;
        };
        r.fehlerBox = [this](const std::string& caption, const std::string& text) {
            fehlerBoxen.emplace_back(caption, text);
        };
        return r;
    }
};

} // namespace tovak::test
