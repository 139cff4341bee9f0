#pragma once

#include <QColor>
#include <QString>
#include <string>

// The hint shown over a nickname link of the room: the member's display ("age ; H ; town")
// tinted by the link tag's colour word.
struct MemberHint {
    QString text;
    QColor tint;
};

// tag: key, colour word, display, each followed by a line feed.
MemberHint HintForRoomLinkTag(const std::string& tag);
