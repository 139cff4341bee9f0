// The chat server between several raw clients: relaying, member lists, the connection check,
// and lines that must not hurt it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "participant.h"

namespace {

TEST(ChatTest, RoomAndPrivateMessagesReachTheirPeople) {
    BabillonServer server({"--check-interval", "0"});
    Participant alice = Enter(server, "Alice", "Salon#Ami#0");
    ASSERT_FALSE(alice.chatid.empty());
    Participant bob = Enter(server, "Bob", "Salon Ami");
    ASSERT_FALSE(bob.chatid.empty());
    EXPECT_EQ(alice.line->ReadLineStartingWith("85\t"),
              "85\t0\t" + bob.chatid + "\t0\tBob\t0\t25\t0\tLyon");

    bob.line->Send("70\t0100Salut \xC3\xA0 tous");
    const std::string said = "70\t" + bob.chatid + "\t0\tBob\t0100Salut \xC3\xA0 tous";
    EXPECT_EQ(alice.line->ReadLineStartingWith("70\t"), said);
    EXPECT_EQ(bob.line->ReadLineStartingWith("70\t"), said);

    alice.line->Send("72\t" + bob.chatid + "\t0102Psst");
    EXPECT_EQ(bob.line->ReadLineStartingWith("72\t"),
              "72\t" + alice.chatid + "\t0\tAlice\t0102Psst");
    EXPECT_EQ(alice.line->ReadLineStartingWith("73\t"), "73\t" + bob.chatid + "\t0\tBob\t0102Psst");

    alice.line->Send("72\tnobody-99\t0100Hello");
    EXPECT_EQ(alice.line->ReadLineStartingWith("74\t"), "74\tnobody-99");

    bob.line.reset();
    EXPECT_EQ(alice.line->ReadLineStartingWith("85\t"), "85\t1\t" + bob.chatid);
    alice.line->Send("72\t" + bob.chatid + "\t0100Tu es parti ?");
    EXPECT_EQ(alice.line->ReadLineStartingWith("74\t"), "74\t" + bob.chatid);
}

TEST(ChatTest, TextsLongerThanAThousandCharactersAreRefused) {
    BabillonServer server({"--check-interval", "0"});
    Participant alice = Enter(server, "Alice", "Paris");
    Participant bob = Enter(server, "Bob", "Paris");
    ASSERT_FALSE(bob.chatid.empty());
    const auto repeat = [](const std::string& piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) text += piece;
        return text;
    };
    const std::string e_acute = "\xC3\xA9";
    struct Case {
        std::string text;  // after the four code characters
        bool relayed;
    };
    const Case cases[] = {
        {repeat("a", 1000), true},
        {repeat("a", 1001), false},
        {repeat(e_acute, 1000), true},  // 2000 bytes, 1000 characters
        {repeat(e_acute, 999) + "ab", false},
    };
    // Each text is followed by a short one, so the lines that arrive tell whether the long one
    // went through; a refused text is not echoed to its sender either.
    for (const Case& c : cases) {
        alice.line->Send("70\t0100" + c.text);
        alice.line->Send("70\t0100fin");
        alice.line->Send("72\t" + bob.chatid + "\t0100" + c.text);
        alice.line->Send("72\t" + bob.chatid + "\t0100fin");
        std::vector<std::string> bodies = {"0100fin"};
        if (c.relayed) bodies.insert(bodies.begin(), "0100" + c.text);
        for (const std::string& body : bodies) {
            const std::string said = "70\t" + alice.chatid + "\t0\tAlice\t" + body;
            EXPECT_EQ(bob.line->ReadLineStartingWith("70\t"), said) << c.text.size();
            EXPECT_EQ(alice.line->ReadLineStartingWith("70\t"), said) << c.text.size();
        }
        for (const std::string& body : bodies) {
            EXPECT_EQ(bob.line->ReadLineStartingWith("72\t"),
                      "72\t" + alice.chatid + "\t0\tAlice\t" + body)
                << c.text.size();
            EXPECT_EQ(alice.line->ReadLineStartingWith("73\t"),
                      "73\t" + bob.chatid + "\t0\tBob\t" + body)
                << c.text.size();
        }
    }
}

TEST(ChatTest, MemberListComesSevenPerLine) {
    BabillonServer server({"--check-interval", "0"});
    std::vector<Participant> people;
    for (int i = 0; i < 9; ++i)
        people.push_back(Enter(server, "membre" + std::to_string(i), "Paris"));
    Participant& last = people.back();
    last.line->Send("85");
    const auto first = last.line->ReadLineStartingWith("85\t-1\t");
    const auto second = last.line->ReadLineStartingWith("85\t0\t");
    ASSERT_TRUE(first && second);
    auto count_fields = [](const std::string& line) {
        return std::count(line.begin(), line.end(), '\t') - 1;
    };
    EXPECT_EQ(count_fields(*first), 7 * 7);
    EXPECT_EQ(count_fields(*second), 2 * 7);
    for (const Participant& person : people) {
        EXPECT_NE((*first + "\t" + *second).find("\t" + person.chatid + "\t0\t"), std::string::npos)
            << person.chatid;
    }
}

