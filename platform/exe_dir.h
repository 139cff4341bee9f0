#pragma once

#include <string>
#include <string_view>

// The program keeps its data files ("config.vek", "ID.vek", ...) in the directory of its
// executable.
namespace platform {

// The executable's directory as a file-system path, ending in '/'.
std::string ExeDir();

// The same directory as the program's Windows-1252 text (a character that the code page
// lacks becomes '?'), for settings that show or store it.
std::string ExeDirText();

// ExeDir() + name.
std::string DataFilePath(std::string_view name);

// Points ExeDir() at another directory (a '/' is added when missing); an empty text goes
// back to the executable's own. Lets tests keep their data files in a temporary directory.
void SetExeDirOverride(std::string dir);

}  // namespace platform
