#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRect;

// The colour of a friend's nickname: magenta, blue, olive by its colour name, black for any
// other; grey for a friend who left.
QColor FriendNicknameColour(const QString& colour_name, bool gone);
// Draws the nickname, then " - account - status" in black (grey for a friend who left).
void PaintFriendItem(QPainter& painter, const QRect& rect, const QString& item);
