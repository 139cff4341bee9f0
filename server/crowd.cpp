// The silent members of --crowd. The chat side speaks UTF-8, like this file.
#include "server/crowd.h"

#include <iterator>

#include "server/log.h"

namespace babillon {
namespace {

struct Name {
    std::string_view text;
    Sex sex;
};

// Some first names are worn by both sexes; their members leave the sex unsaid.
constexpr Name kNames[] = {
    {"Amélie", Sex::woman}, {"Bruno", Sex::man},    {"Camille", Sex::unknown},
    {"Chloé", Sex::woman},  {"Damien", Sex::man},   {"Élodie", Sex::woman},
    {"François", Sex::man}, {"Gaëlle", Sex::woman}, {"Dominique", Sex::unknown},
    {"Hugo", Sex::man},     {"Inès", Sex::woman},   {"Jérôme", Sex::man},
    {"Maëlys", Sex::woman}, {"Loïc", Sex::man},     {"Sacha", Sex::unknown},
    {"Océane", Sex::woman}, {"Noël", Sex::man},     {"Séverine", Sex::woman},
    {"Rémi", Sex::man},     {"Zoé", Sex::woman},    {"Claude", Sex::unknown},
    {"Hélène", Sex::woman}, {"Aurélien", Sex::man}, {"Bérénice", Sex::woman},
    {"Théo", Sex::man},     {"Agnès", Sex::woman},  {"Cédric", Sex::man},
};

constexpr std::string_view kTowns[] = {
    "Besançon", "Orléans",         "Nîmes",       "Évry",   "Saint-Étienne", "Angoulême", "Lyon",
    "Pau",      "Aix-en-Provence", "Châteauroux", "Fréjus", "Montréal",      "Brest",     "Colmar",
    "Sète",     "Rouen",           "Créteil",     "Lens",
};

// Three ways users decorate a taken nickname.
constexpr std::string_view kJoins[] = {"_", "", "-"};

}  // namespace

Profile CrowdProfile(int n) {
    const auto index = static_cast<size_t>(n);
    const Name& name = kNames[index % std::size(kNames)];
    const size_t round = index / std::size(kNames);
    Profile profile;
    profile.alias = std::string(name.text);
    if (round > 0) {
        profile.alias += std::string(kJoins[round % std::size(kJoins)]) + std::to_string(round);
    }
    profile.sex = name.sex;
    profile.age = std::to_string(18 + (index * 37) % 60);
    profile.town = std::string(kTowns[(index * 7 + round) % std::size(kTowns)]);
    return profile;
}

bool CrowdMemberIsBusy(int n) {
    return n % 7 == 3;
}

void SeatCrowd(ChatSide& chat, Rooms& rooms, int count) {
    rooms.Resolve(kCrowdRoom, "0", "Babillon");
    for (int n = 0; n < count; ++n) {
        const std::string chatid = chat.AddSimulated(CrowdProfile(n));
        if (CrowdMemberIsBusy(n)) {
            chat.ActAs(chatid, "26\t64");
            chat.ActAs(chatid, "84\toccupé(e)");
        }
        chat.Join(chatid, kCrowdRoom, "0");
    }
    Log("crowd: ", count, " silent members sit in ", kCrowdRoom);
}

}  // namespace babillon
