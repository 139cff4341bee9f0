#pragma once

#include <string>

#include "conversation/member_table.h"
#include "widgets/rich_paragraph.h"

// The paragraphs that the room and private windows add to their conversation views: a
// nickname link followed by the message body, and the notices.

// The tag of a room nickname link: key, colour word, "age ; H ; town", each followed by a line
// feed; a sender who is not a member (sex "-2") gives "null\nvert\n? ; ? ; ?\n".
std::string RoomLinkTag(const MemberRecord& sender);
// The tag of a private nickname link: colour word, "#", "age ; H ; town".
std::string PrivateLinkTag(const std::string& age, const std::string& sex, const std::string& town);

// "nickname>" as a link coloured by the sender's sex (grey for a non-member), bold when the
// message mentions the user; a blank; then the body, bold as well on a mention.
RichParagraph RoomMessageParagraph(const MemberRecord& sender, const std::string& nickname,
                                   const std::string& coded_text, bool mention);
// The same for a private conversation: blue, pink or green by sex; only the body is bold for
// the user's own messages.
RichParagraph PrivateMessageParagraph(const std::string& nickname, const std::string& sex,
                                      const std::string& tag, const std::string& coded_text,
                                      bool own);
// A notice in bold red, a paragraph of its own; a carriage return in it breaks the line.
RichParagraph NoticeParagraph(const std::string& text);

// The nickname of a clicked link: its text without the final ">".
std::string LinkNickname(const std::string& link_text);
