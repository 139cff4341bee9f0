// The whole program against babillon-server over loopback: the menu opens the connection
// dialog, the dialog logs in, the welcome opens the standard windows, and "Déconnexion"
// goes back to the debug console alone.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "config/form_connex.h"
#include "directory/form_debug.h"
#include "main/main_window_fixture.h"
#include "main/qt_main_thread.h"
#include "support/babillon_server.h"
#include "support/server_config.h"

namespace {

class WholeProgramTest : public MainWindowTest {
  protected:
    void SetUp() override {
        TestApplication();
        net::InstallMainThread(&main_thread_);
        ASSERT_TRUE(data_dir_.isValid());
        // The settings file as the configuration dialog writes it, pointing at the server.
        ASSERT_TRUE(WriteServerConfig(data_dir_.path(), server_.http_port(), server_.chat_port(),
                                      "[EasyPhrases]\r\nF5=Bonjour\r\n"));
        MainWindowTest::SetUp();
    }

    void TearDown() override {
        MainWindowTest::TearDown();
        net::InstallMainThread(nullptr);
    }

    QStringList DebugLines() {
        QStringList lines;
        Tform_debug* debug = main().DebugWindow();
        if (!debug) return lines;
        for (int i = 0; i < debug->list_debug->count(); ++i) {
            lines << debug->list_debug->item(i)->text();
        }
        return lines;
    }

    bool DebugHolds(const QString& text) {
        for (const QString& line : DebugLines()) {
            if (line.contains(text)) return true;
        }
        return false;
    }

