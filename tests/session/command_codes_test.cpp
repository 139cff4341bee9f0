#include "session/command_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineCase {
    const char* name;
    std::string built;
    std::string expected;
};

TEST(OutgoingLines, Builders) {
    const std::string town30 = "Saint-Martin-de-Belleville-73";
    const std::vector<LineCase> cases = {
        {"temporary id", TempIdLine("T123"), "0\t0\tT123"},
        {"profile", ProfileLine("25", "-1", "Lyon"), "80\t25\t-1\tLyon"},
        {"profile cuts age and town", ProfileLine("123456", "1", town30),
         "80\t12345\t1\tSaint-Martin-de-Bellevill"},
        {"public rooms", PublicRoomListLine(), "90"},
        {"permanent rooms", PermanentRoomListLine(), "94"},
        {"join", JoinRoomLine("Amiti\xE9", "1"), "40\tAmiti\xE9\t1"},
        {"members", MemberListLine(), "85"},
        {"room text", RoomTextLine("0101Salut"), "70\t0101Salut"},
        {"private text", PrivateTextLine("id42", "0102[R\xE9pondeur] absent"),
         "72\tid42\t0102[R\xE9pondeur] absent"},
        {"user info", UserInfoLine("id42"), "82\tid42"},
        {"status", StatusLine("en ligne"), "84\ten ligne"},
        {"empty status", StatusLine(""), "84\t"},
        {"privacy mode", PrivacyModeLine("64"), "26\t64"},
        {"ignore", IgnoreLine("id42"), "18\t-1\tid42"},
        {"stop ignoring", UnignoreLine("id42"), "18\t1\tid42"},
        {"search by nickname", UserSearchLine(codes::SearchByNickname, "jeannot", "2", "0"),
         "56\tjean\t2\t0"},
        {"search by town, short text", UserSearchLine(codes::SearchByTown, "Ly", "0", "-1"),
         "58\tLy\t0\t-1"},
        {"connected count", ConnectedCountLine(), "199"},
        {"connection check", ConnectionCheckLine(), "667"},
        {"line breaks and TABs cannot start another line or field",
         RoomTextLine("0101a\tb\r\n40\tx"), "70\t0101ab40x"},
        {"chat id ending in CR", UserInfoLine("id42\r"), "82\tid42"},
        {"search text cleaned before it is cut", UserSearchLine("56", "\tj\ne\ran", "0", "0"),
         "56\tjean\t0\t0"},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(c.built, c.expected) << c.name;
    }
}

}  // namespace
