// What the simulated members say. The chat side speaks UTF-8, like this file. Emoticons and
// picture codes ("#03") are written as users type them; the client turns them into pictures.
#include "server/demo_script.h"

namespace babillon::demo {

std::span<const Character> Characters() {
    static constexpr Character kCharacters[] = {
        {"Nina", "24", "Lyon", Sex::woman, "VIP#Babillon", "05", ""},
        {"Julien_75", "31", "Paris", Sex::man, "VIP#Babillon", "02", ""},
        {"Sophie", "28", "Bordeaux", Sex::woman, "VIP#Babillon", "08", "64"},
        {"Marco", "35", "Marseille", Sex::man, "Salon#Ami#0", "03", "2"},
        {"Clémence", "22", "Saint-Étienne", Sex::woman, "Salon#Ami#0", "10", ""},
        {"Papy_Jo", "67", "Brest", Sex::man, "Salon#Ami#0", "00", "64"},
        {"Léa", "19", "Toulouse", Sex::woman, "Rencontres#0", "04", ""},
        {"Kévin", "26", "Lille", Sex::man, "Rencontres#0", "06", "2"},
        {"Manon", "33", "Nantes", Sex::woman, "Accueil#0", "09", ""},
        {"Thierry", "45", "Strasbourg", Sex::man, "Accueil#0", "01", "64"},
    };
    return kCharacters;
}

std::span<const std::string_view> RoomLines() {
    static constexpr std::string_view kLines[] = {
        "Salut tout le monde ! :-)",
        "Coucou {} ;-)3",
        "Quelqu'un a vu le match hier soir ? 8-D",
        "Il fait un temps pourri ici, et chez vous ? :-(",
        "{}> tu viens d'où ? :o)",
        "Je reviens, je vais me faire un café #03",
        "Mdr 8-D5",
        "Bonne soirée à tous ! #12",
        "Quelqu'un connaît un bon resto à Lyon ? :-p",
        "Pfff, encore une semaine chargée au boulot... :'(",
        "{}> t'as raison, c'est clair B-)7",
        "Vous écoutez quoi comme musique en ce moment ? :o)2",
        "Moi c'est Goldman en boucle :-p",
        "Y a du monde ce soir ! :-D",
        "{}> bienvenue parmi nous ! #05 :-)1",
        "Ça va bien et toi ? ;o)",
        "Qui veut faire un petit quiz ? :-O",
        "J'adore ce salon, on s'y sent bien :-)8",
        "Lol, n'importe quoi 8-D",
        "Vivement les vacances... B-) #10",
        "{}> je t'envoie un privé ;-)",
        "Quelqu'un a des nouvelles de Marco ? :-/",
        "Bon appétit à ceux qui mangent ! #07",
        "Il est où le modo ? :-x",
        "{}> ça fait longtemps ! Tu étais passé où ? :-D4",
        "Hé {}, ça roule ? ;-)9",
    };
    return kLines;
}

std::span<const std::string_view> Greetings() {
    static constexpr std::string_view kLines[] = {
        "Re tout le monde ! :-)",
        "Me revoilà ;-)3",
        "Re ! J'ai raté quoi ? :o)",
        "Bonsoir à tous #01",
    };
    return kLines;
}

std::span<const std::string_view> PrivateReplies() {
    static constexpr std::string_view kLines[] = {
        "Coucou ! Ça va ? :-)",
        "Salut ;-)3 tu es d'où ?",
        "Désolée, je suis un peu occupée là, on se parle plus tard ? :-(",
        "Hihi, merci ! 8-D",
        "Oui bien sûr, pourquoi pas :o)",
        "Je t'envoie une fleur #04 :-)8",
        "Ah ah, trop drôle ! 8-D2",
        "Tu as l'air sympa B-)7 tu fais quoi dans la vie ?",
    };
    return kLines;
}

std::span<const std::string_view> RemoteCalls() {
    static constexpr std::string_view kCalls[] = {"#version", "#date", "#time"};
    return kCalls;
}

std::span<const std::string_view> BusyReasons() {
    static constexpr std::string_view kLines[] = {
        "occupé(e) au téléphone",
        "occupé(e) à table",
        "occupé(e) : je reviens vite",
    };
    return kLines;
}

std::span<const std::string_view> FloodPhrases() {
    static constexpr std::string_view kLines[] = {
        "Ça déménage ici ! :-) ;-)3 8-D Élodie, où est passé le gâteau de Noël ? #03 B-)7",
        "Première fois que je viens, c'est génial :o) :-D2 #12 on s'amuse bien, là ! ;o)",
        "Hé hé, déjà minuit ? :-p 8-)4 je file me coucher, à demain les amis ! :-)8 #07",
        "Où êtes-vous ? :-O Ça fait une éternité ! B-) #10 :-(1 j'ai cru que c'était fermé",
        "Français, çà et là, œuvre, déjà vu :-x ;-)9 #05 :o)6 quelle soirée de folie !!",
        "Bientôt l'été, vivement la plage :-) 8-D #01 :-D3 et les glaces à la pistache ;-)",
    };
    return kLines;
}

Profile ProfileOf(const Character& who) {
    Profile profile;
    profile.alias = who.alias;
    profile.age = who.age;
    profile.town = who.town;
    profile.sex = who.sex;
    return profile;
}

}  // namespace babillon::demo
