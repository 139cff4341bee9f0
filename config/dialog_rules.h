#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Rules of the configuration dialog that need no widget.

// The colour list, in order (index = DefColor), with the colour of each entry as a Windows
// colour value (red in the low byte). "Arc en ciel" is shown in black.
struct ColourEntry {
    const char* name;
    std::uint32_t colour;
};
inline constexpr std::array<ColourEntry, 12> kColourEntries = {{
    {"Noir", 0x000000},
    {"Bleu", 0xFF0000},
    {"Rouge", 0x0000FF},
    {"Rose", 0xC800FF},
    {"Orange", 0x009DFF},
    {"Gris", 0x646464},
    {"Bleu-nuit", 0x8C1A1A},
    {"Bordeau", 0x00007D},
    {"Vert", 0x007314},
    {"Mauve", 0x5F266E},
    {"Or", 0x149B9B},
    {"Arc en ciel", 0x000000},
}};

// The effect list, in order (index = DefTaille).
inline constexpr std::array<const char*, 4> kEffectNames = {"Murmurer", "Parler", "Hurler",
                                                            "Vague"};

// The colour of a colour entry's name; unknown names give black.
std::uint32_t ColourOfEntryName(std::string_view name);

// The example's point size for an effect name: 8 whispered, 12 shouted, 10 otherwise.
int ExampleFontSize(std::string_view effect);

// The busy-mode slider runs from 1 to 31 minutes; its last position means never.
inline constexpr int kBusyDelayNever = 31;

// The busy-mode delay as its label shows it: "jamais" at 31, otherwise "<n> minutes".
std::string BusyDelayLabel(int minutes);

// Whether a TimeOccupe value turns automatic busy mode on: 1 to 30 minutes. 31 ("jamais"), and
// any value the slider cannot show, leave it off.
bool AutomaticBusyOn(int minutes);

// The name that "Ajouter ..." of the macros page keeps of the text typed: its first word;
// empty when nothing was typed.
std::string MacroNameToAdd(std::string_view answer);

// The alias that "Ajouter ..." adds to the personal reply list for the text typed in its
// input box: the text trimmed; empty when there is nothing to add (an empty answer, or an
// alias already in the list, whatever its case).
std::string AliasToAdd(std::string_view answer, const std::vector<std::string>& list);
