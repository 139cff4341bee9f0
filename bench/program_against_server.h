#pragma once

// The whole program against babillon-server: the server started with the given options, Tamaris
// configured for it and logged in through its real windows, for the measurements of bench/.

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/form_connex.h"
#include "conversation/form_salon.h"
#include "main/form_main.h"
#include "main/qt_main_thread.h"
#include "platform/exe_dir.h"
#include "program/program_state.h"
#include "support/babillon_server.h"
#include "support/server_config.h"
#include "widgets/babi_rich_view.h"

// VmHWM or VmRSS of this process, in MiB.
inline double MemoryMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024;
    }
    return 0;
}

// Runs the event loop until done() holds or the limit passes.
inline void RunEventsUntil(int limit_ms, const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limit_ms && !done()) QTest::qWait(5);
}

// babillon-server with the given options, and Tamaris configured for it, logged in to a room.
class ProgramAgainstServer {
  public:
    ProgramAgainstServer(std::vector<std::string> server_args, const char* room)
        : server_(std::move(server_args)) {
        WriteServerConfig(data_dir_.path(), server_.http_port(), server_.chat_port());
        platform::SetExeDirOverride(data_dir_.path().toStdString());
        net::InstallMainThread(&main_thread_);
        main_ = std::make_unique<Tform_main>(program_, MainWindowOptions{false});
        main_->resize(1000, 700);
        main_->show();
        main_->ConnectionAction()->trigger();
        Tform_connex* dialog = main_->ConnexWindow();
        dialog->text_pseudo->setText("test");
        dialog->text_alias->setText("Mesure");
        dialog->text_salon->setText(room);
        dialog->text_pass->setText("test");
        QTest::keyClick(dialog->text_pass, Qt::Key_Return);
    }
    ~ProgramAgainstServer() {
        main_.reset();
        net::InstallMainThread(nullptr);
        platform::SetExeDirOverride("");
    }
    Tform_main& main() { return *main_; }
    int RoomMessages() {
        return main_->RoomWindow() ? main_->RoomWindow()->rich_salon->ParagraphCount() : 0;
    }
    int RoomMembers() {
        return main_->RoomWindow() ? main_->RoomWindow()->list_membres->model()->rowCount() : 0;
    }

  private:
    QTemporaryDir data_dir_;
    BabillonServer server_;
    QtMainThread main_thread_;
    ProgramState program_;
    std::unique_ptr<Tform_main> main_;
};
