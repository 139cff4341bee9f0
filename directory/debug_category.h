#pragma once

#include <string_view>

#include "session/session_codes.h"

// The name that the debug console shows for a category: a number outside the list is
// "standard".
std::string_view CategoryName(DebugCategory category);

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
