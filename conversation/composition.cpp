#include "conversation/composition.h"

#include <algorithm>
#include <array>

#include "platform/text_trim.h"
#include "session/command_codes.h"
#include "widgets/windows_colour.h"

namespace {

struct EffectEntry {
    const char* name;
    const char* code;
};

constexpr std::array<EffectEntry, 4> kEffects{{
    {"Murmurer", "00"},
    {"Parler", "01"},
    {"Hurler", "02"},
    {"Vague", "03"},
}};
constexpr const char* kNoEffectCode = "01";

struct ColourEntry {
    const char* name;
    const char* code;
    // A Windows colour value: red in the low byte, blue in the high one.
    unsigned value;
};

constexpr std::array<ColourEntry, 12> kColours{{
    {"Noir", "00", 0x000000},
    {"Bleu", "01", 0xFF0000},
    {"Rouge", "02", 0x0000FF},
    {"Rose", "03", 0xC800FF},
    {"Orange", "04", 0x009DFF},
    {"Gris", "05", 0x646464},
    {"Bleu-nuit", "06", 0x8C1A1A},
    {"Bordeau", "07", 0x00007D},
    {"Vert", "08", 0x007314},
    {"Mauve", "09", 0x5F266E},
    {"Or", "10", 0x149B9B},
    {"Arc en ciel", "11", 0x000000},
}};
constexpr const char* kNoColourCode = "00";

const ColourEntry* FindColour(const QString& name) {
    const auto it = std::find_if(kColours.begin(), kColours.end(), [&](const ColourEntry& e) {
        return name == QLatin1String(e.name);
    });
    return it == kColours.end() ? nullptr : &*it;
}

bool IsBlank(char c) {
    return c == ' ';
}

std::string TooLongReason(std::size_t length) {
    return "Phrase trop longue : " + std::to_string(length) + " caract\xE8res pour " +
           std::to_string(kMaxPhraseLength) +
           " au plus. Pour l'envoyer en plusieurs morceaux, choisissez \xAB D\xE9"
           "couper et "
           "envoyer \xBB dans la configuration.";
}

// The pieces of `text` to send with `codes`, or the refusal when it is too long and may not
// be cut.
SendResult Compose(const std::string& text, const std::string& codes, bool long_phrase_cut,
                   const std::function<std::string(const std::string&)>& line_of) {
    SendResult result;
    if (text.size() > kMaxPhraseLength && !long_phrase_cut) {
        result.keep_text = true;
        result.refusal = TooLongReason(text.size());
        return result;
    }
    std::vector<std::string> pieces = CutPhrase(text);
    // Only a text of blanks loses every piece; it goes as an empty text.
    if (pieces.empty()) pieces.emplace_back();
    for (const std::string& piece : pieces) result.lines.push_back(line_of(codes + piece));
    return result;
}

}  // namespace

QStringList EffectNames() {
    QStringList names;
    for (const EffectEntry& e : kEffects) names << QString::fromLatin1(e.name);
    return names;
}

QStringList ColourNames() {
    QStringList names;
    for (const ColourEntry& e : kColours) names << QString::fromLatin1(e.name);
    return names;
}

std::string EffectCode(const QString& entry) {
    for (const EffectEntry& e : kEffects) {
        if (entry == QLatin1String(e.name)) return e.code;
    }
    return kNoEffectCode;
}

std::string ColourCode(const QString& name) {
    const ColourEntry* entry = FindColour(name);
    return entry ? entry->code : kNoColourCode;
}

QColor ColourOfName(const QString& name) {
    const ColourEntry* entry = FindColour(name);
    return FromWindowsColour(entry ? entry->value : 0);
}

std::string StripLineBreaksAndTabs(std::string text) {
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r' || c == '\t'; });
    return text;
}

std::vector<std::string> CutPhrase(const std::string& text) {
    if (text.size() <= kMaxPhraseLength) return {text};
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        while (start < text.size() && IsBlank(text[start])) ++start;
        if (text.size() - start <= kMaxPhraseLength) break;
        // A blank just after the limit still lets the piece take the whole limit.
        std::size_t cut = start + kMaxPhraseLength;
        while (cut > start && !IsBlank(text[cut])) --cut;
        std::size_t end = cut;
        while (end > start && IsBlank(text[end - 1])) --end;
        if (end == start) {
            cut = end = start + kMaxPhraseLength;
        }
        pieces.push_back(text.substr(start, end - start));
        start = cut;
    }
    std::string last = text.substr(start);
    while (!last.empty() && IsBlank(last.back())) last.pop_back();
    if (!last.empty()) pieces.push_back(std::move(last));
    return pieces;
}

SendResult RoomSendLines(const std::string& text, const std::string& codes, bool long_phrase_cut) {
    return Compose(StripLineBreaksAndTabs(text), codes, long_phrase_cut,
                   [](const std::string& body) { return RoomTextLine(body); });
}

SendResult PrivateMacroLines(const std::string& expansion, const std::string& partner_key,
                             bool long_phrase_cut) {
    return Compose(StripLineBreaksAndTabs(expansion), kMacroCodes, long_phrase_cut,
                   [&](const std::string& body) { return PrivateTextLine(partner_key, body); });
}

std::optional<std::string> MacroAnswerLine(const std::string& expansion,
                                           const std::string& partner_key) {
    const std::string text = StripLineBreaksAndTabs(expansion);
    if (text.size() > kMaxPhraseLength) return std::nullopt;
    return PrivateTextLine(partner_key, kMacroCodes + text);
}

SendResult PrivateSendLines(const std::string& text, const std::string& partner_key,
                            const std::string& codes, bool long_phrase_cut,
                            const std::function<std::string(const std::string&)>& expand_macro) {
    if (platform::TrimBlanks(text).empty()) return SendResult{{}, true, {}};
    const std::string typed = StripLineBreaksAndTabs(text);
    if (typed.starts_with('!')) {
        const std::string expansion =
            expand_macro(platform::LowerAscii(platform::TrimBlanks(typed.substr(1))));
        if (!expansion.empty()) return PrivateMacroLines(expansion, partner_key, long_phrase_cut);
    }
    return Compose(typed, codes, long_phrase_cut,
                   [&](const std::string& body) { return PrivateTextLine(partner_key, body); });
}
