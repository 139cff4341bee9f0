// Windows that the server's lines close while one of their dialogs runs, a welcome that
// comes twice and a favourites file that cannot be read: the program neither aborts nor
// stops handling lines, and the user logs in again.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "main/scripted_chat_fixture.h"

namespace {

using namespace std::chrono_literals;

// Every connection is greeted, then refused with "11" once the test says so.
class WindowLifetimeTest : public ScriptedChatTest {
  protected:
    void SetUp() override {
        ScriptedChatTest::SetUp();
        Play([this](int fd) {
            Greet(fd);
            while (!refuse_ && !stopping_) std::this_thread::sleep_for(5ms);
            RawListener::SendAll(fd, "11\n");
            RawListener::ReadUntil(fd, "\n\n");
        });
    }

    void TearDown() override {
        stopping_ = true;
        ScriptedChatTest::TearDown();
    }

    bool LogIn() {
        refuse_ = false;
        StartLogIn();
        return InRoom();
    }

    // Only the debug console is left, alone in the strip.
    bool OnlyDebugLeft() {
        return main().RoomWindow() == nullptr && main().DebugWindow() != nullptr &&
               main().MdiArea()->subWindowList().size() == 1 &&
               FormInTab(0) == main().DebugWindow();
    }

    std::atomic<bool> refuse_{false};
    std::atomic<bool> stopping_{false};
};

// Answers, once, the first dialog or menu that runs from now on.
class WhenRunning {
  public:
    explicit WhenRunning(std::function<void(QWidget*)> answer) {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
            QWidget* running = QApplication::activePopupWidget();
            if (!running) running = QApplication::activeModalWidget();
            if (!running) return;
            poll_.stop();
            seen = running->metaObject()->className();
            answer(running);
        });
        poll_.start(10);
    }
    QString seen;

  private:
    QTimer poll_;
};

QAbstractButton* Button(QWidget& form, const char* name) {
    auto* button = form.findChild<QAbstractButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
}

// The room and a private conversation, each with a message, so that there is something to print.
QWidget* RoomWithText(Tform_main& main) {
    main.RoomWindow()->AppendRoomText("K1", "Bea", "0101Bonjour");
    return main.RoomWindow();
}
QWidget* PrivateWithText(Tform_main& main) {
    return main.PrivateWindow(main.OpenPrivateWindow("K1", "Bea", "30", "0", "Lyon", "0101Salut",
                                                     false));
}

