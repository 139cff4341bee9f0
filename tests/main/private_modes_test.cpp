// The private-message modes chosen through the "Privés" menu, logged in to babillon-server,
// with Bea (a plain line client) writing to us.
#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include "config/form_config.h"
#include "conversation/composition_bar.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "main/logged_in_fixture.h"
#include "program/private_mode.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"

namespace {

// Windows-1252 text of the program and the UTF-8 that the line carries.
const std::string kBusyAnsi = "occup\xE9(e) ";
const std::string kBusyWire = "occup\xC3\xA9(e) ";
const std::string kReplyWire = "0102[R\xC3\xA9pondeur] ";

// Runs answer on the modal dialog of the given type once the program shows it.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        answer(dialog);
    });
    poll->start(10);
}

class PrivateModesTest : public LoggedInTest {
  protected:
    QAction* Item(const char* name) { return main().findChild<QAction*>(name); }
    int TraceCount(const QString& start) {
        QListWidget* list = main().DebugWindow()->list_debug;
        int count = 0;
        for (int i = 0; i < list->count(); ++i) count += list->item(i)->text().startsWith(start);
        return count;
    }
    bool StatusBecomes(const std::string& status) {
        return WaitUntil([&] { return main().Babillon.Status.str() == status; });
    }
    void BeaWrites(const std::string& coded) { bea_.line->Send("72\t" + Me() + "\t" + coded); }
    std::string ToBea(const std::string& coded) {
        return "72\t" + Me() + "\t0\t" + MyAlias() + "\t" + coded;
    }
    int ModeNow() { return main().State().Config.PrivateMode; }
};

TEST_F(PrivateModesTest, BusyAsksTheReasonAndTheAnsweringMachineRestoresTheStatus) {
    const std::string status = main().Babillon.Status.str();
    Item("FonctionnementNormal1")->trigger();
    QString title, prompt;
    WhenShown<QInputDialog>([&](QInputDialog* box) {
        title = box->windowTitle();
        prompt = box->labelText();
        box->setTextValue(QString::fromUtf8("  en réunion  "));
        box->accept();
    });
    Item("Occupe1")->trigger();
    EXPECT_EQ(title, QString::fromUtf8("Spécifier la raison"));
    EXPECT_EQ(prompt, "Raison (laisser vide si aucune)");
    EXPECT_TRUE(Item("Occupe1")->isChecked());
    EXPECT_FALSE(Item("FonctionnementNormal1")->isChecked());
    EXPECT_EQ(ModeNow(), kModeBusy);
    EXPECT_TRUE(main().State().Busy);
    EXPECT_EQ(main().State().SavedStatus, status);
    ASSERT_TRUE(StatusBecomes(kBusyAnsi + "en r\xE9union"));
    // Normal chosen while checked sent nothing: the server answered one mode change only.
    EXPECT_EQ(TraceCount("[Chat-26]"), 1);

    BeaWrites("0100tu es l\xC3\xA0 ?");
    EXPECT_EQ(BeaReads("79\t" + Me()),
              "79\t" + Me() + "\t0\t" + MyAlias() + "\t" + kBusyWire + "en r\xC3\xA9union");

    // The answering machine puts the status back and answers Bea, on her personal line.
    main().State().Config.RepType = 2;
    main().State().Config.RepPerso = {"Bea"};
    main().State().Config.RepMsgPerso = "je reviens";
    Item("Repondeur1")->trigger();
    EXPECT_EQ(ModeNow(), kModeAnsweringMachine);
    EXPECT_FALSE(main().State().Busy);
    ASSERT_TRUE(StatusBecomes(status));
    EXPECT_TRUE(main().State().SavedStatus.empty());
    BeaWrites("0100coucou");
    EXPECT_EQ(BeaReads("72\t" + Me()), ToBea(kReplyWire + "je reviens"));
    BeaWrites("0100encore");
    EXPECT_EQ(BeaReads("72\t" + Me()), ToBea(kReplyWire + "je reviens"));
}

