#include "server/rooms.h"

#include "server/text.h"

namespace babillon {

Rooms::Rooms() {
    struct BuiltIn {
        const char* wire_name;
        const char* attribute;
        bool in_public_list;
        bool in_permanent_list;
    };
    static constexpr BuiltIn kBuiltIn[] = {
        {"Accueil#0", "2", false, true},      {"VIP#Babillon", "2", true, true},
        {"Salon#Ami#0", "0", true, false},    {"Rencontres#0", "0", true, false},
        {"Paris#0", "0", true, false},        {"Trentenaires#0", "0", true, false},
        {"Musique#0", "0", true, false},      {"Aide#0", "2", false, true},
        {"Quiz#du#soir#0", "2", false, true},
    };
    for (const BuiltIn& room : kBuiltIn) {
        const std::string key = Key(room.wire_name);
        by_key_[key] = Room{room.wire_name,      room.attribute,         "Babillon",
                            room.in_public_list, room.in_permanent_list, true};
        order_.push_back(key);
    }
}

std::string Rooms::Key(std::string_view name) {
    std::string key = AsciiLower(name);
    for (char& c : key) {
        if (c == '#') c = ' ';
    }
    while (!key.empty() && key.front() == ' ') key.erase(0, 1);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    if (key.ends_with(" 0")) key.resize(key.size() - 2);
    return key;
}

const Room& Rooms::Resolve(std::string_view name, std::string_view kind, std::string_view creator) {
    std::string key = Key(name);
    if (key.empty()) key = Key(kDefaultRoom);
    const auto found = by_key_.find(key);
    if (found != by_key_.end()) return found->second;

    Room room;
    room.wire_name = std::string(name);
    for (char& c : room.wire_name) {
        if (c == ' ') c = '#';
    }
    const bool is_private = kind == "1";
    room.attribute = is_private ? "1" : "0";
    room.creator = std::string(creator);
    room.in_public_list = !is_private;
    order_.push_back(key);
    return by_key_[key] = std::move(room);
}

void Rooms::AddListed(std::string_view wire_name, std::string_view attribute,
                      std::string_view creator, bool in_public_list, bool in_permanent_list) {
    const std::string key = Key(wire_name);
    if (by_key_.contains(key)) return;
    by_key_[key] = Room{std::string(wire_name), std::string(attribute), std::string(creator),
                        in_public_list,         in_permanent_list,      true};
    order_.push_back(key);
}

const Room* Rooms::Find(std::string_view wire_name) const {
    const auto found = by_key_.find(Key(wire_name));
    return found == by_key_.end() ? nullptr : &found->second;
}

std::vector<const Room*> Rooms::PublicList() const {
    std::vector<const Room*> list;
    for (const std::string& key : order_) {
        if (by_key_.at(key).in_public_list) list.push_back(&by_key_.at(key));
    }
    return list;
}

std::vector<const Room*> Rooms::PermanentList() const {
    std::vector<const Room*> list;
    for (const std::string& key : order_) {
        if (by_key_.at(key).in_permanent_list) list.push_back(&by_key_.at(key));
    }
    return list;
}

}  // namespace babillon
