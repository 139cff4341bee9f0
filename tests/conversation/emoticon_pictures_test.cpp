#include "conversation/emoticon_pictures.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>
#include <string>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels where two pictures of the same size differ.
Pixels Difference(const QImage& a, const QImage& b) {
    Pixels pixels;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) pixels.insert({x, y});
        }
    }
    return pixels;
}

bool AllBlack(const QImage& image, const Pixels& pixels) {
    for (const auto& [x, y] : pixels) {
        if (image.pixel(x, y) != qRgb(0, 0, 0)) return false;
    }
    return true;
}

struct FeatureCase {
    char eyes, mouth;
    Pixels drawn;
};

// A character outside the sets draws nothing, which isolates one feature on the round face.
TEST(DrawSmiley, TellingRowsDrawExactlyTheirPixels) {
    const FeatureCase cases[] = {
        {' ',
         ')',
         {{10, 13},
          {10, 14},
          {11, 15},
          {12, 16},
          {13, 16},
          {14, 16},
          {15, 15},
          {16, 14},
          {16, 13},
          {16, 12}}},
        {':',
         ' ',
         {{10, 10}, {11, 10}, {10, 11}, {11, 11}, {15, 10}, {16, 10}, {15, 11}, {16, 11}}},
        {';', ' ', {{10, 10}, {11, 10}, {10, 11}, {11, 11}, {15, 11}, {16, 11}}},
    };
    const QImage face = DrawSmiley(' ', '-', ' ', kNoDigit);
    for (const auto& c : cases) {
        const QImage picture = DrawSmiley(c.eyes, '-', c.mouth, kNoDigit);
        EXPECT_EQ(Difference(face, picture), c.drawn) << c.eyes << c.mouth;
        EXPECT_TRUE(AllBlack(picture, c.drawn)) << c.eyes << c.mouth;
    }
}

TEST(DrawSmiley, RoundFaceFillsItsCircleInTheDigitColour) {
    const QImage face = DrawSmiley(':', '-', ')', kNoDigit);
    ASSERT_EQ(face.size(), QSize(27, 23));
    const QImage trimmed = TrimPicture(DrawSmiley(' ', '-', ' ', kNoDigit));
    EXPECT_EQ(trimmed.size(), QSize(15, 15));
    const std::pair<int, QRgb> fills[] = {
        {kNoDigit, qRgb(255, 255, 128)}, {0, qRgb(0, 192, 255)},   {1, qRgb(255, 32, 32)},
        {2, qRgb(255, 64, 192)},         {3, qRgb(255, 192, 64)},  {4, qRgb(192, 192, 192)},
        {5, qRgb(192, 192, 255)},        {6, qRgb(192, 255, 64)},  {7, qRgb(64, 255, 64)},
        {8, qRgb(255, 160, 255)},        {9, qRgb(255, 255, 255)},
    };
    for (const auto& [digit, rgb] : fills) {
        const QImage picture = DrawSmiley(':', '-', ')', digit);
        EXPECT_EQ(picture.pixel(13, 8), rgb) << "digit " << digit;
        EXPECT_EQ(picture.pixel(6, 12), qRgb(0, 0, 0)) << "digit " << digit;
        EXPECT_EQ(picture.pixel(2, 2), qRgb(255, 255, 255)) << "digit " << digit;
    }
}

// Every character of a set draws its own feature, and none draws nothing.
void ExpectAllDifferent(const std::string& characters, QImage (*draw)(char)) {
    for (std::size_t i = 0; i < characters.size(); ++i) {
        for (std::size_t j = i + 1; j < characters.size(); ++j) {
            EXPECT_NE(draw(characters[i]), draw(characters[j]))
                << "'" << characters[i] << "' and '" << characters[j] << "'";
        }
    }
}

TEST(DrawSmiley, EveryFeatureIsDistinct) {
    ExpectAllDifferent(" !#()*/DO[\\opx{|}",
                       [](char mouth) { return DrawSmiley(':', '-', mouth, kNoDigit); });
    ExpectAllDifferent(" '(8:;<>BO[]p{|}",
                       [](char eyes) { return DrawSmiley(eyes, '-', ')', kNoDigit); });
    ExpectAllDifferent("!-:<=>&Oo", [](char nose) { return DrawSmiley(':', nose, ')', kNoDigit); });
}

TEST(TrimPicture, CropsToTheNonWhitePixels) {
    QImage picture(10, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(2, 3, qRgb(255, 0, 0));
    picture.setPixel(6, 5, qRgb(254, 255, 255));
    const QImage trimmed = TrimPicture(picture);
    ASSERT_EQ(trimmed.size(), QSize(5, 3));
    EXPECT_EQ(trimmed.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(trimmed.pixel(4, 2), qRgb(254, 255, 255));
    EXPECT_EQ(trimmed.pixel(4, 0), qRgb(255, 255, 255));

    picture.fill(Qt::white);
    picture.setPixel(9, 7, qRgb(0, 0, 0));
    EXPECT_EQ(TrimPicture(picture).size(), QSize(1, 1));
}

TEST(TrimPicture, BlankPicturesBecomeOneWhitePixel) {
    QImage white(4, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    for (const QImage& picture : {white, QImage()}) {
        const QImage trimmed = TrimPicture(picture);
        ASSERT_EQ(trimmed.size(), QSize(1, 1));
        EXPECT_EQ(trimmed.pixel(0, 0), qRgb(255, 255, 255));
    }
}

TEST(SpecialPicture, FifteenDifferentPictures) {
    for (int i = 0; i < kSpecialPictureCount; ++i) {
        const QImage picture = SpecialPicture(i);
        EXPECT_EQ(picture.size(), QSize(30, 30));
        EXPECT_NE(TrimPicture(picture).size(), QSize(1, 1)) << i << " is blank";
        for (int j = i + 1; j < kSpecialPictureCount; ++j) {
            EXPECT_NE(picture, SpecialPicture(j)) << i << " and " << j;
        }
    }
    EXPECT_EQ(TrimPicture(SpecialPicture(kSpecialPictureCount)).size(), QSize(1, 1));
}

TEST(CachedPicture, KeysNameTrimmedPicturesDrawnOnce) {
    const QString key = SmileyKey(':', '-', ')', 3);
    const QImage& picture = CachedPicture(key);
    EXPECT_EQ(picture, TrimPicture(DrawSmiley(':', '-', ')', 3)));
    EXPECT_EQ(&CachedPicture(key), &picture);
    EXPECT_NE(key, SmileyKey(':', '-', ')', kNoDigit));
    EXPECT_EQ(CachedPicture(SmileyKey('\xE9', '<', '\\', kNoDigit)),
              TrimPicture(DrawSmiley('\xE9', '<', '\\', kNoDigit)));
    EXPECT_EQ(CachedPicture(SpecialKey(14)), TrimPicture(SpecialPicture(14)));

    const QRegularExpression resource_name("^[a-z]+:[0-9a-f-]+$");
    for (const QString& k : {key, SmileyKey('\'', '\\', '{', 0), SpecialKey(0)}) {
        EXPECT_TRUE(resource_name.match(k).hasMatch()) << k.toStdString();
    }
}

TEST(CachedPicture, UnknownKeysGiveNullImages) {
    for (const char* key : {"", "smiley:3a-2d", "smiley:zz-2d-29", "smiley:3a-2d-29-12",
                            "special:15", "special:05", "photo:1"}) {
        EXPECT_TRUE(CachedPicture(key).isNull()) << key;
    }
}

}  // namespace
