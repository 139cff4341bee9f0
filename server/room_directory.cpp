// The demo's public and permanent rooms. The chat side speaks UTF-8, like this file.
#include "server/room_directory.h"

#include <iterator>

#include "server/crowd.h"
#include "server/log.h"

namespace babillon {
namespace {

struct ListedRoom {
    std::string_view wire_name;
    std::string_view creator;
    bool permanent;
    int members;
};

constexpr ListedRoom kListedRooms[] = {
    {"Café#des#Amis#0", "Margaux", false, 12},
    {"Cinéma#0", "Hugo", false, 7},
    {"Forêt#Noire#2", "Loïc", false, 3},
    {"Années#80#0", "Séverine", false, 24},
    {"Québec#0", "Océane", false, 5},
    {"Évasion#1", "Rémi", false, 2},
    {"Les#Jeunes#de#Lyon#0", "Théo", false, 131},
    {"Jeux#vidéo#0", "Cédric", false, 18},
    {"Cuisine#&#gourmandise#0", "Hélène", false, 9},
    {"Randonnée#0", "Agnès", false, 4},
    {"Quarantenaires#0", "Bruno", false, 36},
    {"Bretagne#0", "Maëlys", false, 11},
    {"Philo#du#café#3", "Noël", false, 6},
    {"Étudiants#0", "Inès", false, 58},
    {"Salon#Rose#<b>gras</b>#0", "Zoé", false, 1},
    {"Détente#0", "Babillon", true, 104},
    {"Célibataires#0", "Babillon", true, 187},
    {"Jeux#de#rôle#0", "Babillon", true, 21},
    {"Sport#&#Santé#0", "Babillon", true, 15},
    {"Musique#classique#0", "Babillon", true, 8},
    {"Littérature#0", "Babillon", true, 13},
    {"Entraide#informatique#0", "Babillon", true, 27},
    {"Voyages#0", "Babillon", true, 42},
    {"Nuit#blanche#0", "Babillon", true, 99},
};

}  // namespace

void SeatRoomDirectory(ChatSide& chat, Rooms& rooms) {
    int seated = 0;
    // Past the crowd's numbers, so that the two do not share nicknames.
    int next_member = 1000;
    for (const ListedRoom& listed : kListedRooms) {
        rooms.AddListed(listed.wire_name, listed.permanent ? "2" : "0", listed.creator,
                        !listed.permanent, listed.permanent);
        for (int n = 0; n < listed.members; ++n) {
            chat.Join(chat.AddSimulated(CrowdProfile(next_member++)), listed.wire_name, "0");
            ++seated;
        }
    }
    Log("rooms: ", std::size(kListedRooms), " listed rooms, ", seated, " silent members");
}

}  // namespace babillon
