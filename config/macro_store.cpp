#include "config/macro_store.h"

#include <unistd.h>

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

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

// The file store reports in English; the user is told in French what most likely stopped it,
// judged from the state of the file and its directory after the failure.
std::string SaveFailure(const std::string& path) {
    std::string reason;
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), R_OK | W_OK) != 0) {
        reason =
            "le fichier existant ne peut pas \xEAtre lu ou modifi\xE9, il est laiss\xE9 tel quel.";
    } else if (::access(DirectoryOf(path).c_str(), F_OK) != 0) {
        reason = "son dossier n'existe pas.";
    } else if (::access(DirectoryOf(path).c_str(), W_OK | X_OK) != 0) {
        reason =
            "son dossier est prot\xE9g\xE9 en \xE9"
            "criture.";
    } else {
        reason =
            "l'\xE9"
            "criture sur le disque a \xE9"
            "chou\xE9 (disque plein ?).";
    }
    return std::string("Impossible d'enregistrer ") + kFileName + " : " + reason;
}

bool Save(platform::IniFile& ini, std::string* error) {
    if (ini.Save()) return true;
    return Fail(error, SaveFailure(ini.Path()));
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
