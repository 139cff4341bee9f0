// macros.vek as it may have been edited by hand, and a partner's remote calls: every macro
// expands to its trimmed text, an answer goes whole in one line and never calls the partner
// back, and the lines sent for a call are whole chat lines.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "conversation/composition.h"
#include "conversation/macros.h"
#include "fuzz_data_dir.h"
#include "fuzz_input.h"
#include "platform/text_trim.h"
#include "qt_fuzz_app.h"
#include "store/macro_store.h"

namespace {

void CheckLines(const SendResult& sent) {
    for (const std::string& line : sent.lines)
        Require(!line.empty() && line.find_first_of("\r\n") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzApplication();
    FuzzDataDir();
    return 0;
}

// The file, a NUL, then the body of a private message from the partner.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = AsText(data, size);
    const std::string path = FuzzDataPath("macros.vek");
    WriteFuzzFile(path, TakePart(input, '\0'));
    const MacroTable table = LoadMacros(path);
    for (const auto& macro : table) {
        const std::string& name = macro.first;
        Require(name == platform::LowerAscii(name));
        if (IsBuiltInMacro(name)) continue;
        const auto first = std::find_if(table.begin(), table.end(),
                                        [&name](const auto& other) { return other.first == name; });
        Require(ExpandMacro(table, name) == platform::TrimBlanks(first->second));
    }
    const std::string body(input);
    Require(!RemoteMacroAnswer(table, body, true));
    if (const std::optional<std::string> answer = RemoteMacroAnswer(table, body, false)) {
        Require(!answer->empty() && answer->front() != '#');
        // Whole or not at all: the partner's client reads the answer as one call at most.
        if (const std::optional<std::string> line = MacroAnswerLine(*answer, "partenaire")) {
            const std::string sent_body = line->substr(line->find_last_of('\t') + 1);
            Require(sent_body.size() <= kMaxPhraseLength + 4);
            Require(!platform::TrimBlanks(sent_body.substr(4)).starts_with('#'));
            CheckLines(SendResult{{*line}, false, {}});
        }
    }
    const auto expand = [&table](const std::string& name) { return ExpandMacro(table, name); };
    CheckLines(PrivateSendLines("!" + body, "partenaire", "0102", true, expand));
    return 0;
}
