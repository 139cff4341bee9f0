#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// What the targets share: a failed property aborts, so that libFuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) std::abort();
}

// Takes the bytes before the next `separator` (or the rest) off the front of `input`.
inline std::string_view TakePart(std::string_view& input, char separator) {
    const std::size_t at = input.find(separator);
    const std::string_view part = input.substr(0, at);
    input.remove_prefix(at == std::string_view::npos ? input.size() : at + 1);
    return part;
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}
