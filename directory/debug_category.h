#pragma once

#include <cstdint>
#include <string_view>

// Debug categories: 1 ok, 2 warning, 3 connex, 4 chat, 5 error, any other standard.
std::string_view CategoryName(std::uint8_t category);

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct CategoryColours {
    Rgb background;
    Rgb text;
};

// The colours of a list item by its category name; an unknown name is drawn as "standard".
CategoryColours ColoursOfCategory(std::string_view name);
