#include "server/member.h"

namespace babillon {

std::string ListSexCode(Sex sex) {
    switch (sex) {
        case Sex::man:
            return "1";
        case Sex::woman:
            return "0";
        case Sex::unknown:
            break;
    }
    return "-1";
}

Sex SexFromProfileCode(std::string_view code) {
    if (code == "1") return Sex::woman;
    if (code == "0") return Sex::man;
    return Sex::unknown;
}

std::string_view StatusCode(const Member& member) {
    return member.mode == "64" ? "64" : "0";
}

std::string MemberRecord(const Member& member) {
    return member.chatid + "\t0\t" + member.alias + "\t" + std::string(StatusCode(member)) + "\t" +
           member.age + "\t" + ListSexCode(member.sex) + "\t" + member.town;
}

std::string CleanField(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return out;
}

}  // namespace babillon
