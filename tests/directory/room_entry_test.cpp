#include "directory/room_entry.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "directory/room_item_painter.h"
#include "widgets/ansi_text.h"

namespace {

using Fields = std::vector<std::string>;

TEST(RoomListItems, EveryWholeGroupOfFourMakesAnItem) {
    const Fields one{"Paris#0", "0", "Bea", "12"};
    const std::string paris = "Paris#0\njaune\nCr\xE9" "ateur : Bea\n0\nBea\n12\n";
    const struct {
        const char* name;
        Fields fields;
        std::vector<std::string> items;
    } cases[] = {
        {"empty reply", {}, {}},
        {"short reply", {"Paris#0", "0", "Bea"}, {}},
        {"one room, nothing after it", one, {paris}},
        {"one room and the room count", {"Paris#0", "0", "Bea", "12", "1"}, {paris}},
        {"two rooms and a stray field",
         {"Paris#0", "0", "Bea", "12", "Aide#0", "2", "", "", "x"},
         {paris, "Aide#0\njaune\nCr\xE9" "ateur : \n2\n\n\n"}},
    };
    for (const auto& c : cases) EXPECT_EQ(RoomListItems(c.fields), c.items) << c.name;
}

TEST(ParseRoomEntry, Table) {
    const struct {
        std::string item;
        std::string raw, display, attribute, creator, count;
    } cases[] = {
        {RoomListItems({"Salle#0", "0", "Bea", "7"})[0], "Salle#0", "Salle", "0", "Bea", "7"},
        {RoomListItems({"Salle#3", "2", "Bea", "123"})[0], "Salle#3", "Salle 3", "2", "Bea", "12"},
        {RoomListItems({"Salon#Ami#0", "0", "", "5"})[0], "Salon#Ami#0", "Salon Ami", "0", "", "5"},
        {RoomListItems({"VIP#Babillon", "2", "X", "5"})[0], "VIP#Babillon", "VIP Babillon", "2",
         "X", "5"},
        {kRoomListPlaceholder, "R\xE9" "ccup\xE9ration des salons en cours ...",
         "R\xE9" "ccup\xE9ration des salons en cours ...", "null", "null", "nu"},
        {"Seul", "Seul", "Seul", "", "", ""},
        {"Deux\njaune\nCr\xE9" "ateur : x\n1", "Deux", "Deux", "1", "", ""},
        {"", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        const RoomEntry entry = ParseRoomEntry(c.item);
        EXPECT_EQ(entry.raw_name.str(), c.raw) << c.item;
        EXPECT_EQ(entry.display_name.str(), c.display) << c.item;
        EXPECT_EQ(entry.attribute.str(), c.attribute) << c.item;
        EXPECT_EQ(entry.creator.str(), c.creator) << c.item;
        EXPECT_EQ(entry.member_count.str(), c.count) << c.item;
    }
    EXPECT_TRUE(ParseRoomEntry(kRoomListPlaceholder).IsPlaceholder());
}

bool IsRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// Columns of the picture that hold a red pixel.
std::vector<int> RedColumns(const std::string& item) {
    QImage image(300, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        PaintRoomItem(painter, image.rect(), FromAnsi(item));
    }
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (IsRed(image.pixel(x, y))) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

TEST(PaintRoomItem, OnlyTheCountIsRedAndItFollowsTheName) {
    const std::vector<int> short_name = RedColumns(RoomListItems({"A#0", "0", "x", "42"})[0]);
    const std::vector<int> long_name =
        RedColumns(RoomListItems({"Un#salon#au#nom#long#0", "0", "x", "42"})[0]);
    ASSERT_FALSE(short_name.empty());
    ASSERT_FALSE(long_name.empty());
    EXPECT_GT(long_name.front(), short_name.front() + 50);
    // Two digits wide, no more: the name and the brackets stay black.
    EXPECT_LT(short_name.back() - short_name.front(), 20);
    EXPECT_TRUE(RedColumns(kRoomListPlaceholder).empty());
}

}  // namespace
