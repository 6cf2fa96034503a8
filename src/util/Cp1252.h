// Windows-1252, the 8-bit character set of program files and of the ASCII output format.
#pragma once

#include <string>
#include <string_view>

namespace tovak {

// The UTF-8 text of one Windows-1252 character; unassigned codes give "?".
std::string Cp1252ZeichenAlsUtf8(unsigned char code);
std::string Cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view text);

} // namespace tovak
