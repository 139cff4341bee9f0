#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Fields of an inbound line are read by position; a field the line does not carry reads as
// empty text.
inline const std::string& FieldAt(const std::vector<std::string>& fields, std::size_t index) {
    static const std::string empty;
    return index < fields.size() ? fields[index] : empty;
}
