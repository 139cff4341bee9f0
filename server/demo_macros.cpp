#include "server/demo_macros.h"

#include "server/text.h"

namespace babillon::demo {
namespace {

constexpr std::string_view kVersion = "Tamaris-demo 1.0 (babillon-server)";

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Format(std::time_t now, const char* format) {
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

}  // namespace

std::optional<std::string> RemoteMacroCall(std::string_view body) {
    constexpr size_t kCodeCharacters = 4;
    if (body.size() <= kCodeCharacters) return std::nullopt;
    const std::string text = AsciiLower(Trim(body.substr(kCodeCharacters)));
    if (!text.starts_with('#')) return std::nullopt;
    return text.substr(1);
}

std::string ExpandMacro(std::string_view name, const Character& who, std::time_t now) {
    if (name == "version") return std::string(kVersion);
    if (name == "date") return "Nous sommes le " + Format(now, "%d/%m/%Y");
    if (name == "time") return "Il est " + Format(now, "%H:%M:%S");
    if (name == "ville") return "J'habite à " + std::string(who.town);
    if (name == "age") return "J'ai " + std::string(who.age) + " ans";
    return {};
}

}  // namespace babillon::demo
