#pragma once

#include <QString>
#include <string>

#include "platform/cp1252.h"

// The widget boundary: the program's text is Windows-1252 bytes, Qt's is UTF-16.
inline QString FromAnsi(const std::string& text) {
    return QString::fromStdU16String(platform::AnsiToUtf16(text));
}

inline std::string ToAnsi(const QString& text) {
    return platform::Utf16ToAnsi(text.toStdU16String());
}
