#pragma once

#include <string_view>

// Whether `text` matches `pattern`, byte for byte and case-sensitive: "?" stands for any one
// character and "*" for any run of them. Once the text is used up, only an empty pattern or a
// single "*" is left that matches: "ab" does not match "ab**".
//
// The whole of both strings is compared, whatever their length, in time proportional to the
// product of their lengths: a pattern full of stars cannot stall the window.
bool MatchWildcard(std::string_view text, std::string_view pattern);
