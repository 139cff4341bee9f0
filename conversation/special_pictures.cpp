// SpecialPicture: the 15 pictures of the "#00".."#14" codes, drawn smoothly on 30 x 30.
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>

#include "conversation/emoticon_pictures.h"

namespace {

constexpr int kSize = 30;

const QColor kOutline(60, 30, 20);
const QColor kRed(220, 30, 40);
const QColor kGold(250, 190, 20);
const QColor kGreen(40, 150, 50);

QPainterPath HeartPath(qreal x, qreal y, qreal size) {
    QPainterPath path;
    const qreal s = size / 24.0;
    path.moveTo(x + 12 * s, y + 22 * s);
    path.cubicTo(x - 6 * s, y + 10 * s, x + 4 * s, y - 4 * s, x + 12 * s, y + 5 * s);
    path.cubicTo(x + 20 * s, y - 4 * s, x + 30 * s, y + 10 * s, x + 12 * s, y + 22 * s);
    return path;
}

QPainterPath StarPath(QPointF centre, qreal outer, qreal inner, int points) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF p(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

void Heart(QPainter& p) {
    p.setBrush(kRed);
    p.drawPath(HeartPath(3, 4, 24));
}

void BrokenHeart(QPainter& p) {
    const QPainterPath heart = HeartPath(3, 4, 24);
    QPainterPath left;
    left.addPolygon(QPolygonF({{0, 0}, {15, 0}, {13, 11}, {16, 16}, {13, 22}, {15, 30}, {0, 30}}));
    QPainterPath right;
    right.addPolygon(
        QPolygonF({{30, 0}, {15, 0}, {13, 11}, {16, 16}, {13, 22}, {15, 30}, {30, 30}}));
    p.setBrush(kRed);
    p.drawPath(heart.intersected(left).translated(-1.5, 0));
    p.drawPath(heart.intersected(right).translated(1.5, 0));
}

void Rose(QPainter& p) {
    p.setPen(QPen(kGreen, 2));
    p.drawLine(QPointF(15, 14), QPointF(15, 29));
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(16, 19, 7, 4));
    p.drawEllipse(QRectF(7, 22, 7, 4));
    p.setPen(QPen(QColor(120, 0, 20), 1));
    p.setBrush(QColor(210, 20, 50));
    p.drawEllipse(QRectF(7, 2, 16, 14));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 4, 10, 9), 0, 270 * 16);
    p.drawArc(QRectF(12.5, 6, 5, 5), 90 * 16, 270 * 16);
}

void Star(QPainter& p) {
    p.setBrush(kGold);
    p.drawPath(StarPath({15, 15.5}, 14, 6, 5));
}

void Sun(QPainter& p) {
    p.setPen(QPen(QColor(240, 140, 0), 2));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * M_PI / 4;
        p.drawLine(QPointF(15 + 9 * qCos(angle), 15 + 9 * qSin(angle)),
                   QPointF(15 + 14 * qCos(angle), 15 + 14 * qSin(angle)));
    }
    p.setPen(QPen(QColor(240, 140, 0), 1));
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(15, 15), 7.5, 7.5);
}

void Moon(QPainter& p) {
    QPainterPath disc;
    disc.addEllipse(QPointF(14, 15), 13, 13);
    QPainterPath bite;
    bite.addEllipse(QPointF(21, 11), 11, 11);
    p.setBrush(QColor(250, 215, 60));
    p.drawPath(disc.subtracted(bite));
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    p.drawPath(StarPath({23, 22}, 4, 1.7, 5));
}

void Gift(QPainter& p) {
    p.setBrush(QColor(40, 110, 220));
    p.drawRect(QRectF(4, 12, 22, 16));
    p.drawRect(QRectF(2.5, 8, 25, 5));
    p.setBrush(kRed);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13, 8, 4, 20));
    p.setPen(QPen(kRed, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(7, 2, 8, 6));
    p.drawEllipse(QRectF(15, 2, 8, 6));
}

void Lips(QPainter& p) {
    QPainterPath upper;
    upper.moveTo(2, 15);
    upper.cubicTo(6, 8, 11, 6, 15, 10);
    upper.cubicTo(19, 6, 24, 8, 28, 15);
    upper.cubicTo(20, 13, 10, 13, 2, 15);
    QPainterPath lower;
    lower.moveTo(2, 15);
    lower.cubicTo(10, 16, 20, 16, 28, 15);
    lower.cubicTo(22, 26, 8, 26, 2, 15);
    p.setPen(QPen(QColor(130, 0, 30), 1));
    p.setBrush(QColor(225, 20, 70));
    p.drawPath(upper);
    p.drawPath(lower);
}

