// DrawSmiley: the emoticon pictures, drawn pixel by pixel on a 27 x 23 canvas without
// antialiasing. Coordinates are those of the canvas; rectangles and ellipses are given as
// (left, top, right, bottom) with the right and bottom edges outside the shape.
#include <QPainter>
#include <QPolygon>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "conversation/emoticon_pictures.h"
#include "widgets/windows_colour.h"

namespace {

constexpr int kWidth = 27;
constexpr int kHeight = 23;
constexpr std::uint32_t kPaleYellow = 0x80FFFF;
constexpr std::array<std::uint32_t, 10> kDigitFills{0xFFC000, 0x2020FF, 0xC040FF, 0x40C0FF,
                                                    0xC0C0C0, 0xFFC0C0, 0x40FFC0, 0x40FF40,
                                                    0xFFA0FF, 0xFFFFFF};
constexpr std::uint32_t kRed = 0x2020E0;
constexpr std::uint32_t kTearBlue = 0xFFB040;

class Pen {
  public:
    Pen(QPainter& painter, QColor fill) : p_(painter), fill_(fill) {}

    QColor fill() const { return fill_; }

    void Rect(int left, int top, int right, int bottom, QColor brush) {
        p_.setBrush(brush);
        p_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    void Ellipse(int left, int top, int right, int bottom, QColor brush) {
        p_.setBrush(brush);
        p_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    void Outline(int left, int top, int right, int bottom) {
        p_.setBrush(Qt::NoBrush);
        p_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    void Line(std::initializer_list<QPoint> points) {
        p_.drawPolyline(QPolygon(QList<QPoint>(points)));
    }
    void Shape(std::initializer_list<QPoint> points, QColor brush) {
        p_.setBrush(brush);
        p_.drawPolygon(QPolygon(QList<QPoint>(points)));
    }
    void Dot(int x, int y) { p_.drawPoint(x, y); }

  private:
    QPainter& p_;
    QColor fill_;
};

void Circle(Pen& pen) {
    pen.Ellipse(6, 5, 21, 20, pen.fill());
}

void DrawFace(Pen& pen, char nose) {
    switch (nose) {
        case '-':
        case 'o':
        case 'O':
            Circle(pen);
            break;
        case ':':
            Circle(pen);
            pen.Line({{12, 12}, {13, 11}, {15, 13}});
            break;
        case '=':  // a robot: square head, antenna and bolts
            pen.Line({{13, 5}, {13, 2}});
            pen.Ellipse(12, 0, 15, 3, Qt::black);
            pen.Rect(4, 10, 7, 15, Qt::black);
            pen.Rect(20, 10, 23, 15, Qt::black);
            pen.Rect(6, 4, 21, 20, pen.fill());
            break;
        case '<':  // a cat: pointed ears
            pen.Shape({{7, 10}, {7, 1}, {13, 6}}, pen.fill());
            pen.Shape({{19, 10}, {19, 1}, {13, 6}}, pen.fill());
            Circle(pen);
            break;
        case '&':  // curly hair
            Circle(pen);
            pen.Ellipse(4, 6, 9, 11, Qt::black);
            pen.Ellipse(18, 6, 23, 11, Qt::black);
            pen.Ellipse(6, 2, 11, 7, Qt::black);
            pen.Ellipse(16, 2, 21, 7, Qt::black);
            pen.Ellipse(10, 1, 17, 7, Qt::black);
            break;
        case '>':  // a devil: black horns
            pen.Shape({{8, 7}, {4, 4}, {4, 0}, {7, 3}, {11, 5}}, Qt::black);
            pen.Shape({{18, 7}, {22, 4}, {22, 0}, {19, 3}, {15, 5}}, Qt::black);
            Circle(pen);
            break;
        default:
            break;
    }
}

void DrawMouth(Pen& pen, char mouth) {
    switch (mouth) {
        case ')':
            pen.Line({{10, 13}, {10, 14}, {12, 16}, {14, 16}, {16, 14}, {16, 12}});
            break;
        case '(':
            pen.Line({{10, 17}, {10, 16}, {12, 14}, {14, 14}, {16, 16}, {16, 17}});
            break;
        case '\\':
            pen.Line({{10, 14}, {16, 17}});
            break;
        case '/':
            pen.Line({{10, 17}, {16, 14}});
            break;
        case '|':
            pen.Line({{10, 15}, {16, 15}});
            break;
        case '!':
            pen.Line({{13, 13}, {13, 16}});
            pen.Dot(13, 18);
            break;
        case 'p':  // tongue out
            pen.Ellipse(13, 14, 18, 19, FromWindowsColour(kRed));
            pen.Line({{10, 15}, {16, 15}});
            break;
        case 'D':  // open laugh
            pen.Shape({{9, 13}, {17, 13}, {17, 14}, {15, 17}, {13, 18}, {11, 17}, {9, 14}},
                      Qt::white);
            break;
        case 'o':
            pen.Ellipse(12, 14, 16, 18, Qt::white);
            break;
        case 'O':  // a shout
            pen.Ellipse(10, 13, 17, 19, Qt::black);
            break;
        case 'x':  // sealed lips
            pen.Line({{11, 14}, {15, 18}});
            pen.Line({{15, 14}, {11, 18}});
            break;
        case '}':
            pen.Line({{10, 15}, {14, 15}, {16, 13}});
            break;
        case '{':
            pen.Line({{10, 13}, {12, 15}, {16, 15}});
            break;
        case '*':  // a pucker for a kiss
            pen.Line({{13, 13}, {13, 17}});
            pen.Line({{11, 15}, {15, 15}});
            pen.Line({{11, 13}, {15, 17}});
            pen.Line({{15, 13}, {11, 17}});
            break;
        case '#':  // zipped
            pen.Line({{9, 15}, {17, 15}});
            for (int x = 10; x <= 16; x += 2) pen.Line({{x, 14}, {x, 16}});
            break;
        case '[':  // clenched teeth
            pen.Rect(9, 13, 18, 18, Qt::white);
            pen.Line({{9, 15}, {17, 15}});
            for (int x = 11; x <= 15; x += 2) pen.Line({{x, 13}, {x, 17}});
            break;
        default:
            break;
    }
}

void DotEyes(Pen& pen) {
    pen.Rect(10, 10, 12, 12, Qt::black);
    pen.Rect(15, 10, 17, 12, Qt::black);
}

void DrawEyes(Pen& pen, char eyes) {
    switch (eyes) {
        case ':':
            DotEyes(pen);
            break;
        case ';':
            pen.Rect(10, 10, 12, 12, Qt::black);
            pen.Rect(15, 11, 17, 12, Qt::black);
            break;
        case '\'':  // a tear
            DotEyes(pen);
            pen.Shape({{9, 12}, {11, 15}, {10, 16}, {8, 16}, {7, 15}},
                      FromWindowsColour(kTearBlue));
            break;
        case '8':  // glasses
            pen.Outline(8, 8, 13, 13);
            pen.Outline(14, 8, 19, 13);
            pen.Line({{13, 10}, {14, 10}});
            pen.Dot(10, 10);
            pen.Dot(16, 10);
            break;
        case 'B':  // sunglasses
            pen.Line({{6, 9}, {20, 9}});
            pen.Rect(8, 9, 13, 13, Qt::black);
            pen.Rect(14, 9, 19, 13, Qt::black);
            break;
        case 'O':  // wide open
            pen.Ellipse(8, 7, 13, 13, Qt::white);
            pen.Ellipse(14, 7, 19, 13, Qt::white);
            pen.Rect(10, 9, 12, 11, Qt::black);
            pen.Rect(16, 9, 18, 11, Qt::black);
            break;
        case 'p':  // a pirate's patch
            pen.Line({{6, 12}, {19, 6}});
            pen.Ellipse(8, 8, 13, 13, Qt::black);
            pen.Rect(15, 10, 17, 12, Qt::black);
            break;
        case '<':  // worried brows
            pen.Line({{8, 9}, {11, 7}});
            pen.Line({{18, 9}, {15, 7}});
            DotEyes(pen);
            break;
        case '>':  // angry brows
            pen.Line({{8, 7}, {11, 9}});
            pen.Line({{18, 7}, {15, 9}});
            DotEyes(pen);
            break;
        case '[':  // looking left
            pen.Rect(8, 9, 13, 13, Qt::white);
            pen.Rect(14, 9, 19, 13, Qt::white);
            pen.Rect(9, 10, 10, 12, Qt::black);
            pen.Rect(15, 10, 16, 12, Qt::black);
            break;
        case ']':  // looking right
            pen.Rect(8, 9, 13, 13, Qt::white);
            pen.Rect(14, 9, 19, 13, Qt::white);
            pen.Rect(11, 10, 12, 12, Qt::black);
            pen.Rect(17, 10, 18, 12, Qt::black);
            break;
        case '{':  // smiling closed eyes
            pen.Line({{9, 11}, {10, 10}, {11, 10}, {12, 11}});
            pen.Line({{15, 11}, {16, 10}, {17, 10}, {18, 11}});
            break;
        case '}':  // asleep
            pen.Line({{9, 10}, {10, 11}, {11, 11}, {12, 10}});
            pen.Line({{15, 10}, {16, 11}, {17, 11}, {18, 10}});
            break;
        case '(':  // squeezed shut with laughter
            pen.Line({{9, 9}, {11, 10}, {9, 11}});
            pen.Line({{18, 9}, {16, 10}, {18, 11}});
            break;
        case '|':
            pen.Line({{10, 8}, {10, 11}});
            pen.Line({{16, 8}, {16, 11}});
            break;
        default:
            break;
    }
}

void DrawNoseDetails(Pen& pen, char nose) {
    switch (nose) {
        case '=':
            pen.Line({{12, 12}, {14, 12}});
            pen.Line({{12, 13}, {14, 13}});
            break;
        case '<':  // the cat's nose and whiskers
            pen.Shape({{12, 12}, {14, 12}, {13, 13}}, FromWindowsColour(0xC080FF));
            pen.Line({{3, 12}, {8, 13}});
            pen.Line({{3, 15}, {8, 14}});
            pen.Line({{18, 13}, {23, 12}});
            pen.Line({{18, 14}, {23, 15}});
            break;
        case 'o':
            pen.Ellipse(12, 11, 15, 14, pen.fill());
            break;
        case 'O':  // a clown's nose
            pen.Ellipse(11, 12, 16, 16, FromWindowsColour(kRed));
            break;
        default:
            break;
    }
}

}  // namespace

QImage DrawSmiley(char eyes, char nose, char mouth, int digit) {
    QImage canvas(kWidth, kHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const bool has_digit = digit >= 0 && digit < static_cast<int>(kDigitFills.size());
    QPainter painter(&canvas);
    painter.setPen(QPen(Qt::black, 1));
    Pen pen(painter, FromWindowsColour(has_digit ? kDigitFills[digit] : kPaleYellow));
    DrawFace(pen, nose);
    DrawMouth(pen, mouth);
    DrawEyes(pen, eyes);
    DrawNoseDetails(pen, nose);
    return canvas;
}
