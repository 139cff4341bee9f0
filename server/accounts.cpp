#include "server/accounts.h"

#include <fstream>
#include <sstream>

#include "server/text.h"

namespace babillon {

Accounts::Accounts() {
    passwords_["test"] = "test";
}

bool Accounts::Load(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read accounts file " + path;
        return false;
    }
    std::map<std::string, std::string> loaded;
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string login, password, extra;
        if (!(words >> login) || login[0] == '#') continue;
        if (!(words >> password) || (words >> extra)) {
            error = path + ":" + std::to_string(number) + ": expected \"login password\"";
            return false;
        }
        loaded[AsciiLower(login)] = password;
    }
    passwords_ = std::move(loaded);
    return true;
}

LoginOutcome Accounts::Check(std::string_view login, std::string_view password) const {
    const std::string key = AsciiLower(login);
    if (key == "probleme3") return LoginOutcome::problem3;
    if (key == "probleme4") return LoginOutcome::problem4;
    if (GetsBrowserNotice(key)) return LoginOutcome::accepted;
    const auto found = passwords_.find(key);
    if (found == passwords_.end() || found->second != password) return LoginOutcome::refused;
    return LoginOutcome::accepted;
}

bool Accounts::GetsBrowserNotice(std::string_view login) {
    return AsciiLower(login) == "microsoft";
}

}  // namespace babillon
