#pragma once

#include <map>
#include <string>
#include <string_view>

namespace babillon {

enum class LoginOutcome { accepted, refused, problem3, problem4 };

// The service accounts: "login password" pairs. Logins compare without regard to ASCII case
// (the client lower-cases them), passwords exactly.
//
// Three logins exist whatever the accounts file says and take any password, so that tests can
// reach the service's failure pages: "probleme3" and "probleme4" get the problem -3 / -4
// pages at login, "microsoft" logs in but gets the browser notice instead of the temporary id.
class Accounts {
  public:
    Accounts();  // the one account test / test

    // Replaces the accounts by those of the file: one "login password" per line; blank lines
    // and lines starting with '#' are skipped. On failure the accounts stay as they were.
    bool Load(const std::string& path, std::string& error);

    LoginOutcome Check(std::string_view login, std::string_view password) const;

    static bool GetsBrowserNotice(std::string_view login);

  private:
    std::map<std::string, std::string> passwords_;
};

}  // namespace babillon
