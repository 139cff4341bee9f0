#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace babillon {

struct Room {
    std::string wire_name;  // blanks written '#', e.g. "Salon#Ami#0"
    std::string attribute;  // "0" public, "1" private, "2" permanent
    std::string creator;
    bool in_public_list = false;
    bool in_permanent_list = false;
    bool built_in = false;  // listed even when empty
};

// The rooms the server knows: a few built-in ones and those that users create by joining an
// unknown name. A room is found by its key, so "VIP Babillon", "vip#babillon" and
// "VIP#Babillon" are the same room, and "Paris" is the room "Paris#0".
class Rooms {
  public:
    static constexpr std::string_view kDefaultRoom = "Accueil#0";

    Rooms();

    // The room named `name`, created (with `creator`) when unknown; kind "1" makes a new
    // room private. An empty name means the default room.
    const Room& Resolve(std::string_view name, std::string_view kind, std::string_view creator);
    const Room* Find(std::string_view wire_name) const;
    // A room listed even while empty; a known name keeps its room.
    void AddListed(std::string_view wire_name, std::string_view attribute,
                   std::string_view creator, bool in_public_list, bool in_permanent_list);
    std::vector<const Room*> PublicList() const;
    std::vector<const Room*> PermanentList() const;

    static std::string Key(std::string_view name);

  private:
    std::map<std::string, Room> by_key_;
    std::vector<std::string> order_;  // keys in order of creation, for stable lists
};

}  // namespace babillon
