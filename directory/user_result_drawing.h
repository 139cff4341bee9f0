#pragma once

class QPainter;
class QRect;
class QString;

// Draws a result of the search list over its filled background: "nickname - " in the colour
// of the sex, the town in red, " - (salon room)" in black; a message item as its text alone.
void DrawUserResult(QPainter& painter, const QRect& rect, const QString& item);
