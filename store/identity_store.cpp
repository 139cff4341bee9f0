#include "store/identity_store.h"

#include "platform/exe_dir.h"
#include "platform/ini_file.h"

namespace {

constexpr const char* kFileName = "ID.vek";

platform::IniFile OpenFile() {
    return platform::IniFile(platform::DataFilePath(kFileName));
}

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
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
                out += c;
        }
    }
    return out;
}

std::string Unescape(std::string_view text) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        for (const auto& [entity, c] : kEntities) {
            if (text.substr(i, entity.size()) == entity) {
                out += c;
                i += entity.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

}  // namespace

IdentityRecord ReadIdentity(std::string_view alias) {
    const platform::IniFile ini = OpenFile();
    IdentityRecord record;
    record.alias = alias;
    record.pseudo = ini.ReadString(alias, "pseudo", "");
    record.age = ini.ReadString(alias, "age", "");
    record.sexe = ini.ReadString(alias, "sexe", "Inconnu");
    record.ville = ini.ReadString(alias, "ville", "");
    record.salon = ini.ReadString(alias, "salon", "");
    record.status = ini.ReadString(alias, "status", "en ligne");
    record.sexe_index = SexIndex(record.sexe.str());
    return record;
}

bool WriteIdentity(std::string_view alias, std::string_view pseudo, std::string_view age,
                   std::string_view sexe, std::string_view ville, std::string_view salon,
                   std::string_view status, std::string* error) {
    platform::IniFile ini = OpenFile();
    ini.WriteString(alias, "pseudo", pseudo);
    ini.WriteString(alias, "age", age);
    ini.WriteString(alias, "sexe", sexe);
    ini.WriteString(alias, "ville", ville);
    ini.WriteString(alias, "salon", salon);
    ini.WriteString(alias, "status", status);
    return ini.Save(error);
}

bool DeleteIdentity(std::string_view alias, std::string* error) {
    platform::IniFile ini = OpenFile();
    if (!ini.SectionExists(alias)) return true;
    ini.EraseSection(alias);
    return ini.Save(error);
}

std::vector<std::string> IdentityAliases() {
    return OpenFile().SectionNames();
}

std::string IdentityListItem(const IdentityRecord& r) {
    return "<FONT color=\"#0080C0\"><b>" + Escape(r.alias.str()) +
           "</b></FONT><BR><UL><LI>pseudo : <FONT color=\"#FF0000\" >" + Escape(r.pseudo.str()) +
           "</FONT></UL><UL><LI>age : <FONT color=\"#FF0000\" >" + Escape(r.age.str()) +
           "</FONT> - sexe : <FONT color=\"#FF0000\" >" + Escape(r.sexe.str()) +
           "</FONT></UL><UL><LI>ville : <FONT color=\"#FF0000\" >" + Escape(r.ville.str()) +
           "</FONT></UL><UL><LI>salon : <FONT color=\"#FF0000\" >" + Escape(r.salon.str()) +
           "</FONT>";
}

std::string AliasOfItem(std::string_view item) {
    const std::size_t open = item.find("<b>");
    const std::size_t close = item.find("</b>");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + 3) {
        return {};
    }
    return Unescape(item.substr(open + 3, close - open - 3));
}

int SexIndex(std::string_view sexe) {
    if (sexe == "Homme") return 0;
    if (sexe == "Femme") return 1;
    return 2;
}

std::uint8_t SessionSexe(int index) {
    switch (index) {
        case 0:
            return 1;
        case 1:
            return 0;
        default:
            return 2;
    }
}

std::string LoginRoom(std::string_view salon) {
    if (salon == "*") return {};
    if (salon.empty()) return kDefaultRoom;
    return std::string(salon);
}
