#pragma once

#include <string>
#include <string_view>

// Text helpers over Windows-1252 bytes, with the meanings of the Windows runtime's Trim and
// LowerCase: blanks and control characters are the bytes up to and including the space,
// and only the ASCII letters change case.
namespace platform {

inline bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

inline std::string TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin])) ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

}  // namespace platform
