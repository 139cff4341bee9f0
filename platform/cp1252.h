#pragma once

#include <string>
#include <string_view>

// The system's "ANSI" text is Windows-1252 bytes in std::string; these convert it to and
// from UTF-16, the way the Windows code page conversions do.
namespace platform {

// Every byte maps to one UTF-16 unit; the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as Windows does.
std::u16string AnsiToUtf16(std::string_view ansi);

// A unit that Windows-1252 cannot represent becomes '?' (a surrogate pair gives one '?').
std::string Utf16ToAnsi(std::u16string_view text);

// The Windows-1252 byte for one UTF-16 unit, or '?' when the code page lacks it.
char UnitToAnsi(char16_t unit);

}  // namespace platform
