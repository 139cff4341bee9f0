#pragma once

#include <QColor>
#include <cstdint>

// Colours are written as the Windows values they were chosen as: red in the low byte, blue in
// the high one (0x0000FF is red, 0xFF0000 blue).
inline QColor FromWindowsColour(std::uint32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
