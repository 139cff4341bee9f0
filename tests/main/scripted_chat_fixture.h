#pragma once

// A shown main window whose identification side is babillon-server and whose chat side is
// the test's own listener, which plays each accepted connection with the script the test set
// last.
#include <QLineEdit>
#include <functional>
#include <mutex>

#include "config/form_connex.h"
#include "main/main_window_fixture.h"
#include "main/qt_main_thread.h"
#include "session/raw_listener.h"
#include "support/babillon_server.h"
#include "support/server_config.h"

class ScriptedChatTest : public MainWindowTest {
  protected:
    void SetUp() override {
        TestApplication();
        net::InstallMainThread(&main_thread_);
        ASSERT_TRUE(WriteServerConfig(data_dir_.path(), server_.http_port(), chat_.port()));
        MainWindowTest::SetUp();
    }

    void TearDown() override {
        MainWindowTest::TearDown();
        net::InstallMainThread(nullptr);
    }

    void Play(std::function<void(int fd)> script) {
        std::lock_guard lock(mutex_);
        script_ = std::move(script);
    }

    void StartLogIn() {
        main().ConnectionAction()->trigger();
        Tform_connex* dialog = main().ConnexWindow();
        ASSERT_NE(dialog, nullptr);
        dialog->text_pseudo->setText("test");
        dialog->text_alias->setText("Moi");
        dialog->text_salon->setText("Salon#Ami");
        dialog->text_pass->setText("test");
        QTest::keyClick(dialog->text_pass, Qt::Key_Return);
    }

    bool InRoom() {
        return WaitUntil([&] {
            return main().RoomWindow() != nullptr && !main().Babillon.ServerId.str().empty() &&
                   !main().State().WaitingForMembers;
        });
    }

    // Welcomes and identifies the user and puts her in her room with one other member.
    static void Greet(int fd) {
        RawListener::SendAll(fd, "100\n");
        RawListener::ReadUntil(fd, "\r\n");
        RawListener::SendAll(fd, "0\tMOI\ta\tb\n");
        RawListener::ReadUntil(fd, "40\t");
        RawListener::ReadUntil(fd, "\r\n");
        RawListener::SendAll(fd, "40\t0\tSalon#Ami\n85\t-1\tK1\tx\tBea\t0\t30\t0\tLyon\n");
    }

    // A well-behaved chat server, that keeps the line until the user goes.
    static void Behave(int fd) {
        Greet(fd);
        RawListener::ReadUntil(fd, "\n\n");
    }

    // Waits for the client's answer to a check: it comes once every line before is handled.
    static void AwaitCheck(int fd) {
        RawListener::SendAll(fd, "667\n");
        RawListener::ReadUntil(fd, "667");
    }

    QtMainThread main_thread_;
    BabillonServer server_;
    std::mutex mutex_;
    std::function<void(int)> script_ = Behave;
    RawListener chat_{[this](int fd) {
        std::function<void(int)> script;
        {
            std::lock_guard lock(mutex_);
            script = script_;
        }
        script(fd);
    }};
};
