#pragma once

#include <array>
#include <cstddef>

namespace program_title {

// The title is spelt from the name and the version, so that a new version is written once.
template <std::size_t N, std::size_t V>
constexpr std::array<char, N + V + 1> Title(const char (&name)[N], const char (&version)[V]) {
    std::array<char, N + V + 1> title{};
    std::size_t at = 0;
    for (std::size_t i = 0; i + 1 < N; ++i) title[at++] = name[i];
    title[at++] = ' ';
    title[at++] = 'v';
    for (std::size_t i = 0; i + 1 < V; ++i) title[at++] = version[i];
    return title;
}

}  // namespace program_title

inline constexpr char kProgramName[] = "Tamaris";
inline constexpr char kProgramVersion[] = "1.5K";
inline constexpr auto kProgramTitleText = program_title::Title(kProgramName, kProgramVersion);
// "Tamaris v1.5K", as the application's name, the main window's title and the "version" macro.
inline constexpr const char* kProgramTitle = kProgramTitleText.data();
