// The small display surfaces the machine units show their values on. A unit hands over
// numbers (a register's value, a micro-step code, an instruction number); the display makes
// its text only when it is drawn, with the text functions of the unit. The GUI adapts its
// widgets to them; tests use plain tables, and a headless run passes none, so it formats
// nothing.
#pragma once

#include <cstdint>
#include <string>

namespace tovak {

// One value: a register, a bus, a flag, a micro-step code, the instruction pointer.
class ValueDisplay {
public:
    virtual ~ValueDisplay() = default;
    virtual void Show(std::int64_t value) = 0;
};

// The instruction display: the current instruction and its operand.
class InstructionDisplay {
public:
    virtual ~InstructionDisplay() = default;
    virtual void Show(int befehl, std::int64_t operand) = 0;
};

// A grid showing the rows of a store (the memory or the register file). It reads the texts
// from the store when it draws them; the store tells it which rows changed. Row 0 is the
// header; the selected row is the grid's own.
class GridDisplay {
public:
    virtual ~GridDisplay() = default;
    // Rows first..last show new contents.
    virtual void RowsChanged(int first, int last) = 0;
    // The store has this many rows now (the header included), all with new contents.
    virtual void Refilled(int rowCount) = 0;
    virtual int Row() const = 0;
    virtual void SetRow(int row) = 0;
};

// The output window as the input/output unit sees it. The lines are the run's output and
// arrive as text; the label shows the latest value.
class OutputWindow {
public:
    virtual ~OutputWindow() = default;
    virtual void AppendLine(const std::string& line) = 0;
    // The value the label shows in base 2; kKeinLabel shows "-".
    virtual void SetLabel(int value) = 0;
    // For "Takt zurück": the value shown now, and taking the last line back.
    virtual int Label() const { return kKeinLabel; }
    virtual void RemoveLastLine() {}

    static constexpr int kKeinLabel = -1;
};

// The label text for a value: "-" before the first output, then the value in base 2.
std::string AusgabeLabelText(int value);

} // namespace tovak
