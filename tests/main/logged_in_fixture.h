#pragma once

// A shown main window logged in to babillon-server as "Moi", with a second member ("Bea", a
// plain line client) in the same room.
#include <QFile>
#include <QLineEdit>
#include <future>
#include <optional>

#include "config/form_connex.h"
#include "main/main_window_fixture.h"
#include "main/qt_main_thread.h"
#include "server/participant.h"
#include "support/server_config.h"

inline constexpr char kRoom[] = "Salon#Ami";

class LoggedInTest : public MainWindowTest {
  protected:
    void SetUp() override {
        TestApplication();
        net::InstallMainThread(&main_thread_);
        ASSERT_TRUE(WriteServerConfig(data_dir_.path(), server_.http_port(), server_.chat_port()));
        MainWindowTest::SetUp();
        LogIn();
        bea_ = Enter(server_, "Bea", kRoom);
        ASSERT_FALSE(bea_.chatid.empty());
    }

    void TearDown() override {
        MainWindowTest::TearDown();
        net::InstallMainThread(nullptr);
    }

    void LogIn() {
        main().ConnectionAction()->trigger();
        Tform_connex* dialog = main().ConnexWindow();
        ASSERT_NE(dialog, nullptr);
        dialog->text_pseudo->setText("test");
        dialog->text_alias->setText("Moi");
        dialog->text_salon->setText(kRoom);
        dialog->text_pass->setText("test");
        QTest::keyClick(dialog->text_pass, Qt::Key_Return);
        // The room window opens at the welcome, before the room is entered: the room name
        // tells that the entry (which follows the room list) has come, and the flag that its
        // member list has.
        ASSERT_TRUE(WaitUntil([&] {
            return main().RoomWindow() != nullptr && !main().Babillon.ServerId.str().empty() &&
                   !main().State().RoomCounts.room.empty() && !main().State().WaitingForMembers;
        }));
    }

    // The next line Bea receives that starts with prefix. She reads on a thread of her own:
    // the program's lines need the event loop meanwhile.
    std::string BeaReads(const std::string& prefix) {
        auto line =
            std::async(std::launch::async, [&] { return bea_.line->ReadLineStartingWith(prefix); });
        WaitUntil(
            [&] { return line.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        const std::optional<std::string> read = line.get();
        return read ? *read : std::string("(nothing)");
    }
    std::string Me() const { return window_->Babillon.ServerId.str(); }
    std::string MyAlias() const { return window_->Babillon.Alias.str(); }

    QtMainThread main_thread_;
    BabillonServer server_;
    Participant bea_;
};