TEST_F(PrivateModesTest, AnsweringMachineIgnoresOwnMessagesAndOtherMachines) {
    TConfig& config = main().State().Config;
    config.RepType = 0;
    config.RepMsgGeneral = "A";
    Item("Repondeur1")->trigger();
    BeaWrites("0100salut");
    EXPECT_EQ(BeaReads("72\t" + Me()), ToBea(kReplyWire + "A"));
    ASSERT_TRUE(WaitUntil([&] { return main().FindPrivateWindow(bea_.chatid) >= 0; }));
    Tform_prive* window = main().PrivateWindow(main().FindPrivateWindow(bea_.chatid));
    const auto shown = [window](const char* text) {
        return WaitUntil([&] { return window->rich_prive->toPlainText().endsWith(text); });
    };
    // Our own text and its echo, then another answering machine's reply: none is answered,
    // or Bea would read "A" next.
    window->text_envoi->setText("moi aussi");
    QTest::keyClick(window->text_envoi, Qt::Key_Return);
    EXPECT_EQ(BeaReads("72\t" + Me()), ToBea("0100moi aussi"));
    ASSERT_TRUE(shown("> moi aussi"));
    bea_.line->Send("72\t" + Me() + "\t" + kReplyWire + "absente");
    ASSERT_TRUE(shown("Bea> [R\xC3\xA9pondeur] absente"));
    config.RepMsgGeneral = "B";
    BeaWrites("0100et alors");
    EXPECT_EQ(BeaReads("72\t" + Me()), ToBea(kReplyWire + "B"));
}

// Busy from the moment the item is chosen: while the reason is asked, the answering machine
// no longer answers.
TEST_F(PrivateModesTest, BusyTakesEffectBeforeTheReasonIsAsked) {
    TConfig& config = main().State().Config;
    config.RepType = 0;
    config.RepMsgGeneral = "A";
    Item("Repondeur1")->trigger();
    BeaWrites("0100salut");
    EXPECT_EQ(BeaReads("72\t" + Me()), ToBea(kReplyWire + "A"));
    ASSERT_TRUE(WaitUntil([&] { return main().FindPrivateWindow(bea_.chatid) >= 0; }));
    Tform_prive* window = main().PrivateWindow(main().FindPrivateWindow(bea_.chatid));
    WhenShown<QInputDialog>([&](QInputDialog* box) {
        EXPECT_EQ(ModeNow(), kModeBusy);
        EXPECT_TRUE(main().State().Busy);
        EXPECT_TRUE(Item("Occupe1")->isChecked());
        BeaWrites("0100tu es la ?");
        EXPECT_TRUE(
            WaitUntil([&] { return window->rich_prive->toPlainText().contains("tu es la ?"); }));
        box->reject();
    });
    Item("Occupe1")->trigger();
    window->text_envoi->setText("me voila");
    QTest::keyClick(window->text_envoi, Qt::Key_Return);
    EXPECT_EQ(BeaReads("72\t" + Me()), ToBea("0100me voila"));
}

TEST_F(PrivateModesTest, IdleUserTurnsBusyAndComesBackOnInput) {
    const std::string status = main().Babillon.Status.str();
    Item("Repondeur1")->trigger();
    Tform_salon* room = main().RoomWindow();
    main().State().Config.TimeOccupe = 2;
    main().SetAutoBusyMinute(50);
    ASSERT_TRUE(WaitUntil([&] { return ModeNow() == kModeBusy; }));
    EXPECT_TRUE(Item("Occupe1")->isChecked());
    EXPECT_TRUE(main().State().Busy);
    ASSERT_TRUE(StatusBecomes(kBusyAnsi));

    // Moving the mouse is not coming back.
    QTest::mouseMove(room->text_envoi);
    QTest::qWait(200);
    EXPECT_EQ(ModeNow(), kModeBusy);

    QTest::keyClick(room->text_envoi, Qt::Key_A);
    main().State().Config.TimeOccupe = 31;
    EXPECT_EQ(ModeNow(), kModeAnsweringMachine);
    EXPECT_TRUE(Item("Repondeur1")->isChecked());
    EXPECT_FALSE(main().State().Busy);
    ASSERT_TRUE(StatusBecomes(status));

    // The slider's last position, "jamais", turns it off.
    QTest::keyClick(room->text_envoi, Qt::Key_B);
    QTest::qWait(300);
    EXPECT_EQ(ModeNow(), kModeAnsweringMachine);
}

