#include "config/dialog_rules.h"

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::uint32_t ColourOfEntryName(std::string_view name) {
    for (const ColourEntry& entry : kColourEntries) {
        if (name == entry.name) return entry.colour;
    }
    return 0x000000;
}

int ExampleFontSize(std::string_view effect) {
    if (effect == "Murmurer") return 8;
    if (effect == "Hurler") return 12;
    return 10;
}

std::string BusyDelayLabel(int minutes) {
    if (minutes == kBusyDelayNever) return "jamais";
    return std::to_string(minutes) + " minutes";
}

bool AutomaticBusyOn(int minutes) {
    return minutes >= 1 && minutes < kBusyDelayNever;
}

std::string MacroNameToAdd(std::string_view answer) {
    while (!answer.empty() && IsBlankOrControl(answer.front())) answer.remove_prefix(1);
    std::size_t end = 0;
    while (end < answer.size() && !IsBlankOrControl(answer[end])) ++end;
    return std::string(answer.substr(0, end));
}

std::string AliasToAdd(std::string_view answer, const std::vector<std::string>& list) {
    while (!answer.empty() && IsBlankOrControl(answer.front())) answer.remove_prefix(1);
    while (!answer.empty() && IsBlankOrControl(answer.back())) answer.remove_suffix(1);
    if (answer.empty()) return {};
    for (const std::string& known : list) {
        if (SameText(known, answer)) return {};
    }
    return std::string(answer);
}
