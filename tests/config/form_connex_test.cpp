#include "config/form_connex.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "program/program_state.h"
#include "qt_test_support.h"
#include "session/babillon.h"
#include "store/identity_store.h"
#include "support/temp_dir.h"

namespace {

// A loopback port with nothing listening on it.
int ClosedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

class ConnexDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        hooks.enable_connection_entry = [this](bool enabled) { entry_enabled.push_back(enabled); };
        hooks.set_connection_caption = [this](const QString& caption) { captions << caption; };
        hooks.open_connection_settings = [this] { ++settings_opened; };
    }
    void Open() {
        form = new Tform_connex(session, state, hooks);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
    void TearDown() override { delete form; }

    template <class T>
    T* Find(const char* name) {
        T* child = form->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QStringList Aliases() {
        QStringList out;
        for (int i = 0; i < form->list_id_rapide->count(); ++i) {
            out << form->list_id_rapide->item(i)->text();
        }
        return out;
    }
    void Select(const QString& alias) {
        const auto items = form->list_id_rapide->findItems(alias, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << alias.toStdString();
        form->list_id_rapide->setCurrentItem(items.front());
    }

    TempDataDir dir;
    TBabillon session;
    ProgramState state;
    ConnexHooks hooks;
    std::vector<bool> entry_enabled;
    QStringList captions;
    int settings_opened = 0;
    QPointer<Tform_connex> form;
};

TEST_F(ConnexDialog, ControlsByName) {
    Open();
    EXPECT_EQ(form->objectName(), "form_connex");
    EXPECT_EQ(form->windowTitle(), "Connexion au chat");
    const std::pair<const char*, int> limits[] = {
        {"text_pseudo", 32}, {"text_alias", 32}, {"text_pass", 8},    {"text_age", 5},
        {"text_ville", 25},  {"text_salon", 30}, {"text_status", 80},
    };
    for (const auto& [name, limit] : limits) {
        if (auto* edit = Find<QLineEdit>(name)) {
            EXPECT_EQ(edit->maxLength(), limit) << name;
        }
    }
    form->text_pass->setText("s3cret");
    EXPECT_EQ(form->text_pass->displayText(), "******");
    auto* sexes = Find<QComboBox>("combo_sexe");
    ASSERT_EQ(sexes->count(), 3);
    EXPECT_EQ(sexes->itemText(0), "Homme");
    EXPECT_EQ(sexes->itemText(1), "Femme");
    EXPECT_EQ(sexes->itemText(2), "Inconnu");
    EXPECT_TRUE(Find<QCheckBox>("check_amis")->isChecked());
    EXPECT_EQ(Find<QCheckBox>("check_amis")->text(), "Prévenir vos amis de votre arrivée");
    EXPECT_EQ(Find<QPushButton>("btn_useid")->toolTip(), "Utiliser cette identification rapide");
    EXPECT_EQ(Find<QPushButton>("btn_saveid")->toolTip(), "Sauvegarder l'identification actuelle");
    EXPECT_EQ(Find<QPushButton>("btn_delid")->toolTip(),
              "Suppimer l'identification rapide séléctionnée");
    EXPECT_EQ(Find<QPushButton>("btn_propriete_connex")->text(), "Propriétés de la connexion");
    Find<QPushButton>("btn_connex");
    Find<QListWidget>("list_id_rapide");
}

TEST_F(ConnexDialog, MenuEntryDisabledWhileTheDialogLives) {
    Open();
    EXPECT_EQ(entry_enabled, std::vector<bool>{false});
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(entry_enabled, (std::vector<bool>{false, true}));
}

TEST_F(ConnexDialog, ShowsTheLastIdentityWithoutPassword) {
    state.LastIdentity.pseudo = "jean";
    state.LastIdentity.alias = "Jeannot";
    state.LastIdentity.ville = "N\xEEmes";
    state.LastIdentity.sexe_index = 1;
    Open();
    EXPECT_EQ(form->text_pseudo->text(), "jean");
    EXPECT_EQ(form->text_alias->text(), "Jeannot");
    EXPECT_EQ(form->text_ville->text(), "Nîmes");
    EXPECT_EQ(form->combo_sexe->currentIndex(), 1);
    EXPECT_EQ(form->text_status->text(), "en ligne");
    EXPECT_TRUE(form->text_pass->text().isEmpty());
}

TEST_F(ConnexDialog, SaveUseAndDeleteQuickIdentities) {
    dir.Write("ID.vek", "[zo\xE9]\r\npseudo=zoe\r\nsexe=Autre\r\n[Bob]\r\npseudo=bob\r\n");
    Open();
    EXPECT_EQ(Aliases(), (QStringList{"Bob", "zoé"}));

    // Typing the account name fills the alias as well.
    QTest::keyClicks(form->text_pseudo, "alice");
    EXPECT_EQ(form->text_alias->text(), "alice");
    QTest::keyClicks(form->text_age, "22");
    form->combo_sexe->setCurrentIndex(1);
    QTest::keyClicks(form->text_ville, "Orl");
    form->text_ville->insert("éans");
    QTest::mouseClick(form->btn_saveid, Qt::LeftButton);
    EXPECT_EQ(Aliases(), (QStringList{"alice", "Bob", "zoé"}));
    const IdentityRecord saved = ReadIdentity("alice");
    EXPECT_EQ(saved.pseudo.str(), "alice");
    EXPECT_EQ(saved.sexe.str(), "Femme");
    EXPECT_EQ(saved.ville.str(),
              "Orl\xE9"
              "ans");
    EXPECT_EQ(dir.Read("ID.vek").find("pass"), std::string::npos);

    // An unknown sex text selects "Inconnu"; the password gets the focus.
    Select("zoé");
    QTest::mouseClick(form->btn_useid, Qt::LeftButton);
    EXPECT_EQ(form->text_pseudo->text(), "zoe");
    EXPECT_EQ(form->text_alias->text(), "zoé");
    EXPECT_EQ(form->combo_sexe->currentIndex(), 2);
    EXPECT_TRUE(form->text_pass->hasFocus());

    // A double click uses an identity too.
    const auto bob = form->list_id_rapide->findItems("Bob", Qt::MatchExactly).front();
    const QRect rect = form->list_id_rapide->visualItemRect(bob);
    QTest::mouseClick(form->list_id_rapide->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(form->list_id_rapide->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(form->text_pseudo->text(), "bob");

    Select("Bob");
    QTest::mouseClick(form->btn_delid, Qt::LeftButton);
    EXPECT_EQ(Aliases(), (QStringList{"alice", "zoé"}));
    EXPECT_EQ(IdentityAliases(), (std::vector<std::string>{"zo\xE9", "alice"}));

    // Without a selection, use and delete do nothing.
    form->list_id_rapide->clearSelection();
    form->text_pseudo->setText("unchanged");
    QTest::mouseClick(form->btn_useid, Qt::LeftButton);
    QTest::mouseClick(form->btn_delid, Qt::LeftButton);
    EXPECT_EQ(form->text_pseudo->text(), "unchanged");
    EXPECT_EQ(Aliases().size(), 2);
}

TEST_F(ConnexDialog, SavingNeedsPseudoAndAlias) {
    Open();
    form->text_pseudo->setText("bob");
    form->text_alias->clear();
    {
        BoxAnswerer ok(QMessageBox::Ok);
        QTest::mouseClick(form->btn_saveid, Qt::LeftButton);
        EXPECT_EQ(ok.texts, QStringList{"Veuillez indiquez au minimum votre nom d'utilisateur "
                                        "Babillon ainsi que votre alias"});
    }
    EXPECT_EQ(form->focusWidget(), form->text_pseudo);
    EXPECT_EQ(form->list_id_rapide->count(), 0);
    EXPECT_EQ(dir.FileCount(), 0);
}

// ID.vek that cannot be read (here a folder of that name) is never replaced, and the reason
// reaches the user in French.
TEST_F(ConnexDialog, FailedSaveSaysWhyInFrench) {
    std::filesystem::create_directory(dir.path("ID.vek"));
    Open();
    form->text_pseudo->setText("bob");
    form->text_alias->setText("Bob");
    BoxAnswerer ok(QMessageBox::Ok);
    QTest::mouseClick(form->btn_saveid, Qt::LeftButton);
    EXPECT_EQ(ok.texts,
              QStringList{QString::fromUtf8("L'identification n'a pas pu être enregistrée.\n"
                                            "Le fichier %1 est illisible ; il n'est pas remplacé.")
                              .arg(QString::fromStdString(dir.path("ID.vek")))});
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("ID.vek")));
}

TEST_F(ConnexDialog, EnterWithoutServerAddressesAsksForThem) {
    state.Config.AdrID = "  ";
    Open();
    form->text_pseudo->setText("Jean");
    form->text_alias->setText("Jeannot");
    form->text_salon->setText("*");
    form->combo_sexe->setCurrentIndex(0);
    form->check_amis->setChecked(false);
    QTest::keyClicks(form->text_pass, "secret");
    {
        BoxAnswerer cancel(QMessageBox::Cancel);
        QTest::keyClick(form->text_pass, Qt::Key_Return);
        EXPECT_EQ(cancel.texts,
                  QStringList{"Vous n'avez pas spécifié l'adresse des serveurs d'ID ou de Chat "
                              "dans la configuration de Tamaris. Voulez vous entrer ces "
                              "informations maintenant ?"});
    }
    EXPECT_EQ(settings_opened, 0);
    EXPECT_EQ(captions, QStringList{"&Connexion"});
    EXPECT_EQ(state.LastIdentity.alias.str(), "Jeannot");
    EXPECT_EQ(state.LastIdentity.sexe_index, 0);
    EXPECT_EQ(session.Pseudo.str(), "Jean");
    EXPECT_EQ(session.Pass.str(), "secret");
    EXPECT_EQ(session.Sexe, 1);
    EXPECT_EQ(session.Salon.str(), "");
    EXPECT_TRUE(session.Invisible);

    {
        BoxAnswerer ok(QMessageBox::Ok);
        QTest::keyClick(form->text_ville, Qt::Key_Enter);
        EXPECT_EQ(ok.answered, 1);
    }
    EXPECT_EQ(settings_opened, 1);
    EXPECT_FALSE(form.isNull());
}

TEST_F(ConnexDialog, ConnectCopiesTheSettingsStartsTheSessionAndCloses) {
    const int port = ClosedPort();
    state.Config.AdrID = "127.0.0.1";
    state.Config.PortID = std::to_string(port);
    state.Config.AdrChat = "127.0.0.1";
    state.Config.PortChat = "abc";
    state.Config.ProxyVersion = "4A";
    state.Config.ProxyTCPPort = "1080";
    state.Config.ProxyIDName = " ";
    int connects = 0;
    std::vector<int> errors;
    session.OnConnect = [&connects] { ++connects; };
    session.OnError = [&errors](std::uint8_t code, std::uint8_t) { errors.push_back(code); };
    Open();
    form->text_pseudo->setText("jean");
    form->text_pass->setText("pw");
    form->text_salon->clear();
    form->combo_sexe->setCurrentIndex(1);
    QTest::mouseClick(form->btn_connex, Qt::LeftButton);

    EXPECT_EQ(session.IDAddress, "127.0.0.1");
    EXPECT_EQ(session.IDPort, port);
    EXPECT_EQ(session.ChatPort, 0);  // "abc"
    EXPECT_EQ(session.TCPProxyPort, 1080);
    EXPECT_EQ(session.ProxyHTVersion, net::SocksVersion::svSocks4A);
    EXPECT_FALSE(session.SocksAuthentication);
    EXPECT_EQ(session.Salon.str(), "VIP Babillon");
    EXPECT_EQ(session.Sexe, 0);
    // Chat port 0: the session refuses before opening anything.
    EXPECT_EQ(connects, 0);
    EXPECT_EQ(errors, std::vector<int>{10});

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());

    state.Config.PortChat = "6666";
    state.Config.ProxyIDName = "user";
    errors.clear();
    Open();
    form->text_pseudo->setText("jean");
    form->text_pass->setText("pw");
    QTest::keyClick(form->text_status, Qt::Key_Return);
    EXPECT_TRUE(session.SocksAuthentication);
    EXPECT_EQ(connects, 1);
    EXPECT_EQ(errors, std::vector<int>{1});  // nothing listens on the identification port
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

}  // namespace
