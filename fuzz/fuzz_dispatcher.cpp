// Inbound chat lines, whatever the server sends, through the dispatcher into the real child
// windows of a logged-in program (headless, no network): nothing may crash, hang or send a
// line that the server would read as two.
#include <QCoreApplication>
#include <QEvent>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "main/dispatcher.h"
#include "main/shell_windows.h"
#include "qt_fuzz_app.h"
#include "session/chat_line.h"

namespace {

// Making the windows costs far more than most inputs: they are kept from one input to the
// next and made anew every so often, so that what inputs leave in them stays small.
constexpr int kInputsPerWindows = 1000;

struct LoggedIn {
    ShellWindows windows;
    Dispatcher dispatcher{windows.context(), [](const std::string& line) {
                              Require(line.find('\n') == std::string::npos);
                          }};
};

// Each input starts logged in, with the standard windows open, no private window and the
// state of a fresh login.
LoggedIn& Program() {
    static LoggedIn* program = new LoggedIn;
    static int inputs = 0;
    ShellWindows& windows = program->windows;
    if (++inputs % kInputsPerWindows == 0 || !windows.RoomWindow()) {
        windows.CloseAllWindows();
        windows.OpenStandardWindows();
    }
    windows.ClosePrivateWindows();
    windows.state = ProgramState{};
    windows.state.Config.MaxMessages = 100;
    windows.session.Alias = "moi";
    windows.session.ServerId = "me";
    windows.session.TempID = "T123";
    windows.session.Status = "en ligne";
    windows.friends = {"ami"};
    return *program;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzApplication();
    return 0;
}

// Each input line is one chat line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = AsText(data, size);
    Dispatcher& dispatcher = Program().dispatcher;
    while (!input.empty()) {
        const ChatLine line = SplitChatLine(TakePart(input, '\n'));
        dispatcher.BabillonChatCommande(line.code, line.params);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
