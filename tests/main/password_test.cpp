// The password is typed for each login and written nowhere: not in the files beside the
// program, not in the debug console.
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

#include "config/form_connex.h"
#include "main/main_window_fixture.h"
#include "main/qt_main_thread.h"
#include "support/babillon_server.h"
#include "support/server_config.h"
#include "widgets/babi_rich_view.h"

namespace {

constexpr char kPassword[] = "Zq9kWx7v";

class PasswordTest : public MainWindowTest {
  protected:
    void SetUp() override {
        TestApplication();
        net::InstallMainThread(&main_thread_);
        ASSERT_TRUE(accounts_dir_.isValid());
        QFile accounts(accounts_dir_.filePath("accounts"));
        ASSERT_TRUE(accounts.open(QIODevice::WriteOnly));
        accounts.write(QByteArray("jean ") + kPassword + "\n");
        accounts.close();
        server_ = std::make_unique<BabillonServer>(std::vector<std::string>{
            "--accounts", accounts_dir_.filePath("accounts").toStdString()});
        ASSERT_TRUE(
            WriteServerConfig(data_dir_.path(), server_->http_port(), server_->chat_port()));
        MainWindowTest::SetUp();
    }

    void TearDown() override {
        MainWindowTest::TearDown();
        net::InstallMainThread(nullptr);
    }

    QTemporaryDir accounts_dir_;
    QtMainThread main_thread_;
    std::unique_ptr<BabillonServer> server_;
};

TEST_F(PasswordTest, NoFileAndNoTraceHoldsThePassword) {
    main().ConnectionAction()->trigger();
    Tform_connex* dialog = main().ConnexWindow();
    ASSERT_NE(dialog, nullptr);
    dialog->text_pseudo->setText("jean");
    dialog->text_alias->setText("Jeannot");
    dialog->text_salon->setText("Salon#Ami");
    dialog->text_pass->setText(kPassword);
    dialog->btn_saveid->click();
    QTest::keyClick(dialog->text_pass, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] {
        return main().RoomWindow() != nullptr && !main().State().WaitingForMembers &&
               main().RoomWindow()->list_membres->model()->rowCount() > 0;
    }));
    Tform_salon* room = main().RoomWindow();
    room->text_envoi->setText("Bonjour");
    room->btn_envoyer->click();
    ASSERT_TRUE(WaitUntil([&] { return room->rich_salon->toPlainText().contains("Bonjour"); }));

    QStringList traces;
    QListWidget* debug = main().DebugWindow()->list_debug;
    for (int i = 0; i < debug->count(); ++i) traces << debug->item(i)->text();
    EXPECT_TRUE(traces.join('\n').contains(QStringLiteral("Cookie re")));
    EXPECT_FALSE(traces.join('\n').contains(kPassword));
    main().close();
    window_.reset();

    int files = 0;
    for (QDirIterator it(data_dir_.path(), QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_FALSE(file.readAll().contains(kPassword)) << file.fileName().toStdString();
        ++files;
    }
    EXPECT_GE(files, 2);  // config.vek and ID.vek
}

}  // namespace
