#include "directory/friend_item_painter.h"

#include <QPainter>

#include "directory/friend_list.h"
#include "widgets/ansi_text.h"

namespace {

const QColor kGoneGrey(128, 128, 128);

}  // namespace

QColor FriendNicknameColour(const QString& colour_name, bool gone) {
    if (gone) return kGoneGrey;
    if (colour_name == QLatin1String("rose")) return {255, 0, 255};
    if (colour_name == QLatin1String("bleu")) return {0, 0, 255};
    if (colour_name == QLatin1String("vert")) return {128, 128, 0};
    return Qt::black;
}

void PaintFriendItem(QPainter& painter, const QRect& rect, const QString& item) {
    const FriendRecord record = ParseFriendEntry(ToAnsi(item));
    const bool gone = record.chat_id == kFriendGone;
    const QString nickname = FromAnsi(record.nickname);
    const QString rest = FromAnsi(" - " + record.account.str() + " - " + record.status.str());
    const QRect text_rect = rect.adjusted(1, 1, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.setPen(FriendNicknameColour(FromAnsi(record.colour), gone));
    QRect drawn;
    painter.drawText(text_rect, flags, nickname, &drawn);
    painter.setPen(gone ? kGoneGrey : QColor(Qt::black));
    painter.drawText(text_rect.adjusted(drawn.width(), 0, 0, 0), flags, rest);
}
