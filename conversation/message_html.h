#pragma once

#include <QString>
#include <cstddef>
#include <string>

// A message body starts with two digits of effect and two of colour.
inline constexpr std::size_t kCodePrefixLength = 4;
// "Parler" in black: the prefix of text typed in the simple input lines.
inline constexpr char kPlainSpeech[] = "0100";

// One conversation paragraph: "alias> text", the alias in the colour of the sex code ("1"
// blue, "0" pink, "-1" green, anything else grey), the text without its code prefix; bold
// when it mentions the user.
QString MessageHtml(const std::string& alias, const std::string& sex, const std::string& body,
                    bool bold);
// A notice in bold red.
QString NoticeHtml(const std::string& text);
