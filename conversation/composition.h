#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// How the composition bar's text, effect and colour become outgoing chat lines. A coded text
// is the effect code (two digits), the colour code (two digits), then the text.

// The server refuses longer texts: Windows-1252 bytes after the four code characters.
inline constexpr std::size_t kMaxPhraseLength = 1000;

// Codes of a local macro call and of an automatic macro answer: "Parler", "Rouge".
inline constexpr const char* kMacroCodes = "0102";

// The entries of the effect and colour boxes, in box order.
QStringList EffectNames();
QStringList ColourNames();

// Unknown texts (nothing selected) give "01" and "00" and black.
std::string EffectCode(const QString& entry);
std::string ColourCode(const QString& name);
QColor ColourOfName(const QString& name);

// Line feeds, carriage returns and tabs removed.
std::string StripLineBreaksAndTabs(std::string text);

struct SendResult {
    // Complete chat lines, without the line end that SendLine adds.
    std::vector<std::string> lines;
    // Nothing was sent and the input line keeps its text.
    bool keep_text = false;
    // Why, for the user; empty when there is nothing to say (a blank private text).
    std::string refusal;
};

// A room text is sent even when empty or blank.
SendResult RoomSendLines(const std::string& text, const std::string& codes, bool long_phrase_cut);

// A blank private text sends nothing. "!" + name sends the macro's expansion, when it has
// one, with kMacroCodes whatever the boxes show; otherwise the typed text goes with its codes.
SendResult PrivateSendLines(const std::string& text, const std::string& partner_key,
                            const std::string& codes, bool long_phrase_cut,
                            const std::function<std::string(const std::string&)>& expand_macro);

// A macro's expansion as private lines with kMacroCodes, for a local call.
SendResult PrivateMacroLines(const std::string& expansion, const std::string& partner_key,
                             bool long_phrase_cut);

// The one line that answers a partner's remote call with kMacroCodes; nothing when the
// expansion is longer than kMaxPhraseLength. An answer is never cut: a later piece could
// begin with "#", call the partner's macro in turn, and two clients would answer each other
// for ever.
std::optional<std::string> MacroAnswerLine(const std::string& expansion,
                                           const std::string& partner_key);

// A text longer than kMaxPhraseLength in pieces: cut at the last blank at or before the
// limit, or hard at the limit inside a longer word; blanks at a cut are dropped and no piece
// is empty. A text within the limit is one piece, as it is.
std::vector<std::string> CutPhrase(const std::string& text);
