#include "directory/user_result_drawing.h"

#include <QFontMetrics>
#include <QPainter>

#include "directory/user_results.h"
#include "session/room_names.h"
#include "widgets/ansi_text.h"

namespace {

QColor NicknameColour(const std::string& colour) {
    if (colour == "rose") return {255, 0, 255};
    if (colour == "bleu") return {0, 0, 255};
    if (colour == "vert") return {128, 128, 0};
    return Qt::black;
}

// Draws one piece at x and moves x past it. Plain text: a nickname is never markup.
void DrawPiece(QPainter& painter, int& x, int top, const QString& text, const QColor& colour) {
    painter.setPen(colour);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QPoint(x, top + metrics.ascent()), text);
    x += metrics.horizontalAdvance(text);
}

}  // namespace

void DrawUserResult(QPainter& painter, const QRect& rect, const QString& item) {
    const UserEntry entry = ParseUserEntry(ToAnsi(item));
    int x = rect.left() + 1;
    const int top = rect.top() + 1;
    if (!entry.IsPerson()) {
        DrawPiece(painter, x, top, FromAnsi(entry.nickname), Qt::black);
        return;
    }
    DrawPiece(painter, x, top, FromAnsi(entry.nickname + " - "), NicknameColour(entry.colour));
    DrawPiece(painter, x, top, FromAnsi(entry.town), Qt::red);
    DrawPiece(painter, x, top, FromAnsi(" - (salon " + RoomDisplayName(entry.room) + ")"),
              Qt::black);
}
