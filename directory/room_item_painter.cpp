#include "directory/room_item_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "directory/room_entry.h"
#include "widgets/ansi_text.h"

void PaintRoomItem(QPainter& painter, const QRect& rect, const QString& item) {
    const RoomEntry entry = ParseRoomEntry(ToAnsi(item));
    const QFontMetrics metrics(painter.font());
    // Text drawn as plain text: room names come from other users.
    auto draw = [&](int x, const QString& text, const QColor& colour) {
        painter.setPen(colour);
        painter.drawText(QRect(x, rect.top() + 1, rect.right() - x + 1, rect.height() - 1),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        return x + metrics.horizontalAdvance(text);
    };
    int x = rect.left() + 1;
    if (entry.IsPlaceholder()) {
        draw(x, FromAnsi(entry.raw_name), Qt::black);
        return;
    }
    x = draw(x, FromAnsi(entry.display_name.str() + " ("), Qt::black);
    x = draw(x, FromAnsi(entry.member_count), QColor(255, 0, 0));
    draw(x, QStringLiteral(")"), Qt::black);
}
