#pragma once

class QPainter;
class QRect;
class QString;

// Draws a room-list item: "name (count)" with the count in red, or the placeholder's message
// as plain text. The background is the list's.
void PaintRoomItem(QPainter& painter, const QRect& rect, const QString& item);
