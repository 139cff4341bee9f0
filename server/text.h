#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace babillon {

// Form and query decoding: "+" is a blank, "%XX" the byte XX; a "%" without two hex digits
// stays as it is.
std::string UrlDecode(std::string_view text);

// "a=1&b=2" as (name, value) pairs, in order, decoded unless `decode` is false.
std::vector<std::pair<std::string, std::string>> ParseForm(std::string_view text,
                                                           bool decode = true);

// The value of the first pair named `name`, or empty text.
std::string FormValue(const std::vector<std::pair<std::string, std::string>>& form,
                      std::string_view name);

// The login pages come in Windows-1252; the chat side speaks UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

std::string AsciiLower(std::string_view text);

// Splits at every `separator`, keeping empty fields.
std::vector<std::string> Split(std::string_view text, char separator);

}  // namespace babillon