TEST_F(WindowLifetimeTest, ARefusalClosesEveryWindowUnderItsRunningDialog) {
    struct Row {
        std::string case_name;
        std::function<QWidget*(Tform_main&)> window;
        std::function<void(Tform_main&, QWidget&)> open;
        const char* dialog;
    };
    using Open = std::function<void(Tform_main&, QWidget&)>;
    const Open click_print = [](Tform_main&, QWidget& form) {
        Button(form, "FlatButton2")->click();
    };
    const Open preview = [](Tform_main&, QWidget& form) {
        qobject_cast<QToolButton*>(Button(form, "FlatButton2"))->menu()->actions()[0]->trigger();
    };
    const Open print_menu = [](Tform_main&, QWidget& form) {
        qobject_cast<QToolButton*>(Button(form, "FlatButton2"))->showMenu();
    };
    const Open click_export = [](Tform_main&, QWidget& form) {
        Button(form, "FlatButton3")->click();
    };
    const Open click_phrases = [](Tform_main&, QWidget& form) {
        Button(form, "FlatButton4")->click();
    };
    std::vector<Row> rows = {
        {"debug detail", [](Tform_main& main) -> QWidget* { return main.DebugWindow(); },
         [](Tform_main& main, QWidget&) {
             main.DebugWindow()->list_debug->setCurrentRow(0);
             main.DebugWindow()->btn_detail->click();
         },
         "QMessageBox"},
        {"room list help", [](Tform_main& main) -> QWidget* { return main.RoomListWindow(); },
         [](Tform_main&, QWidget& form) { Button(form, "FlatButton6")->click(); }, "QMessageBox"},
        {"room list favourite", [](Tform_main& main) -> QWidget* { return main.RoomListWindow(); },
         [](Tform_main&, QWidget& form) { Button(form, "btn_add")->click(); }, "QInputDialog"},
        // The main window's own box, while the room window goes.
        {"busy reason", [](Tform_main& main) -> QWidget* { return main.RoomWindow(); },
         [](Tform_main& main, QWidget&) { main.findChild<QAction*>("Occupe1")->trigger(); },
         "QInputDialog"},
    };
    const std::pair<const char*, std::function<QWidget*(Tform_main&)>> conversations[] = {
        {"room", RoomWithText}, {"private", PrivateWithText}};
    const std::tuple<const char*, Open, const char*> conversation_dialogs[] = {
        {"print", click_print, "QPrintDialog"},
        {"preview", preview, "QPrintPreviewDialog"},
        {"print menu", print_menu, "QMenu"},
        {"export", click_export, "QFileDialog"},
        {"configuration", click_phrases, "Tform_config"}};
    for (const auto& [name, window] : conversations) {
        for (const auto& [dialog_name, open, dialog] : conversation_dialogs) {
            rows.push_back({std::string(name) + " " + dialog_name, window, open, dialog});
        }
    }

    for (const Row& row : rows) {
        SCOPED_TRACE(row.case_name);
        ASSERT_TRUE(LogIn());
        QPointer<QWidget> form = row.window(main());
        ASSERT_FALSE(form.isNull());
        QPointer<QWidget> shown;
        bool menu = false;
        WhenRunning watch([&](QWidget* running) {
            shown = running;
            refuse_ = true;
            // A menu's own loop handles the refusal.
            menu = qobject_cast<QMenu*>(running) != nullptr;
            if (menu) return;
            EXPECT_TRUE(WaitUntil([&] { return OnlyDebugLeft(); }));
            // Its loop runs below: it may be ended, not destroyed.
            ASSERT_FALSE(shown.isNull());
            // The main window's dialogs stay for the user to close.
            if (shown->isVisible()) shown->close();
        });
        row.open(main(), *form);
        // A menu stays with its window until its loop is left.
        if (menu) {
            EXPECT_FALSE(shown.isNull());
        }
        EXPECT_EQ(watch.seen, row.dialog);
        EXPECT_TRUE(WaitUntil([&] { return form.isNull(); }));
        EXPECT_TRUE(OnlyDebugLeft());
    }
    EXPECT_TRUE(LogIn());
}

TEST_F(WindowLifetimeTest, ARepeatedWelcomeIsAnsweredAndOpensNothingNew) {
    std::atomic<bool> answered{false};
    std::atomic<bool> checked{false};
    Play([&](int fd) {
        Greet(fd);
        RawListener::SendAll(fd, "100\n");
        answered = RawListener::ReadUntil(fd, "\r\n0\t0\t").ends_with("\r\n0\t0\t");
        AwaitCheck(fd);
        checked = true;
        RawListener::ReadUntil(fd, "\n\n");
    });
    StartLogIn();
    ASSERT_TRUE(InRoom());
    ASSERT_TRUE(WaitUntil([&] { return checked.load(); }));
    EXPECT_TRUE(answered);
    EXPECT_EQ(main().Tabs()->Count(), 7);
    EXPECT_EQ(main().MdiArea()->subWindowList().size(), 7);

    main().ConnectionAction()->trigger();
    EXPECT_TRUE(OnlyDebugLeft());
    EXPECT_EQ(main().Tabs()->Count(), 1);
}

// The box that tells of it waits until the welcome's handler is done, and does not stop the
// lines behind it: the user gets into the room while it is open.
TEST_F(WindowLifetimeTest, AnUnreadableFavouritesFileIsToldWithoutHoldingTheLines) {
    std::filesystem::create_directory(data_dir_.filePath("salons.vek").toStdString());
    bool held = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && main().Babillon.ServerId.str().empty()) {
            held = true;
            box->close();
        }
    });
    watchdog.start(3000);
    ASSERT_TRUE(LogIn());
    EXPECT_FALSE(held);
    QPointer<Tform_salons> rooms = main().RoomListWindow();
    QPointer<QMessageBox> box = rooms->findChild<QMessageBox*>();
    ASSERT_FALSE(box.isNull());
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().contains("illisible"));

    // The box goes with its window.
    refuse_ = true;
    EXPECT_TRUE(WaitUntil([&] { return rooms.isNull() && box.isNull(); }));
    EXPECT_TRUE(OnlyDebugLeft());
}

}  // namespace
