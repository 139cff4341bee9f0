#include "store/macro_store.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/exe_dir.h"
#include "platform/ini_file.h"
#include "platform/text_trim.h"

namespace {

constexpr const char* kFileName = "macros.vek";
constexpr const char* kSection = "Macros";
constexpr std::array<std::string_view, 3> kBuiltIns{"date", "time", "version"};

bool Fail(std::string* error, std::string text) {
    if (error) *error = std::move(text);
    return false;
}

std::string KeyOf(const std::string& name) {
    return platform::LowerAscii(platform::TrimBlanks(name));
}

bool Save(platform::IniFile& ini, std::string* error) {
    std::string reason;
    if (ini.Save(&reason)) return true;
    return Fail(error, reason);
}

// The key as the INI form reads it back: no "=" inside, no section or comment mark first.
bool IsStorableKey(const std::string& key) {
    return !key.empty() && key.find('=') == std::string::npos && key.front() != '[' &&
           key.front() != ';';
}

// Every line, so that a name written twice by hand keeps its first text, as the lookup takes
// the first pair.
MacroTable TableOf(const platform::IniFile& ini) {
    MacroTable table;
    for (const std::string& line : ini.SectionLines(kSection)) {
        const std::size_t eq = line.find('=');
        table.emplace_back(platform::LowerAscii(line.substr(0, eq)), line.substr(eq + 1));
    }
    return table;
}

}  // namespace

bool IsBuiltInMacro(const std::string& name) {
    for (std::string_view built_in : kBuiltIns) {
        if (name == built_in) return true;
    }
    return false;
}

std::string MacrosPath() {
    return platform::DataFilePath(kFileName);
}

MacroTable LoadMacros(const std::string& path) {
    return TableOf(platform::IniFile(path));
}

bool AddMacro(const std::string& path, const std::string& name, const std::string& text,
              std::string* error) {
    const std::string key = KeyOf(name);
    if (key.empty()) return Fail(error, "Donnez un nom \xE0 la macro.");
    if (!IsStorableKey(key)) {
        return Fail(
            error,
            "Le nom d'une macro ne peut pas contenir \xAB = \xBB ni commencer par \xAB [ \xBB "
            "ou \xAB ; \xBB.");
    }
    if (IsBuiltInMacro(key)) {
        return Fail(error,
                    "Ce nom est celui d'une macro int\xE9gr\xE9"
                    "e \xE0 Tamaris.");
    }
    platform::IniFile ini(path);
    ini.WriteString(kSection, key, text);
    return Save(ini, error);
}

bool DeleteMacro(const std::string& path, const std::string& name, std::string* error) {
    const std::string key = KeyOf(name);
    if (IsBuiltInMacro(key)) {
        return Fail(error,
                    "Il n'est pas possible de d\xE9truire cette macro car elle fait partie "
                    "int\xE9grante de Tamaris");
    }
    platform::IniFile ini(path);
    const MacroTable table = TableOf(ini);
    const auto copies = std::count_if(table.begin(), table.end(),
                                      [&](const auto& macro) { return macro.first == key; });
    if (copies == 0) return true;
    for (auto i = copies; i > 0; --i) ini.DeleteKey(kSection, key);
    return Save(ini, error);
}
