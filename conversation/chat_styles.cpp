#include "conversation/chat_styles.h"

#include <array>
#include <cstdint>

#include "widgets/windows_colour.h"

namespace {

struct NamedColour {
    const char* name;
    std::uint32_t value;
};

constexpr std::array<NamedColour, kBodyColourCount> kBodyColours{{
    {"Noir", 0x000000},
    {"Bleau", 0xFF0000},
    {"Rouge", 0x0000FF},
    {"Rose", 0xC800FF},
    {"Orange", 0x009DFF},
    {"Gris", 0x646464},
    {"Bleu-Nuit", 0x8C1A1A},
    {"Bordeau", 0x00007D},
    {"Vert", 0x007314},
    {"Mauve", 0x5F266E},
    {"Or", 0x149B9B},
    {"Arc-en-ciel", 0x000000},
}};

constexpr std::array<NamedColour, 4> kLinkColours{{
    {"Bleu", 0xFF0000},
    {"Rose", 0xC800FF},
    {"Vert", 0x149B9B},
    {"Gris", 0x646464},
}};

constexpr std::array<const char*, 3> kSizeLetters{"M", "P", "H"};
constexpr std::array<int, 3> kPointSizes{8, 10, 12};
constexpr std::array<const char*, 2> kWeightLetters{"N", "G"};
constexpr int kSizeGroupCount = 3;
constexpr int kFirstHyperStyle = 72;

const QString kFont = QStringLiteral("Tahoma");

int BodyIndex(int size_group, bool bold, int colour) {
    return size_group * 2 * kStyleBoldOffset + (bold ? kStyleBoldOffset : 0) + colour;
}

}  // namespace

int BodyStyle(int effect, int colour, bool bold) {
    const int size = effect == 0 ? kSizeSmall : effect == 2 ? kSizeLarge : kSizeMedium;
    const int shown = colour >= 1 && colour <= kColourLast ? colour : kColourBlack;
    return BodyIndex(size, bold, shown);
}

int HyperStyle(bool bold, int link_colour, int size_group) {
    return kFirstHyperStyle + (bold ? kStyleBoldOffset : 0) + link_colour * kSizeGroupCount +
           size_group;
}

RichStyleSheet MakeChatStyleSheet() {
    RichStyleSheet sheet(kChatStyleCount);
    for (int size = 0; size < kSizeGroupCount; ++size) {
        for (int weight = 0; weight < 2; ++weight) {
            for (int colour = 0; colour < kBodyColourCount; ++colour) {
                RichTextStyle& style = sheet[BodyIndex(size, weight == 1, colour)];
                style.name =
                    QStringLiteral("%1_%2_%3")
                        .arg(kSizeLetters[size], kWeightLetters[weight], kBodyColours[colour].name);
                style.font = kFont;
                style.point_size = kPointSizes[size];
                style.bold = weight == 1;
                style.colour = FromWindowsColour(kBodyColours[colour].value);
            }
            for (int link = 0; link < static_cast<int>(kLinkColours.size()); ++link) {
                RichTextStyle& style = sheet[HyperStyle(weight == 1, link, size)];
                style.name =
                    QStringLiteral("Hyper_%1_%2_%3")
                        .arg(kWeightLetters[weight], kSizeLetters[size], kLinkColours[link].name);
                style.font = kFont;
                style.point_size = kPointSizes[size];
                style.bold = weight == 1;
                style.colour = FromWindowsColour(kLinkColours[link].value);
                style.hot_link = true;
            }
        }
    }
    sheet[kStyleMini] = RichTextStyle{QStringLiteral("mini"), kFont, 8, false, Qt::black, false};
    return sheet;
}
