#include "store/favourite_rooms.h"

#include <algorithm>

#include "platform/exe_dir.h"
#include "platform/ini_file.h"
#include "platform/text_trim.h"

namespace {

constexpr const char* kFileName = "salons.vek";
constexpr const char* kSection = "Salons";

bool Fail(std::string* error, std::string text) {
    if (error) *error = std::move(text);
    return false;
}

std::string Unreadable(const std::string& path) {
    return "Le fichier des salons pr\xE9"
           "f\xE9r\xE9s " +
           path + " est illisible ; il n'est pas modifi\xE9.";
}

bool Save(platform::IniFile& ini, std::string* error) {
    std::string reason;
    if (ini.Save(&reason)) return true;
    return Fail(error, "Les salons pr\xE9"
                       "f\xE9r\xE9s n'ont pas pu \xEAtre enregistr\xE9s : " +
                           reason);
}

}  // namespace

std::string FavouriteRoomsPath() {
    return platform::DataFilePath(kFileName);
}

bool LoadFavouriteRooms(const std::string& path, std::vector<std::string>* names,
                        std::string* error) {
    const platform::IniFile ini(path);
    if (!ini.Readable()) {
        names->clear();
        return Fail(error, Unreadable(path));
    }
    *names = ini.SectionKeys(kSection);
    std::stable_sort(names->begin(), names->end(), [](const std::string& a, const std::string& b) {
        return platform::LowerAscii(a) < platform::LowerAscii(b);
    });
    return true;
}

bool AddFavouriteRoom(const std::string& path, const std::string& name, std::string* error) {
    // The INI form drops blanks around a key and reads "=", "[" and ";" as its own marks.
    const std::string key = platform::TrimBlanks(name);
    if (key.empty()) return Fail(error, "Donnez le nom du salon.");
    if (key.find('=') != std::string::npos || key.front() == '[' || key.front() == ';') {
        return Fail(error,
                    "Un salon pr\xE9"
                    "f\xE9r\xE9 ne peut pas contenir \xAB = \xBB ni commencer par \xAB [ \xBB "
                    "ou \xAB ; \xBB.");
    }
    platform::IniFile ini(path);
    if (!ini.Readable()) return Fail(error, Unreadable(path));
    ini.WriteString(kSection, key, "null");
    return Save(ini, error);
}

bool DeleteFavouriteRoom(const std::string& path, const std::string& name, std::string* error) {
    platform::IniFile ini(path);
    if (!ini.Readable()) return Fail(error, Unreadable(path));
    // Keys are deleted as the file spells them: the INI form trims fewer blanks around a name
    // than the list does, and a name with a control character before it would stay.
    const std::string wanted = platform::LowerAscii(platform::TrimBlanks(name));
    bool deleted = false;
    for (const std::string& key : ini.SectionKeys(kSection)) {
        if (platform::LowerAscii(platform::TrimBlanks(key)) != wanted) continue;
        ini.DeleteKey(kSection, key);
        deleted = true;
    }
    return !deleted || Save(ini, error);
}