    template <typename T>
    T* Control(QWidget* parent, const char* name) {
        T* control = parent->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void LogIn() {
        ASSERT_EQ(main().ConnectionAction()->text(), "&Connexion");
        main().ConnectionAction()->trigger();
        Tform_connex* dialog = main().ConnexWindow();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Connexion au chat");
        EXPECT_FALSE(main().ConnectionAction()->isEnabled());
        EXPECT_EQ(FormInTab(main().Tabs()->Count() - 1), dialog);
        EXPECT_EQ(main().Tabs()->ImageIndex(main().Tabs()->Count() - 1), 0);

        auto* pseudo = Control<QLineEdit>(dialog, "text_pseudo");
        auto* pass = Control<QLineEdit>(dialog, "text_pass");
        auto* age = Control<QLineEdit>(dialog, "text_age");
        auto* sexe = Control<QComboBox>(dialog, "combo_sexe");
        auto* ville = Control<QLineEdit>(dialog, "text_ville");
        auto* salon = Control<QLineEdit>(dialog, "text_salon");
        auto* alias = Control<QLineEdit>(dialog, "text_alias");
        ASSERT_TRUE(pseudo && pass && age && sexe && ville && salon && alias);
        pseudo->setFocus();
        pseudo->clear();
        QTest::keyClicks(pseudo, "test");
        alias->setText(QString::fromUtf8("Cédric"));
        age->setText("27");
        sexe->setCurrentIndex(0);
        ville->setText("Rennes");
        salon->setText("Salon#Ami");
        QTest::keyClicks(pass, "test");
        QTest::keyClick(pass, Qt::Key_Return);

        ASSERT_TRUE(WaitUntil([&] {
            return main().Babillon.VekState == TVekState::Chat &&
                   DebugHolds(QString::fromUtf8("[Chat-100] Commande de bienvenue reçue ; "
                                                "Envoi du tempID ; Ouverture des fenêtres")) &&
                   DebugHolds(QString::fromUtf8("[Chat-40] Entrée dans le salon"));
        })) << DebugLines().join(" | ").toStdString();
        EXPECT_EQ(main().ConnexWindow(), nullptr);
    }

    QtMainThread main_thread_;
    BabillonServer server_;
};

TEST_F(WholeProgramTest, LogInThroughTheMenuThenDisconnect) {
    LogIn();

    // The standard windows in their fixed tabs.
    ASSERT_EQ(main().Tabs()->Count(), 7);
    const std::vector<QWidget*> expected = {main().DebugWindow(),    main().NewsWindow(),
                                            main().RoomListWindow(), main().SearchWindow(),
                                            main().InfoWindow(),     main().FriendsWindow(),
                                            main().RoomWindow()};
    for (int i = 0; i < 7; ++i) {
        ASSERT_NE(expected[i], nullptr) << "tab " << i;
        EXPECT_EQ(FormInTab(i), expected[i]) << "tab " << i;
    }
    EXPECT_EQ(main().Tabs()->Caption(6), "Salon Ami");

    // The status bar as the identification reply and the room entry filled it.
    ASSERT_TRUE(WaitUntil(
        [&] { return main().StatusPanelText(StatusPanel::Salon) == "Salon : Salon Ami"; }));
    EXPECT_EQ(main().StatusPanelText(StatusPanel::Alias), QString::fromUtf8("Alias : cédric"));
    EXPECT_EQ(main().StatusPanelText(StatusPanel::Age), "Age : 27");
    EXPECT_EQ(main().StatusPanelText(StatusPanel::Sexe), "Sexe : H");
    EXPECT_EQ(main().StatusPanelText(StatusPanel::Ville), "Ville : Rennes");
    EXPECT_EQ(main().StatusPanelText(StatusPanel::Status), "Status : en ligne");

    // The steps of the login, in the console.
    for (const char* trace :
         {"Connexion au serveur d'ID [127.0.0.1:", "Cookie reçu : ", "tempID reçu : ",
          "Connexion au serveur de Chat [127.0.0.1:", "[Chat-0] Identifiants personnels : "}) {
        EXPECT_TRUE(DebugHolds(QString::fromUtf8(trace))) << trace;
    }
    EXPECT_EQ(main().ConnectionAction()->text(), QString::fromUtf8("Dé&connexion"));
    EXPECT_TRUE(main().PrivateMenu()->isEnabled());
    EXPECT_TRUE(main().DebugWindow()->btn_envoyer->isEnabled());

    // "Déconnexion": everything closes and the console comes back alone in tab 0.
    main().ConnectionAction()->trigger();
    EXPECT_EQ(main().Babillon.VekState, TVekState::Cookie);
    ASSERT_EQ(main().Tabs()->Count(), 1);
    ASSERT_NE(main().DebugWindow(), nullptr);
    EXPECT_EQ(FormInTab(0), main().DebugWindow());
    EXPECT_EQ(main().RoomWindow(), nullptr);
    EXPECT_EQ(main().NewsWindow(), nullptr);
    EXPECT_EQ(main().ConnectionAction()->text(), "&Connexion");
    EXPECT_FALSE(main().PrivateMenu()->isEnabled());
    EXPECT_FALSE(main().DebugWindow()->btn_envoyer->isEnabled());

    // A second login starts again from the first step.
    LogIn();
    EXPECT_EQ(main().Tabs()->Count(), 7);
}

TEST_F(WholeProgramTest, WrongPasswordIsShownAndLogged) {
    main().ConnectionAction()->trigger();
    Tform_connex* dialog = main().ConnexWindow();
    ASSERT_NE(dialog, nullptr);
    auto* pseudo = Control<QLineEdit>(dialog, "text_pseudo");
    auto* pass = Control<QLineEdit>(dialog, "text_pass");
    ASSERT_TRUE(pseudo && pass);
    pseudo->setText("test");
    QTest::keyClicks(pass, "faux");
    QTest::keyClick(pass, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return main().Babillon.VekState == TVekState::Failed; }));
    ASSERT_TRUE(WaitUntil([&] { return DebugHolds("Mot de passe incorrect\nerror"); }))
        << DebugLines().join(" | ").toStdString();
    EXPECT_EQ(main().ConnectionAction()->text(), "&Connexion");
    EXPECT_EQ(main().Tabs()->Count(), 1);
}

}  // namespace
