#pragma once

// Room messages as the benchmarks append them: effects, colours, emoticons with and without a
// colour digit, special pictures, accents, and characters that markup and RTF treat apart.

#include <string>
#include <vector>

#include "conversation/conversation_view.h"
#include "conversation/member_table.h"
#include "conversation/message_paragraphs.h"
#include "store/settings.h"

inline const std::vector<std::string>& SampleBodies() {
    static const std::vector<std::string> bodies = {
        "0104Salut tout le monde :-) comment \xE7"
        "a va ce soir ? ;-)3 on f\xEAte \xE7"
        "a 8-D",
        "0208Regardez #05 et #12 c'est pour vous :o) B-)7 bisous :-* {accolades} et \\",
        "0011Arc en ciel :-P avec des couleurs partout ;o) et une rose #03 <b>pas gras</b>",
        "0302Ouh l\xE0 :-( je pars demain :'( mais je reviens vite :-D5",
    };
    return bodies;
}

inline MemberRecord SampleSender() {
    MemberRecord member;
    member.key = "gaston-12";
    member.nickname = "Gaston";
    member.age = "31";
    member.sex = "1";
    member.town = "Paris";
    return member;
}

// The n-th message of the sample conversation.
inline RichParagraph SampleMessage(std::size_t n) {
    static const MemberRecord sender = SampleSender();
    const std::vector<std::string>& bodies = SampleBodies();
    return RoomMessageParagraph(sender, "Gaston", bodies[n % bodies.size()], false);
}

// A conversation view as the windows make them, keeping every message.
inline BabiRichView* NewUnboundedView() {
    TConfig config;
    config.MaxMessages = 0;
    return NewConversationView("rich_salon", config, nullptr);
}
