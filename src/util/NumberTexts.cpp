#include "util/NumberTexts.h"

#include "util/MessageBoxes.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace tovak {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Fills buf from the back with the digits of n in the given base; returns the first digit.
char* DigitsBackwards(unsigned n, unsigned base, char* end) {
    char* p = end;
    do {
        *--p = kHexDigits[n % base];
        n /= base;
    } while (n != 0);
    return p;
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads digits of the given base; rejects anything else and values beyond INT_MAX.
bool ReadDigits(std::string_view text, unsigned base, int& n) {
    text = Trim(text);
    long long value = 0;
    for (char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            digit = base; // not a digit at all
        }
        if (digit >= base) {
            ShowWarningBox("Fehler", "Fehlerhafte Eingabe");
            return false;
        }
        value = value * base + digit;
        if (value > INT_MAX) {
            ShowWarningBox("Fehler", "Fehlerhafte Eingabe: die Zahl ist zu groß");
            return false;
        }
    }
    n = static_cast<int>(value);
    return true;
}

} // namespace

std::string IntToBin(int n) {
    if (n < 0) {
        return {};
    }
    char buf[40];
    char* end = buf + sizeof buf;
    return std::string(DigitsBackwards(static_cast<unsigned>(n), 2, end), end);
}

std::string IntToHex2(int n) {
    if (n < 0) {
        return {};
    }
    char buf[16];
    char* end = buf + sizeof buf;
    char* p = DigitsBackwards(static_cast<unsigned>(n), 16, end);
    if (end - p == 1) {
        *--p = '0';
    }
    return std::string(p, end);
}

std::string IntToHex0x(int n) {
    char buf[16];
    char* end = buf + sizeof buf;
    char* p = DigitsBackwards(n < 0 ? 0u : static_cast<unsigned>(n), 16, end);
    while (end - p < 4) {
        *--p = '0';
    }
    *--p = 'x';
    *--p = '0';
    return std::string(p, end);
}

std::string IntToStr3(int n) {
    if (n < 0) {
        // Not passed by the grids; a negative bus value still reads sensibly.
        return "-" + IntToStr3(n == INT_MIN ? INT_MAX : -n);
    }
    std::string text = std::to_string(n);
    if (text.size() < 3) {
        text.insert(0, 3 - text.size(), '0');
    }
    return text;
}

std::string IntToStr2(int n) {
    std::string text = std::to_string(n < 0 ? -static_cast<long long>(n) : n);
    if (text.size() < 2) {
        text.insert(0, 1, '0');
    }
    if (n < 0) {
        text.insert(0, 1, '-');
    }
    return text;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsTrimmed(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool StrToIntOk(std::string_view text, int& n) {
    text = Trim(text);
    if (text.empty()) {
        return false;
    }
    // Only the decimal real-number grammar: sign, digits, fraction, exponent. strtod alone
    // would also take hexadecimal, "inf" and "nan".
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    bool ok = mantissa > 0;
    if (ok && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        ok = digits() > 0;
    }
    if (!ok || i != text.size()) {
        n = 0;
        return false;
    }
    const std::string copy(text);
    errno = 0;
    const double value = std::strtod(copy.c_str(), nullptr);
    if (errno == ERANGE || !(value <= 2147483647.0) || !(value > -2147483648.0)) {
        n = 0;
        return false;
    }
    n = static_cast<int>(std::trunc(value));
    return true;
}

bool HexToInt(std::string_view text, int& n) {
    return ReadDigits(text, 16, n);
}

bool BinToInt(std::string_view text, int& n) {
    return ReadDigits(text, 2, n);
}

void SplitTabLine(std::string_view line, int& zahl1, int& zahl2, std::string& text3,
                  std::string& text4) {
    std::string_view fields[4];
    int count = 0;
    while (!line.empty() && count < 4) {
        const std::size_t tab = line.find('\t');
        fields[count++] = line.substr(0, tab);
        if (tab == std::string_view::npos) {
            break;
        }
        line.remove_prefix(tab + 1);
    }
    zahl1 = -1;
    zahl2 = -1;
    if (!StrToIntOk(fields[0], zahl1)) {
        zahl1 = -1;
    }
    if (!StrToIntOk(fields[1], zahl2)) {
        zahl2 = -1;
    }
    text3.assign(fields[2]);
    text4.assign(fields[3]);
}

} // namespace tovak
