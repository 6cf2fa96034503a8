// The small display surfaces the machine units write into. The GUI adapts its widgets to
// them; tests and the command-line runner use plain tables or discarding stand-ins.
#pragma once

#include <string>

namespace tovak {

// A panel: a text and a hint (tooltip).
class TextDisplay {
public:
    virtual ~TextDisplay() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetHint(const std::string& hint) = 0;
};

// A spin edit showing one number.
class NumberDisplay {
public:
    virtual ~NumberDisplay() = default;
    virtual void SetNumber(int value) = 0;
};

// A text grid reached only through its row count, cell texts and selected row.
class Grid {
public:
    virtual ~Grid() = default;
    virtual int RowCount() const = 0;
    virtual void SetRowCount(int rows) = 0;
    virtual std::string Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const std::string& text) = 0;
    virtual int Row() const = 0;
    virtual void SetRow(int row) = 0;
    // Brackets a refill of many cells so a view can redraw once at the end.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
};

// The output window as the input/output unit sees it.
class OutputWindow {
public:
    virtual ~OutputWindow() = default;
    virtual void AppendLine(const std::string& line) = 0;
    virtual void SetLabel(const std::string& text) = 0;
    // For "Takt zurück": the label shown now, and taking the last line back.
    virtual std::string Label() const { return {}; }
    virtual void RemoveLastLine() {}
};

} // namespace tovak
