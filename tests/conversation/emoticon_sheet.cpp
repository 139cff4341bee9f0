// Draws every emoticon feature and every special picture on one sheet for a person to look
// at: a row of mouths, one of eyes, one of faces, one of colours (each untrimmed and three
// times enlarged, with its code below), then the special pictures and a few trimmed
// emoticons.
// Usage: tamaris_emoticon_sheet OUTPUT.png
#include <QApplication>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

#include "conversation/emoticon_pictures.h"
#include "widgets/ansi_text.h"

namespace {

constexpr int kScale = 3;
constexpr int kCellWidth = 30 * kScale + 6;
constexpr int kCellHeight = 30 * kScale + 20;
constexpr int kColumns = 16;
constexpr int kLabelWidth = 70;

struct Cell {
    QImage picture;
    QString label;
};

Cell SmileyCell(char eyes, char nose, char mouth, int digit) {
    QString code = QString(QLatin1Char(eyes)) + QLatin1Char(nose) + QLatin1Char(mouth);
    if (digit >= 0) code += QString::number(digit);
    return {DrawSmiley(eyes, nose, mouth, digit), code};
}

void DrawRow(QPainter& painter, int row, const QString& title, const std::vector<Cell>& cells) {
    const int top = 8 + row * kCellHeight;
    painter.drawText(QRect(4, top, kLabelWidth, 30 * kScale), Qt::AlignVCenter, title);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int left = kLabelWidth + static_cast<int>(i) * kCellWidth;
        const QImage& picture = cells[i].picture;
        painter.drawImage(QRect(left, top, picture.width() * kScale, picture.height() * kScale),
                          picture);
        painter.drawText(
            QRect(left, top + picture.height() * kScale + 2, picture.width() * kScale, 18),
            Qt::AlignHCenter, cells[i].label);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const std::string mouths = "()\\/|!pDoOx{}*#[";
    const std::string eyes = ":;'8BOp<>[]{}(|";
    const std::string faces = "-oO:=<&>!";
    std::vector<Cell> mouth_row, eye_row, face_row, colour_row, special_row, real_row;
    for (char m : mouths) mouth_row.push_back(SmileyCell(':', '-', m, kNoDigit));
    for (char e : eyes) eye_row.push_back(SmileyCell(e, '-', ')', kNoDigit));
    for (char n : faces) face_row.push_back(SmileyCell(':', n, ')', kNoDigit));
    for (int digit = kNoDigit; digit <= 9; ++digit) {
        colour_row.push_back(SmileyCell(':', '-', ')', digit));
    }
    for (int i = 0; i < kSpecialPictureCount; ++i) {
        special_row.push_back({SpecialPicture(i), QStringLiteral("#%1").arg(i, 2, 10, QChar('0'))});
    }
    for (const char* code : {":-)", ";o)", "8=D", "B<p", ">&(", "O>O", "{:x", "'O*"}) {
        real_row.push_back({TrimPicture(DrawSmiley(code[0], code[1], code[2], 7)),
                            QString::fromLatin1(code) + "7"});
    }

    QImage sheet(kLabelWidth + kColumns * kCellWidth, 6 * kCellHeight + 16, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    DrawRow(painter, 0, "Bouches", mouth_row);
    DrawRow(painter, 1, "Yeux", eye_row);
    DrawRow(painter, 2, "Visages", face_row);
    DrawRow(painter, 3, "Couleurs", colour_row);
    DrawRow(painter, 4, "Images", special_row);
    DrawRow(painter, 5,
            FromAnsi("Rogn\xE9"
                     "es"),
            real_row);
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
