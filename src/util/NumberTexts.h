// Number texts shown by the simulator and the readers for typed or stored numbers.
// Texts are UTF-8 std::string; none of these functions keeps state.
#pragma once

#include <string>
#include <string_view>

namespace tovak {

// Base 2, most significant digit first, no leading zeros; "0" for 0, empty for negatives.
std::string IntToBin(int n);
// Upper-case hexadecimal digits, at least two; empty for negatives.
std::string IntToHex2(int n);
// "0x" and at least four upper-case hexadecimal digits; "0x0000" for negatives.
std::string IntToHex0x(int n);
// Decimal, left-padded with "0" to at least three characters.
std::string IntToStr3(int n);
// Decimal of |n| with at least two digits, "-" in front when negative.
std::string IntToStr2(int n);

// Reads a decimal (real) number. Empty text: false, n unchanged. Not a number or out of the
// signed 32-bit range: false, n = 0. A fraction is truncated towards zero (1.9 gives 1).
bool StrToIntOk(std::string_view text, int& n);
// Reads hexadecimal digits without prefix; an empty text is 0. Bad digits warn
// "Fehlerhafte Eingabe"; more than fits into a signed 32-bit integer warns too.
bool HexToInt(std::string_view text, int& n);
// Reads binary digits, like HexToInt.
bool BinToInt(std::string_view text, int& n);

// Splits a TAB-separated program-file line into two numbers (-1 when not a number) and two
// texts. Fields after the fourth are dropped.
void SplitTabLine(std::string_view line, int& zahl1, int& zahl2, std::string& text3,
                  std::string& text4);

// Removes blanks and control characters at both ends.
std::string_view Trim(std::string_view text);

} // namespace tovak