// A large room comes a page per request; once everybody was listed a request gets no answer.
TEST(ChatTest, LargeMemberListComesAPagePerRequest) {
    BabillonServer server({"--check-interval", "0"});
    std::vector<Participant> people;
    for (int i = 0; i < 50; ++i)
        people.push_back(Enter(server, "membre" + std::to_string(i), "Paris"));
    Participant& last = people.back();
    auto members_in = [](const std::string& line) {
        return (std::count(line.begin(), line.end(), '\t') - 1) / 7;
    };
    long listed = 0;
    last.line->Send("85");
    for (int line = 0; line < 6; ++line) {
        const auto read = last.line->ReadLineStartingWith(line == 0 ? "85\t-1\t" : "85\t0\t");
        ASSERT_TRUE(read);
        listed += members_in(*read);
    }
    EXPECT_EQ(listed, 42);
    last.line->Send("85");
    const auto rest = last.line->ReadLineStartingWith("85\t0\t");
    const auto last_one = last.line->ReadLineStartingWith("85\t0\t");
    ASSERT_TRUE(rest && last_one);
    EXPECT_EQ(members_in(*rest) + members_in(*last_one), 8);
    last.line->Send("85");
    last.line->Send("199");
    // The next line is the answer to 199 (50 connected): the third request had nothing left.
    EXPECT_EQ(last.line->ReadLineStartingWith(""), "199\t50");
}

TEST(ChatTest, ClientThatDoesNotAnswer667IsDropped) {
    BabillonServer server({"--check-interval", "0", "--check-timeout", "2"});
    Participant awake = Enter(server, "Eveille", "Aide");
    Participant asleep = Enter(server, "Endormi", "Aide");
    ASSERT_FALSE(asleep.chatid.empty());
    server.SendCheckNow();
    ASSERT_EQ(awake.line->ReadLineStartingWith("667"), "667");
    awake.line->Send("667");
    ASSERT_EQ(asleep.line->ReadLineStartingWith("667"), "667");

    EXPECT_TRUE(asleep.line->WaitForClose());
    EXPECT_EQ(awake.line->ReadLineStartingWith("85\t1\t"), "85\t1\t" + asleep.chatid);
    awake.line->Send("199");
    EXPECT_EQ(awake.line->ReadLineStartingWith("199\t"), "199\t1");
}

TEST(ChatTest, AnswersToRequests) {
    BabillonServer server({"--check-interval", "0"});
    Participant me = Enter(server, "Moi", "Musique");
    struct Case {
        std::string request;
        std::string answer;
    };
    const Case cases[] = {
        {"26\t64", "26\t64"},
        {"84\toccup\xC3\xA9(e) au t\xC3\xA9l\xC3\xA9phone",
         "84\toccup\xC3\xA9(e) au t\xC3\xA9l\xC3\xA9phone"},
        {"18\t-1\tquelqu-1", "18\t-1\tquelqu-1"},
        {"18\t1\tquelqu-1", "18\t-1"},
        {"82\t" + me.chatid, "82\t" + me.chatid + "\t0\t25\t0\tLyon"},
        {"80\t41\t0\tNantes", ""},
        {"82\t" + me.chatid, "82\t" + me.chatid + "\t0\t41\t1\tNantes"},
        // busy mode ("64") shows in the member record's status field
        {"85", "85\t-1\t" + me.chatid + "\t0\tMoi\t64\t41\t1\tNantes"},
        {"56\tmo\t-2\t-2", "56\t1:-2:-2\t" + me.chatid + "\tMoi\t0\t41\t1\tNantes\tMusique#0\t0"},
        {"58\tnan\t7\t1", "58\t1:7:1\t" + me.chatid + "\tMoi\t0\t41\tNantes\tMusique#0\t0"},
        {"56\tmo\t3\t-2", "56\t0:3:-2"},
        {"199", "199\t1"},
    };
    for (const Case& c : cases) {
        me.line->Send(c.request);
        if (c.answer.empty()) continue;
        const std::string code = c.request.substr(0, c.request.find('\t'));
        EXPECT_EQ(me.line->ReadLineStartingWith(code), c.answer) << c.request;
    }
    me.line->Send("90");
    const auto rooms = me.line->ReadLineStartingWith("90\t");
    ASSERT_TRUE(rooms);
    // Groups of four, then the number of rooms, so that the client shows the last one too.
    const long fields = std::count(rooms->begin(), rooms->end(), '\t');
    EXPECT_EQ(fields % 4, 1) << *rooms;
    EXPECT_TRUE(rooms->ends_with("\t" + std::to_string(fields / 4))) << *rooms;
    EXPECT_NE(rooms->find("\tMusique#0\t0\tBabillon\t1\t"), std::string::npos) << *rooms;
}

TEST(ChatTest, HostileLinesAreIgnoredAndTheClientStaysServed) {
    BabillonServer server({"--check-interval", "0"});
    raw::LineClient stranger(server.chat_port());
    ASSERT_EQ(stranger.ReadLine(), "100");
    stranger.Send("70\t0100not identified yet");
    Participant me = Enter(server, "Moi", "Rencontres");
    const std::string hostile[] = {
        "\r\n",
        "\n",
        "\r\r\n",
        "999\tx",
        "070\tleading zero",
        "72",
        "72\t",
        "40",
        "82",
        "80",
        "18",
        "56",
        "0\t0\tagain",
        std::string(70 * 1024, 'x') + "\n",
        "70\t" + std::string(70 * 1024, 'y') + "\n",
    };
    for (const std::string& bytes : hostile) {
        me.line->SendRaw(bytes.ends_with('\n') ? bytes : bytes + "\r\n");
    }
    me.line->Send("70\t0100encore l\xC3\xA0");
    // The only room text is the last one: the over-long "70" was dropped, not relayed.
    EXPECT_EQ(me.line->ReadLineStartingWith("70\t"),
              "70\t" + me.chatid + "\t0\tMoi\t0100encore l\xC3\xA0");
    stranger.Send("199");
    me.line->Send("199");
    EXPECT_EQ(me.line->ReadLineStartingWith("199\t"), "199\t1");
}

TEST(ChatTest, EndsCleanlyOnSigterm) {
    BabillonServer server({"--demo"});
    raw::LineClient chat(server.chat_port());
    ASSERT_EQ(chat.ReadLine(), "100");
    const int status = server.Stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