void Steam(QPainter& p, qreal x) {
    QPainterPath steam;
    steam.moveTo(x, 9);
    steam.cubicTo(x - 3, 6, x + 3, 4, x, 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 150), 1.5));
    p.drawPath(steam);
}

void Coffee(QPainter& p) {
    Steam(p, 10);
    Steam(p, 16);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(19, 14, 8, 8));
    p.setBrush(Qt::white);
    QPainterPath cup;
    cup.moveTo(4, 11);
    cup.lineTo(23, 11);
    cup.cubicTo(23, 22, 19, 26, 13.5, 26);
    cup.cubicTo(8, 26, 4, 22, 4, 11);
    p.drawPath(cup);
    p.setBrush(QColor(110, 60, 20));
    p.drawEllipse(QRectF(4, 9, 19, 4));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 26, 26, 3));
}

void Beer(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(19, 12, 8, 11), 3, 3);
    p.setBrush(QColor(240, 170, 20));
    p.drawRect(QRectF(5, 8, 15, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 3, 8, 7));
    p.drawEllipse(QRectF(8, 1, 8, 8));
    p.drawEllipse(QRectF(14, 3, 8, 7));
    p.drawRect(QRectF(5, 6, 15, 5));
    p.setPen(QPen(QColor(255, 230, 150), 1.5));
    p.drawLine(QPointF(9, 14), QPointF(9, 24));
    p.drawLine(QPointF(15, 14), QPointF(15, 24));
}

void Cocktail(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(250, 110, 160));
    p.drawPolygon(QPolygonF({{3, 4}, {27, 4}, {15, 16}}));
    p.drawLine(QPointF(15, 16), QPointF(15, 26));
    p.drawLine(QPointF(9, 27), QPointF(21, 27));
    p.setPen(QPen(kGreen, 1));
    p.drawLine(QPointF(19, 1), QPointF(10, 12));
    p.setBrush(QColor(120, 200, 40));
    p.drawEllipse(QPointF(20, 3), 3, 3);
}

void Cake(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(240, 200, 150));
    p.drawRect(QRectF(3, 14, 24, 13));
    p.setBrush(QColor(250, 150, 190));
    p.drawRect(QRectF(3, 14, 24, 4));
    p.setBrush(QColor(250, 240, 120));
    for (qreal x : {8.0, 14.0, 20.0}) {
        p.setPen(QPen(kOutline, 1));
        p.drawRect(QRectF(x, 7, 2, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 140, 0));
        p.drawEllipse(QRectF(x - 0.5, 2, 3, 5));
        p.setBrush(QColor(250, 240, 120));
    }
}

void Note(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 120));
    p.save();
    p.translate(9, 23);
    p.rotate(-20);
    p.drawEllipse(QRectF(-5, -3.5, 10, 7));
    p.restore();
    p.save();
    p.translate(22, 20);
    p.rotate(-20);
    p.drawEllipse(QRectF(-5, -3.5, 10, 7));
    p.restore();
    p.drawRect(QRectF(12, 4, 2, 19));
    p.drawRect(QRectF(25, 2, 2, 18));
    p.drawPolygon(QPolygonF({{12, 4}, {27, 1}, {27, 6}, {12, 9}}));
}

void Umbrella(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath handle;
    handle.moveTo(15, 14);
    handle.lineTo(15, 25);
    handle.cubicTo(15, 29, 10, 29, 10, 25);
    p.drawPath(handle);
    QPainterPath canopy;
    canopy.moveTo(2, 15);
    canopy.cubicTo(2, 0, 28, 0, 28, 15);
    canopy.cubicTo(25, 12, 22, 12, 19, 15);
    canopy.cubicTo(17, 12, 13, 12, 11, 15);
    canopy.cubicTo(8, 12, 5, 12, 2, 15);
    p.setBrush(QColor(140, 60, 200));
    p.drawPath(canopy);
}

void Envelope(QPainter& p) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(250, 245, 220));
    p.drawRect(QRectF(2, 7, 26, 17));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{2, 7}, {15, 17}, {28, 7}}));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPath(HeartPath(12, 14, 7));
}

using Drawing = void (*)(QPainter&);
constexpr std::array<Drawing, kSpecialPictureCount> kDrawings{
    Heart,  BrokenHeart, Rose,     Star, Sun,  Moon,     Gift,    Lips,
    Coffee, Beer,        Cocktail, Cake, Note, Umbrella, Envelope};

}  // namespace

QImage SpecialPicture(int index) {
    QImage picture(kSize, kSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (index < 0 || index >= kSpecialPictureCount) return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1));
    kDrawings[index](painter);
    return picture;
}
