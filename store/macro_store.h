#pragma once

#include <string>
#include <utility>
#include <vector>

// "macros.vek" in the program's directory: section "Macros", one key per macro name, its
// value the macro's text.

// (name, text) pairs in the order of the file's keys; names lower-cased.
using MacroTable = std::vector<std::pair<std::string, std::string>>;

// Built in: "date", "time" and "version". They are not in the file and cannot be deleted.
bool IsBuiltInMacro(const std::string& name);

std::string MacrosPath();

// A missing or unreadable file gives an empty table.
MacroTable LoadMacros(const std::string& path);

// Writes the text under LowerCase(Trim(name)). False with a French text for the user in
// *error when the name cannot be a macro or the file could not be written.
bool AddMacro(const std::string& path, const std::string& name, const std::string& text,
              std::string* error);

// Deletes every key of that name (trimmed, lower-cased); a name that is not in the file is
// not an error. Built-in names are refused.
bool DeleteMacro(const std::string& path, const std::string& name, std::string* error);
