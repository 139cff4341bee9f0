#pragma once

#include <gtest/gtest.h>

#include <QListView>
#include <QListWidget>
#include <QTextBrowser>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "main/dispatcher.h"
#include "main/qt_test_app.h"
#include "main/shell_windows.h"
#include "platform/cp1252.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/babi_rich_view.h"

struct TraceLine {
    std::string text;
    int category;
    friend bool operator==(const TraceLine&, const TraceLine&) = default;
    friend std::ostream& operator<<(std::ostream& out, const TraceLine& line) {
        return out << '{' << testing::PrintToString(line.text) << ", " << line.category << '}';
    }
};

// Windows-1252 text from a UTF-8 literal, as the program keeps its texts.
inline std::string W(std::u16string_view text) {
    return platform::Utf16ToAnsi(text);
}

// The dispatcher over real child windows; lines sent and traces written are recorded.
class DispatcherTest : public ::testing::Test {
  protected:
    DispatcherTest() {
        TestApplication();
        windows.session.OnDebug = [this](const std::string& text, DebugCategory category) {
            traces.push_back({text, static_cast<int>(category)});
        };
    }

    void Run(const std::string& code, const std::vector<std::string>& fields) {
        dispatcher.BabillonChatCommande(code, fields);
    }
    // Forgets what earlier lines sent and traced.
    void Forget() {
        sent.clear();
        traces.clear();
    }
    std::vector<std::string> ListTexts(QAbstractItemView* list) {
        std::vector<std::string> texts;
        const QAbstractItemModel* model = list->model();
        for (int i = 0; i < model->rowCount(); ++i)
            texts.push_back(ToAnsi(model->index(i, 0).data().toString()));
        return texts;
    }
    std::string ViewText(QTextBrowser* view) { return ToAnsi(view->toPlainText()); }

    ShellWindows windows;
    ProgramState& state = windows.state;
    TBabillon& session = windows.session;
    std::vector<std::string> sent;
    std::vector<TraceLine> traces;
    Dispatcher dispatcher{windows.context(),
                          [this](const std::string& line) { sent.push_back(line); }};
};
