// The program's INI files as a user or another program may have left them: config.vek,
// ID.vek, salons.vek and macros.vek must load without crashing, and what the stores then
// write must read back. The first byte picks the file; the bytes up to the first NUL are a
// name (identity alias, favourite room, macro, INI key) and the rest is the file.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_data_dir.h"
#include "fuzz_input.h"
#include "platform/ini_file.h"
#include "platform/text_trim.h"
#include "store/favourite_rooms.h"
#include "store/identity_store.h"
#include "store/macro_store.h"
#include "store/settings_store.h"

namespace {

constexpr std::size_t kMaxInput = 1024;

std::string ReadFile(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string Blanked(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// Blanks as the INI form trims them around names and values.
std::string IniTrim(std::string_view text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) return {};
    return std::string(text.substr(begin, text.find_last_not_of(blanks) + 1 - begin));
}

bool SameAscii(std::string_view a, std::string_view b) {
    return platform::LowerAscii(a) == platform::LowerAscii(b);
}

// Whatever config.vek holds, saving what was loaded is stable: the second save writes the
// bytes of the first.
void CheckConfig() {
    const TConfig loaded = LoadConfig();
    Require(loaded.MaxMessages >= 0);
    TConfig saved;
    Require(SaveConfig(loaded, saved));
    const std::string first = ReadFile(FuzzDataPath("config.vek"));
    TConfig saved_again;
    Require(SaveConfig(saved, saved_again));
    Require(ReadFile(FuzzDataPath("config.vek")) == first);
}

void CheckIdentities(std::string_view name) {
    const std::vector<std::string> aliases = IdentityAliases();
    for (std::size_t i = 0; i < aliases.size() && i < 8; ++i) {
        const IdentityRecord record = ReadIdentity(aliases[i]);
        Require(AliasOfItem(IdentityListItem(record)) == record.alias.str());
    }
    if (name.empty() || HasLineBreak(name)) return;
    const std::string alias = platform::TrimBlanks(name);
    if (alias.empty() || alias != name) return;
    const IdentityRecord before = ReadIdentity(alias);
    Require(WriteIdentity(alias, before.pseudo.str(), before.age.str(), before.sexe.str(),
                          before.ville.str(), before.salon.str(), before.status.str()));
    // A line break inside a value (a lone CR) is written as a blank, and a value cut to its
    // length may end in blanks that the file drops.
    const IdentityRecord after = ReadIdentity(alias);
    Require(after.pseudo.str() == IniTrim(Blanked(before.pseudo.str())) &&
            after.ville.str() == IniTrim(Blanked(before.ville.str())) &&
            after.status.str() == IniTrim(Blanked(before.status.str())));
    Require(DeleteIdentity(alias));
    for (const std::string& left : IdentityAliases()) Require(!SameAscii(left, alias));
}

void CheckFavouriteRooms(const std::string& name) {
    const std::string path = FuzzDataPath("salons.vek");
    std::vector<std::string> names;
    std::string error;
    Require(LoadFavouriteRooms(path, &names, &error));
    Require(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return platform::LowerAscii(a) < platform::LowerAscii(b);
    }));
    const std::string room = platform::TrimBlanks(name);
    if (!AddFavouriteRoom(path, name, &error)) {
        Require(!error.empty());
        return;
    }
    Require(LoadFavouriteRooms(path, &names, &error));
    if (!HasLineBreak(room)) Require(std::find(names.begin(), names.end(), room) != names.end());
    Require(DeleteFavouriteRoom(path, name, &error));
    Require(LoadFavouriteRooms(path, &names, &error));
    for (const std::string& left : names) Require(!SameAscii(left, room));
}

void CheckMacros(const std::string& name) {
    const std::string path = FuzzDataPath("macros.vek");
    for (const auto& [macro, text] : LoadMacros(path))
        Require(macro == platform::LowerAscii(macro) && !macro.empty());
    const std::string key = platform::LowerAscii(platform::TrimBlanks(name));
    const std::string text = "texte de " + key;
    std::string error;
    if (!AddMacro(path, name, text, &error)) {
        Require(!error.empty());
        return;
    }
    if (!HasLineBreak(key)) {
        const MacroTable table = LoadMacros(path);
        const auto found = std::find_if(table.begin(), table.end(),
                                        [&](const auto& macro) { return macro.first == key; });
        Require(found != table.end() && found->second == platform::TrimBlanks(text));
    }
    Require(DeleteMacro(path, name, &error));
    for (const auto& [macro, value] : LoadMacros(path)) Require(macro != key);
}

// Any file: a value written under a key reads back, in memory and once saved, with its line
// breaks turned into blanks; erasing the section leaves nothing of it.
void CheckIniFile(std::string_view name) {
    const std::string path = FuzzDataPath("any.ini");
    platform::IniFile ini(path);
    for (const std::string& section : ini.SectionNames()) {
        for (const std::string& line : ini.SectionLines(section))
            Require(line.find('=') != std::string::npos && line.front() != '=');
    }
    const std::string section = IniTrim(TakePart(name, '='));
    const std::string key = IniTrim(TakePart(name, '='));
    if (HasLineBreak(section) || key.empty() || HasLineBreak(key) || key.front() == '[' ||
        key.front() == ';') {
        return;
    }
    const std::string expected = Blanked(IniTrim(name));
    ini.WriteString(section, key, name);
    Require(ini.ReadString(section, key, "\x01") == expected);
    Require(ini.Save());
    const platform::IniFile saved(path);
    Require(saved.ReadString(section, key, "\x01") == expected);
    Require(saved.SectionNames() == ini.SectionNames());
    ini.EraseSection(section);
    Require(!ini.SectionExists(section));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzDataDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The stores look every key up through the whole file: larger files only cost time.
    if (size == 0 || size > kMaxInput) return 0;
    std::string_view input = AsText(data + 1, size - 1);
    const std::string name(TakePart(input, '\0'));
    switch (data[0] % 5) {
        case 0:
            WriteFuzzFile(FuzzDataPath("config.vek"), input);
            CheckConfig();
            break;
        case 1:
            WriteFuzzFile(FuzzDataPath("ID.vek"), input);
            CheckIdentities(name);
            break;
        case 2:
            WriteFuzzFile(FuzzDataPath("salons.vek"), input);
            CheckFavouriteRooms(name);
            break;
        case 3:
            WriteFuzzFile(FuzzDataPath("macros.vek"), input);
            CheckMacros(name);
            break;
        case 4:
            WriteFuzzFile(FuzzDataPath("any.ini"), input);
            CheckIniFile(name);
            break;
    }
    return 0;
}
