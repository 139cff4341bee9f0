// Saves one data file of the program through its real store code, for the kill test:
//
//     store_saver <directory> <config|identities|macros|rooms> <a|b|loop>
//
// "a" and "b" save one of the two contents and end; "loop" saves them in turn until killed,
// writing one byte to its standard output once the first save is done.
#include <cstring>
#include <iostream>
#include <string>

#include "platform/exe_dir.h"
#include "store/favourite_rooms.h"
#include "store/identity_store.h"
#include "store/macro_store.h"
#include "store/settings_store.h"

namespace {

bool SaveConfigVersion(bool b) {
    TConfig values = DefaultConfig();
    // Two hundred answers make the file long enough to be caught half written.
    for (int i = 0; i < 200; ++i) values.RepPerso.push_back((b ? "b" : "a") + std::to_string(i));
    TConfig loaded;
    return SaveConfig(values, loaded);
}

bool SaveIdentityVersion(bool b) {
    return WriteIdentity("Alterne", "alterne", "30", "Homme", "Paris", "Accueil",
                         b ? "version b" : "version a");
}

bool SaveMacroVersion(bool b) {
    std::string error;
    return AddMacro(MacrosPath(), "alterne", b ? "version b" : "version a", &error);
}

bool SaveRoomVersion(bool b) {
    std::string error;
    return b ? DeleteFavouriteRoom(FavouriteRoomsPath(), "Alterne", &error)
             : AddFavouriteRoom(FavouriteRoomsPath(), "Alterne", &error);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: store_saver <directory> <config|identities|macros|rooms> <a|b|loop>\n";
        return 2;
    }
    platform::SetExeDirOverride(argv[1]);
    const std::string kind = argv[2];
    bool (*save)(bool) = kind == "config"       ? SaveConfigVersion
                         : kind == "identities" ? SaveIdentityVersion
                         : kind == "macros"     ? SaveMacroVersion
                         : kind == "rooms"      ? SaveRoomVersion
                                                : nullptr;
    if (save == nullptr) {
        std::cerr << "store_saver: unknown file kind " << kind << "\n";
        return 2;
    }
    if (std::strcmp(argv[3], "loop") != 0) return save(std::strcmp(argv[3], "b") == 0) ? 0 : 1;
    if (!save(false)) return 1;
    std::cout << '.' << std::flush;
    for (bool b = true;; b = !b) {
        if (!save(b)) return 1;
    }
}
