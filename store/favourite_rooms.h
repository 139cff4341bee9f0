#pragma once

#include <string>
#include <vector>

// "salons.vek" in the program's directory: section "Salons", one key per favourite room (the
// name as typed or listed), the value always "null". Only the key names count.

std::string FavouriteRoomsPath();

// The names sorted without regard to ASCII case. A missing file holds none; a file that
// exists but cannot be read gives false with a French text for the user in *error.
bool LoadFavouriteRooms(const std::string& path, std::vector<std::string>* names,
                        std::string* error);

// False with a French text in *error when the name cannot be a key of the file or the file
// could not be written; an unreadable file is never replaced.
bool AddFavouriteRoom(const std::string& path, const std::string& name, std::string* error);
// A name that is not in the file is not an error.
bool DeleteFavouriteRoom(const std::string& path, const std::string& name, std::string* error);
