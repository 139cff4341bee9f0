#include "conversation/macros.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include "conversation/clock_text.h"
#include "platform/text_trim.h"
#include "program/program_title.h"
#include "widgets/ansi_text.h"

namespace {

constexpr std::size_t kCodeLength = 4;

}  // namespace

std::string ExpandMacro(const MacroTable& table, const std::string& name) {
    const std::string key = platform::LowerAscii(name);
    if (key == "date") {
        return "Nous sommes le " + ToAnsi(DateText(QLocale::system(), QDate::currentDate()));
    }
    if (key == "time") return "Il est " + ToAnsi(TimeText(QLocale::system(), QTime::currentTime()));
    if (key == "version") return kProgramTitle;
    for (const auto& [macro, text] : table) {
        if (macro == key) return platform::TrimBlanks(text);
    }
    return {};
}

std::optional<std::string> RemoteMacroAnswer(const MacroTable& table, const std::string& coded_body,
                                             bool own) {
    if (own || coded_body.size() < kCodeLength) return std::nullopt;
    const std::string body =
        platform::LowerAscii(platform::TrimBlanks(coded_body.substr(kCodeLength)));
    if (!body.starts_with('#')) return std::nullopt;
    // The name follows the "#" directly: "# version" is a remark, not a call.
    const std::string answer = ExpandMacro(table, body.substr(1));
    // An answer that starts with "#" would call the partner's macro of that name in turn, and
    // two clients could then answer each other without end. Our answers never call back, so
    // no such chain can pass through us.
    if (answer.empty() || answer.starts_with('#')) return std::nullopt;
    return answer;
}
