// What the simulated members say. The chat side speaks UTF-8, like this file.
#include "server/demo_script.h"

namespace babillon::demo {

std::span<const Character> Characters() {
    static constexpr Character kCharacters[] = {
        {"Nina", "24", "Lyon", Sex::woman, "VIP#Babillon", "05"},
        {"Julien_75", "31", "Paris", Sex::man, "VIP#Babillon", "02"},
        {"Sophie", "28", "Bordeaux", Sex::woman, "VIP#Babillon", "08"},
        {"Marco", "35", "Marseille", Sex::man, "Salon#Ami#0", "03"},
        {"Clémence", "22", "Saint-Étienne", Sex::woman, "Salon#Ami#0", "10"},
        {"Papy_Jo", "67", "Brest", Sex::man, "Salon#Ami#0", "00"},
        {"Léa", "19", "Toulouse", Sex::woman, "Rencontres#0", "04"},
        {"Kévin", "26", "Lille", Sex::man, "Rencontres#0", "06"},
        {"Manon", "33", "Nantes", Sex::woman, "Accueil#0", "09"},
        {"Thierry", "45", "Strasbourg", Sex::man, "Accueil#0", "01"},
    };
    return kCharacters;
}

std::span<const std::string_view> RoomLines() {
    static constexpr std::string_view kLines[] = {
        "Salut tout le monde !",
        "Coucou {} :)",
        "Quelqu'un a vu le match hier soir ?",
        "Il fait un temps pourri ici, et chez vous ?",
        "{}> tu viens d'où ?",
        "Je reviens, je vais me faire un café",
        "Mdr",
        "Bonne soirée à tous !",
        "Quelqu'un connaît un bon resto à Lyon ?",
        "Pfff, encore une semaine chargée au boulot...",
        "{}> t'as raison, c'est clair",
        "Vous écoutez quoi comme musique en ce moment ?",
        "Moi c'est Goldman en boucle :p",
        "Y a du monde ce soir !",
        "{}> bienvenue parmi nous !",
        "Ça va bien et toi ?",
        "Qui veut faire un petit quiz ?",
        "J'adore ce salon, on s'y sent bien",
        "Lol, n'importe quoi :D",
        "Vivement les vacances...",
        "{}> je t'envoie un privé",
        "Quelqu'un a des nouvelles de Marco ?",
        "Bon appétit à ceux qui mangent !",
        "Il est où le modo ? ^^",
    };
    return kLines;
}

std::span<const std::string_view> Greetings() {
    static constexpr std::string_view kLines[] = {
        "Re tout le monde !",
        "Me revoilà :)",
        "Re ! J'ai raté quoi ?",
        "Bonsoir à tous",
    };
    return kLines;
}

std::span<const std::string_view> PrivateReplies() {
    static constexpr std::string_view kLines[] = {
        "Coucou ! Ça va ?",
        "Salut :) tu es d'où ?",
        "Désolée, je suis un peu occupée là, on se parle plus tard ?",
        "Hihi, merci !",
        "Oui bien sûr, pourquoi pas",
    };
    return kLines;
}

}  // namespace babillon::demo
