#pragma once

#include "widgets/rich_text_style.h"

// The shared style sheet of the conversation views, style_chat. The first 72 styles are the
// message bodies: size group x 24 + weight x 12 + colour number; 72..95 the nickname links:
// 72 + weight x 12 + link colour x 3 + size group; 96 the print header.

// Size groups: "M" 8 points, "P" 10, "H" 12.
inline constexpr int kSizeSmall = 0;
inline constexpr int kSizeMedium = 1;
inline constexpr int kSizeLarge = 2;

// Colour numbers of the bodies, as carried in the two colour digits of a message.
inline constexpr int kColourBlack = 0;
inline constexpr int kColourLast = 10;     // "Or": 1..10 are shown in their colour
inline constexpr int kColourRainbow = 11;  // shown black, one colour per character on top
inline constexpr int kBodyColourCount = 12;

// Link colours of the nickname links.
inline constexpr int kLinkBlue = 0;
inline constexpr int kLinkPink = 1;
inline constexpr int kLinkGreen = 2;
inline constexpr int kLinkGrey = 3;

inline constexpr int kStyleBoldOffset = 12;  // from a regular style to its bold twin
inline constexpr int kStyleM_N_Noir = 0;
inline constexpr int kStyleP_G_Rouge = 38;
inline constexpr int kStyleHyper_N_P_Bleu = 73;
inline constexpr int kStyleHyper_N_P_Rose = 76;
inline constexpr int kStyleHyper_N_P_Vert = 79;
inline constexpr int kStyleHyper_N_P_Gris = 82;
inline constexpr int kStyleMini = 96;
inline constexpr int kChatStyleCount = 97;

// Style of a message body from its effect and colour codes (any number; unknown effects are
// shown as "Parler", unknown colours and the rainbow as black).
int BodyStyle(int effect, int colour, bool bold);
// Style of a nickname link.
int HyperStyle(bool bold, int link_colour, int size_group);

RichStyleSheet MakeChatStyleSheet();
