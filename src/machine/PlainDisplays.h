// Window-free stand-ins for the display surfaces: plain tables that remember what was shown,
// and discarding ones for headless runs where nobody looks.
#pragma once

#include "machine/Displays.h"

#include <string>
#include <vector>

namespace tovak {

class PlainTextDisplay final : public TextDisplay {
public:
    void SetText(const std::string& value) override { text = value; }
    void SetHint(const std::string& value) override { hint = value; }
    std::string text;
    std::string hint;
};

class PlainNumberDisplay final : public NumberDisplay {
public:
    void SetNumber(int value) override { number = value; }
    int number = 0;
};

class PlainGrid final : public Grid {
public:
    explicit PlainGrid(int cols = 3, int rows = 1) : cols_(cols) { SetRowCount(rows); }
    int RowCount() const override { return static_cast<int>(cells_.size()); }
    void SetRowCount(int rows) override {
        cells_.resize(static_cast<std::size_t>(rows < 0 ? 0 : rows),
                      std::vector<std::string>(static_cast<std::size_t>(cols_)));
    }
    std::string Cell(int col, int row) const override {
        return InRange(col, row) ? cells_[row][col] : std::string();
    }
    void SetCell(int col, int row, const std::string& text) override {
        if (InRange(col, row)) {
            cells_[row][col] = text;
        }
    }
    int Row() const override { return row_; }
    void SetRow(int row) override { row_ = row; }

private:
    bool InRange(int col, int row) const {
        return col >= 0 && col < cols_ && row >= 0 && row < RowCount();
    }
    int cols_;
    int row_ = 1;
    std::vector<std::vector<std::string>> cells_;
};

class PlainOutputWindow final : public OutputWindow {
public:
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    void SetLabel(const std::string& text) override { label = text; }
    std::string Label() const override { return label; }
    void RemoveLastLine() override {
        if (!lines.empty()) {
            lines.pop_back();
        }
    }
    std::vector<std::string> lines;
    std::string label;
};

class NullTextDisplay final : public TextDisplay {
public:
    void SetText(const std::string&) override {}
    void SetHint(const std::string&) override {}
};

class NullNumberDisplay final : public NumberDisplay {
public:
    void SetNumber(int) override {}
};

// Keeps the row count and selection (the machine reads them) but drops every text.
class NullGrid final : public Grid {
public:
    explicit NullGrid(int /*cols*/ = 3, int rows = 1) : rows_(rows) {}
    int RowCount() const override { return rows_; }
    void SetRowCount(int rows) override { rows_ = rows; }
    std::string Cell(int, int) const override { return {}; }
    void SetCell(int, int, const std::string&) override {}
    int Row() const override { return row_; }
    void SetRow(int row) override { row_ = row; }

private:
    int rows_;
    int row_ = 1;
};

} // namespace tovak
