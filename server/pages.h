#pragma once

#include <string>
#include <string_view>

// The HTML pages of the identification site. Accents are written as HTML entities so that
// the pages are the same bytes in any character set.
namespace babillon::pages {

std::string LoginAccepted(std::string_view login);
std::string LoginRefused();
std::string Problem(int code);  // code -3 or -4
std::string ChatConfiguration(std::string_view login);
std::string ChatValidated(std::string_view alias, std::string_view room);
std::string TempId(std::string_view tempid);
std::string BrowserNotice();
std::string News();
std::string Profile(std::string_view alias);
std::string Compose(std::string_view reply_to);
std::string NotIdentified();
std::string NotFound(std::string_view path);
std::string BadRequest();

// Text for inclusion in a page: &, <, > and " escaped, other bytes kept as they are.
std::string Escape(std::string_view text);

}  // namespace babillon::pages
