#include "conversation/chat_styles.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct NamedStyle {
    int index;
    const char* name;
    int point_size;
    bool bold;
    QColor colour;
    bool hot_link;
};

TEST(ChatStyles, NamesSizesAndColoursByIndex) {
    const NamedStyle cases[] = {
        {kStyleM_N_Noir, "M_N_Noir", 8, false, QColor(0, 0, 0), false},
        {1, "M_N_Bleau", 8, false, QColor(0, 0, 255), false},
        {kStyleP_G_Rouge, "P_G_Rouge", 10, true, QColor(255, 0, 0), false},
        {30, "P_N_Bleu-Nuit", 10, false, QColor(0x1A, 0x1A, 0x8C), false},
        {52, "H_N_Orange", 12, false, QColor(255, 157, 0), false},
        {64, "H_G_Orange", 12, true, QColor(255, 157, 0), false},
        {71, "H_G_Arc-en-ciel", 12, true, QColor(0, 0, 0), false},
        {kStyleHyper_N_P_Bleu, "Hyper_N_P_Bleu", 10, false, QColor(0, 0, 255), true},
        {kStyleHyper_N_P_Rose, "Hyper_N_P_Rose", 10, false, QColor(255, 0, 200), true},
        {kStyleHyper_N_P_Vert, "Hyper_N_P_Vert", 10, false, QColor(0x9B, 0x9B, 0x14), true},
        {kStyleHyper_N_P_Gris, "Hyper_N_P_Gris", 10, false, QColor(100, 100, 100), true},
        {kStyleHyper_N_P_Bleu + kStyleBoldOffset, "Hyper_G_P_Bleu", 10, true, QColor(0, 0, 255),
         true},
        {95, "Hyper_G_H_Gris", 12, true, QColor(100, 100, 100), true},
        {kStyleMini, "mini", 8, false, QColor(0, 0, 0), false},
    };
    const RichStyleSheet sheet = MakeChatStyleSheet();
    ASSERT_EQ(sheet.size(), static_cast<std::size_t>(kChatStyleCount));
    for (const auto& c : cases) {
        const RichTextStyle& style = sheet[c.index];
        EXPECT_EQ(style.name, c.name) << c.index;
        EXPECT_EQ(style.font, "Tahoma") << c.index;
        EXPECT_EQ(style.point_size, c.point_size) << c.index;
        EXPECT_EQ(style.bold, c.bold) << c.index;
        EXPECT_EQ(style.colour, c.colour) << c.index;
        EXPECT_EQ(style.hot_link, c.hot_link) << c.index;
    }
}

TEST(ChatStyles, EveryStyleHasItsOwnName) {
    std::set<QString> names;
    for (const RichTextStyle& style : MakeChatStyleSheet()) {
        EXPECT_FALSE(style.name.isEmpty());
        EXPECT_TRUE(names.insert(style.name).second) << style.name.toStdString();
    }
}

}  // namespace
