// Window-free stand-ins for the display surfaces: plain tables that remember the values
// shown and make their texts on demand, as a window makes them when it draws.
#pragma once

#include "machine/Anzeigetexte.h"
#include "machine/Befehle.h"
#include "machine/Displays.h"

#include <string>
#include <vector>

namespace tovak {

class PlainValueDisplay final : public ValueDisplay {
public:
    explicit PlainValueDisplay(TextFunktion text = nullptr, TextFunktion hint = nullptr)
        : text_(text), hint_(hint) {}
    void Show(std::int64_t v) override { value = v; }
    // Without a text function the display is a number field: the value in decimal.
    std::string Text() const { return text_ != nullptr ? text_(value) : std::to_string(value); }
    std::string Hint() const { return hint_ != nullptr ? hint_(value) : std::string(); }

    std::int64_t value = 0;

private:
    TextFunktion text_;
    TextFunktion hint_;
};

class PlainInstructionDisplay final : public InstructionDisplay {
public:
    void Show(int b, std::int64_t o) override {
        befehl = b;
        operand = o;
    }
    std::string Text() const { return BefehlsanzeigeText(befehl, operand); }

    int befehl = KeinWert;
    std::int64_t operand = KeinWert;
};

// Keeps the selection and what it was told; the texts are the store's.
class PlainGrid final : public GridDisplay {
public:
    void RowsChanged(int first, int last) override {
        for (int r = first; r <= last; ++r) {
            changedRows.push_back(r);
        }
    }
    void Refilled(int rows) override {
        rowCount = rows;
        ++refills;
    }
    int Row() const override { return row; }
    void SetRow(int r) override { row = r; }

    int row = 1;
    int rowCount = 1;
    int refills = 0;
    std::vector<int> changedRows; // in the order told
};

class PlainOutputWindow final : public OutputWindow {
public:
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    void SetLabel(int value) override { label = value; }
    int Label() const override { return label; }
    void RemoveLastLine() override {
        if (!lines.empty()) {
            lines.pop_back();
        }
    }
    std::string LabelText() const { return AusgabeLabelText(label); }

    std::vector<std::string> lines;
    int label = kKeinLabel;
};

} // namespace tovak
