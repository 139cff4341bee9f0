#include "server/pages.h"

namespace babillon::pages {
namespace {

std::string Page(std::string_view title, std::string_view body) {
    std::string page = "<html><head><title>";
    page += title;
    page += "</title></head>\n<body>\n";
    page += body;
    page += "\n</body></html>\n";
    return page;
}

}  // namespace

std::string Escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

std::string LoginAccepted(std::string_view login) {
    return Page("Babillon - Bienvenue",
                "<h1>Bienvenue " + Escape(login) +
                    " !</h1>\n"
                    "<p>Vous &ecirc;tes maintenant identifi&eacute; sur Babillon.</p>\n"
                    "<p><a href=\"/Bin/BabiClub/Chat/chat.jsp\">Entrer dans le chat</a></p>");
}

std::string LoginRefused() {
    return Page("Babillon - Identification",
                "<h1>Identification</h1>\n"
                "<p><b>Mauvais login ou mot de passe</b></p>\n"
                "<p>V&eacute;rifiez votre saisie et recommencez.</p>");
}

std::string Problem(int code) {
    return Page("Babillon - Erreur", "<h1>Identification</h1>\n<p>Un probl&eacute;me " +
                                         std::to_string(code) +
                                         " est survenu, veuillez r&eacute;essayer plus tard.</p>");
}

std::string ChatConfiguration(std::string_view login) {
    return Page("Babillon - Chat",
                "<h1>Le chat de Babillon</h1>\n"
                "<form method=\"post\" action=\"/Bin/BabiClub/Chat/valideChat.jsp\">\n"
                "<p>Pseudo : <input name=\"nickname\" value=\"" +
                    Escape(login) +
                    "\"></p>\n"
                    "<p>Age : <input name=\"a\"> Ville : <input name=\"c\"></p>\n"
                    "<p>Salon : <input name=\"r2\" value=\"VIP Babillon\"></p>\n"
                    "<p><input type=\"submit\" value=\"Valider\"></p>\n</form>");
}

std::string ChatValidated(std::string_view alias, std::string_view room) {
    return Page("Babillon - Chat", "<h1>Chat valid&eacute;</h1>\n<p>Pseudo : " + Escape(alias) +
                                       "<br>Salon : " + Escape(room) +
                                       "</p>\n<p><a href=\"/a.jsp\">Lancer le chat</a></p>");
}

std::string TempId(std::string_view tempid) {
    return Page("Babillon - Chat",
                "<applet code=\"BabiChat.class\" width=\"800\" height=\"600\">\n"
                "<param name=\"tempid\" value=\"" +
                    std::string(tempid) +
                    "\">\n"
                    "</applet>");
}

std::string BrowserNotice() {
    return Page("Babillon - Chat",
                "<p>Unfortunately, Microsoft has added a change to its browser that keeps the "
                "chat applet from starting.</p>\n"
                "<p>Malheureusement, votre navigateur ne permet pas de lancer le chat.</p>");
}

std::string News() {
    return Page("Babillon - Actualit&eacute;s",
                "<h1>Les news de Babillon</h1>\n<ul>\n"
                "<li><b>Nouveau :</b> le salon VIP Babillon est ouvert &agrave; tous les "
                "membres.</li>\n"
                "<li>Soir&eacute;e quiz ce vendredi &agrave; 21h dans le salon Salon Ami.</li>\n"
                "<li>Pensez &agrave; compl&eacute;ter votre profil pour faire de nouvelles "
                "rencontres.</li>\n"
                "<li>Rappel : soyez courtois, les mod&eacute;rateurs veillent.</li>\n</ul>");
}

std::string Profile(std::string_view alias) {
    return Page("Babillon - Profil", "<h1>Profil de " + Escape(alias) +
                                         "</h1>\n"
                                         "<p>Membre de Babillon.</p>\n"
                                         "<p><a href=\"/cgi-bin/Compose?REPLYTO=" +
                                         Escape(alias) + "\">Lui &eacute;crire</a></p>");
}

std::string Compose(std::string_view reply_to) {
    return Page("Babillon - Courrier",
                "<h1>Nouveau message</h1>\n<form method=\"post\" action=\"/cgi-bin/Send\">\n"
                "<p>&Agrave; : <input name=\"to\" value=\"" +
                    Escape(reply_to) +
                    "\"></p>\n"
                    "<p>Objet : <input name=\"subject\"></p>\n"
                    "<p><textarea name=\"body\" rows=\"10\" cols=\"60\"></textarea></p>\n"
                    "<p><input type=\"submit\" value=\"Envoyer\"></p>\n</form>");
}

std::string NotIdentified() {
    return Page("Babillon - Identification",
                "<h1>Identification</h1>\n"
                "<p>Vous devez &ecirc;tre identifi&eacute; pour acc&eacute;der &agrave; cette "
                "page.</p>");
}

std::string NotFound(std::string_view path) {
    return Page("Babillon - Page introuvable",
                "<h1>Page introuvable</h1>\n<p>" + Escape(path) + " n'existe pas.</p>");
}

std::string BadRequest() {
    return Page("Babillon - Erreur", "<h1>Requ&ecirc;te incorrecte</h1>");
}

}  // namespace babillon::pages