TEST_F(PrivateModesTest, BusyByChoiceStaysBusyAfterInput) {
    WhenShown<QInputDialog>([](QInputDialog* box) { box->reject(); });
    Item("Occupe1")->trigger();
    ASSERT_TRUE(StatusBecomes(kBusyAnsi));
    main().State().Config.TimeOccupe = 1;
    main().SetAutoBusyMinute(20);
    QTest::qWait(200);
    QTest::keyClick(main().RoomWindow()->text_envoi, Qt::Key_A);
    EXPECT_EQ(ModeNow(), kModeBusy);
    EXPECT_EQ(TraceCount("[Chat-26]"), 1);
}

// OK in the configuration dialog reaches the open windows at once: the room's boxes, its input
// font and scrollback, and the automatic busy mode.
// "OK" in the configuration dialog: the open conversations take the font and the scrollback
// at once, and keep the effect and colour that the user chose in each.
TEST_F(PrivateModesTest, NewSettingsReachTheOpenWindows) {
    Tform_salon* room = main().RoomWindow();
    Tform_prive* conversation =
        main().PrivateWindow(main().OpenPrivateWindow("k9", "Zoe", "22", "0", "Lyon", "", false));
    ASSERT_NE(conversation, nullptr);
    room->composition->combo_color->setCurrentText("Bleu");
    room->composition->combo_taille->setCurrentText("Parler");
    conversation->composition->combo_color->setCurrentText("Vert");
    conversation->composition->combo_taille->setCurrentText("Vague");
    main().SetAutoBusyMinute(50);
    QString font;
    WhenShown<Tform_config>([&font](Tform_config* dialog) {
        dialog->combo_color->setCurrentText("Rouge");
        dialog->combo_taille->setCurrentText("Hurler");
        dialog->combo_fonts->setCurrentIndex(dialog->combo_fonts->count() - 1);
        font = dialog->combo_fonts->currentText();
        dialog->spin_max_messages->setValue(300);
        dialog->Track_time_occupe->setValue(1);
        dialog->btn_ok->click();
    });
    Item("Configuration1")->trigger();
    EXPECT_EQ(room->composition->Codes(), "0101");
    EXPECT_EQ(conversation->composition->Codes(), "0308");
    EXPECT_EQ(room->text_envoi->font().family(), font);
    EXPECT_EQ(conversation->text_envoi->font().family(), font);
    EXPECT_EQ(room->rich_salon->Scrollback(), 300);
    EXPECT_EQ(conversation->rich_prive->Scrollback(), 300);
    EXPECT_TRUE(WaitUntil([&] { return ModeNow() == kModeBusy; }));
}

TEST_F(MainWindowTest, ConfigurationItemsOpenTheirPages) {
    const std::pair<const char*, QString> items[] = {
        {"Configurationdurpondeur1", QString::fromUtf8("Répondeur")},
        {"Configuration1", "General"}};
    for (const auto& [name, page] : items) {
        QString shown;
        WhenShown<Tform_config>([&shown](Tform_config* dialog) {
            shown = dialog->pages->tabText(dialog->pages->currentIndex());
            dialog->reject();
        });
        main().findChild<QAction*>(name)->trigger();
        EXPECT_EQ(shown, page) << name;
    }
}

}  // namespace
