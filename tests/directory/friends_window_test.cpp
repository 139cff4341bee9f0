// The friends window over real child windows (no main window): what the 330/332 lines do to
// the list and to the private windows, the news signal, the actions on a friend and the drawing.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "directory/form_amis.h"
#include "main/qt_test_app.h"
#include "main/shell_windows.h"
#include "platform/cp1252.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/babi_rich_view.h"

namespace {

class FriendsWindowTest : public ::testing::Test {
  protected:
    FriendsWindowTest() {
        TestApplication();
        windows.state.Config.Son = "ami.wav";
        windows.state.Config.ActivSon = false;
        Reset();
    }
    // New windows with three connected friends.
    void Reset() {
        windows.CloseAllWindows();
        windows.OpenStandardWindows();
        amis().SetSoundPlayer([this](const std::string& file) { sounds.push_back(file); });
        amis().AddFriends({"-1", "Zoe:0zoe", "Max:0max", "Cid:0cid"}, true);
        amis().UpdateFriendInfo({"0",   "z1",  "Zoe", "",   "22",  "0",    "Lyon", "dispo",
                                 "m1",  "Max", "",    "30", "1",   "Nice", "ici",  "c1",
                                 "Cid", "",    "40",  "-1", "Pau", ""});
    }
    Tform_amis& amis() { return *windows.FriendsWindow(); }
    std::vector<std::string> Shown() {
        std::vector<std::string> shown;
        for (int i = 0; i < amis().list_amis->count(); ++i) {
            const QString item = amis().list_amis->ItemText(i);
            shown.push_back(
                ToAnsi(BabiListBox::ItemLine(item, 0) + "/" + BabiListBox::ItemLine(item, 8)));
        }
        return shown;
    }
    void Select(const std::string& nickname) {
        for (int i = 0; i < amis().list_amis->count(); ++i) {
            if (BabiListBox::ItemLine(amis().list_amis->ItemText(i), 0) == FromAnsi(nickname))
                amis().list_amis->setCurrentRow(i);
        }
    }

    ShellWindows windows;
    std::vector<std::string> sounds;
};

TEST_F(FriendsWindowTest, DeparturesWithAndWithoutPrivateWindows) {
    struct Case {
        const char* name;
        std::vector<std::string> open;  // friends with a private window
        std::vector<std::string> fields;
        std::vector<std::string> shown;
        std::vector<std::string> told;  // private windows told that their friend left
    };
    const std::string gone = platform::Utf16ToAnsi(u"n'est plus connecté");
    const Case cases[] = {
        {"one, with a window",
         {"Zoe"},
         {"1", "Zoe", ""},
         {"Max/ici", "Cid/", "Zoe/" + gone},
         {"Zoe"}},
        {"first without a window, second with",
         {"Max"},
         {"1", "Zoe", "", "Max", ""},
         {"Cid/", "Max/" + gone, "Zoe/" + gone},
         {"Max"}},
        {"none with a window",
         {},
         {"1", "Cid", "", "Zoe", ""},
         {"Max/ici", "Cid/" + gone, "Zoe/" + gone},
         {}},
        {"a stranger leaves", {"Zoe"}, {"1", "Inconnu", ""}, {"Zoe/dispo", "Max/ici", "Cid/"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        std::vector<int> opened;
        for (const std::string& nickname : c.open) {
            for (const FriendRecord& r : amis().Friends().Records()) {
                if (r.nickname == nickname)
                    opened.push_back(windows.OpenPrivateWindow(r.chat_id, r.nickname, r.age, r.sex,
                                                               r.town, "", false));
            }
        }
        amis().MarkFriendsGone(c.fields);
        EXPECT_EQ(Shown(), c.shown);
        std::vector<std::string> told;
        for (const int slot : opened) {
            Tform_prive* window = windows.PrivateWindow(slot);
            if (window->rich_prive->toPlainText().contains("n'est plus"))
                told.push_back(window->Alias());
        }
        EXPECT_EQ(told, c.told);
    }
}

TEST_F(FriendsWindowTest, NewsMarkTheTabAndPlayTheSound) {
    struct Case {
        const char* name;
        int selected_tab;
        bool sound_on;
        bool flagged;
        std::vector<std::string> sounds;
    };
    const Case cases[] = {
        {"other tab, sound on", 6, true, true, {"ami.wav"}},
        {"other tab, sound off", 6, false, true, {}},
        {"own tab, sound off", 5, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        amis().SetNewText(false);
        sounds.clear();
        const int repaints = windows.tab_repaints;
        windows.selected_tab = c.selected_tab;
        windows.state.Config.ActivSon = c.sound_on;
        amis().AddFriends({"0", "Zoe:0zoe"}, false);
        EXPECT_EQ(amis().HasNewText(), c.flagged);
        EXPECT_EQ(windows.tab_repaints - repaints, c.flagged ? 1 : 0);
        EXPECT_EQ(sounds, c.sounds);
    }
}

TEST_F(FriendsWindowTest, ButtonsActOnTheSelectedFriend) {
    QTest::mouseClick(amis().btn_profil, Qt::LeftButton);
    EXPECT_TRUE(windows.profiles.empty()) << "nothing without a selection";

    Select("Zoe");
    QTest::mouseClick(amis().btn_profil, Qt::LeftButton);
    QTest::mouseClick(amis().btn_mail, Qt::LeftButton);
    QTest::mouseClick(amis().btn_ignorer, Qt::LeftButton);
    EXPECT_EQ(windows.profiles, std::vector<std::string>{"Zoe"});
    EXPECT_EQ(windows.mail_pages, std::vector<std::string>{"Zoe"});
    EXPECT_EQ(windows.toggled, std::vector<std::string>{"z1"});

    QTest::mouseClick(amis().btn_pv, Qt::LeftButton);
    ASSERT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.PrivateWindow(0)->ChatId(), "z1");
    EXPECT_EQ(windows.PrivateWindow(0)->Alias(), "Zoe");
    QTest::mouseClick(amis().btn_pv, Qt::LeftButton);
    EXPECT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.shown_private, 0);

    // A friend who left has no chat id to talk to or to ignore.
    amis().MarkFriendsGone({"1", "Max", ""});
    Select("Max");
    QTest::mouseClick(amis().btn_pv, Qt::LeftButton);
    QTest::mouseClick(amis().btn_ignorer, Qt::LeftButton);
    EXPECT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.toggled.size(), 1u);
}

TEST_F(FriendsWindowTest, ContextMenuActsOnTheItemUnderTheRightClick) {
    amis().resize(500, 300);
    amis().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&amis()));
    BabiListBox* list = amis().list_amis;
    list->setCurrentRow(0);
    const QPoint max = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, max);
    EXPECT_EQ(list->currentRow(), 1);
    ASSERT_TRUE(WaitUntil([&] { return amis().popup->isVisible(); }));
    QStringList captions;
    for (QAction* action : amis().popup->actions()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{QString::fromUtf8("Dialoguer en privé ..."),
                                     "Envoyer un E-Mail ...", "Profil ...", "Ignorer ..."}));
    amis().popup->actions()[2]->trigger();
    amis().popup->hide();
    list->setCurrentRow(0);
    amis().popup->actions()[3]->trigger();
    EXPECT_EQ(windows.profiles, std::vector<std::string>{"Max"});
    EXPECT_EQ(windows.toggled, std::vector<std::string>{"m1"});
}

// The menu acts on the friend under the right click even when the list was rebuilt while it
// was open, and on nobody once that friend has left the list; below the items it opens too.
TEST_F(FriendsWindowTest, ContextMenuKeepsToTheFriendUnderTheClick) {
    amis().resize(500, 300);
    amis().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&amis()));
    BabiListBox* list = amis().list_amis;
    QAction* profile = amis().popup->actions()[2];
    QAction* ignore = amis().popup->actions()[3];
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualItemRect(list->item(1)).center());
    amis().popup->hide();
    amis().AddFriends({"0", "Abe:0abe"}, false);
    amis().UpdateFriendInfo({"0", "a1", "Abe", "", "25", "0", "Caen", ""});
    ASSERT_EQ(Shown().front(), "Abe/");
    ignore->trigger();
    EXPECT_EQ(windows.toggled, std::vector<std::string>{"m1"});

    amis().AddFriends({"-1", "Zoe:0zoe", "Cid:0cid"}, true);
    amis().UpdateFriendInfo(
        {"0", "z1", "Zoe", "", "22", "0", "Lyon", "", "c1", "Cid", "", "40", "-1", "Pau", ""});
    ASSERT_EQ(list->count(), 2);
    profile->trigger();
    EXPECT_TRUE(windows.profiles.empty());

    const QPoint below(10, list->visualItemRect(list->item(1)).bottom() + 20);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, below);
    ASSERT_TRUE(WaitUntil([&] { return amis().popup->isVisible(); }));
    amis().popup->hide();
    profile->trigger();
    ignore->trigger();
    EXPECT_TRUE(windows.profiles.empty());
    EXPECT_EQ(windows.toggled.size(), 1u);
}

// Entries beyond what the list holds are dropped with a warning in the debug console.
TEST_F(FriendsWindowTest, AFullListTracesWhatItDrops) {
    std::vector<std::pair<std::string, DebugCategory>> traces;
    windows.session.OnDebug = [&](const std::string& text, DebugCategory category) {
        traces.emplace_back(text, category);
    };
    std::vector<std::string> fields{"-1"};
    for (std::size_t n = 0; n < FriendList::kMaxFriends + 3; ++n)
        fields.push_back("ami" + std::to_string(n) + ":0c");
    amis().AddFriends(fields, true);
    EXPECT_EQ(amis().Friends().Records().size(), FriendList::kMaxFriends);
    const std::string expected = platform::Utf16ToAnsi(u"Liste d'amis pleine (") +
                                 std::to_string(FriendList::kMaxFriends) +
                                 platform::Utf16ToAnsi(u" au plus) : 3 ami(e)s non ajouté(e)s");
    EXPECT_EQ(traces, (std::vector<std::pair<std::string, DebugCategory>>{{expected, DebugCategory::Warning}}));
    traces.clear();
    amis().AddFriends({"0", "ami0:0c"}, false);
    EXPECT_TRUE(traces.empty());
}

bool HasColour(const QImage& image, const QRect& rect, const QColor& colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

// The nickname in the friend's colour and the rest in black; a friend who left all in grey.
TEST_F(FriendsWindowTest, ItemsAreDrawnInTheirColours) {
    amis().MarkFriendsGone({"1", "Cid", ""});
    amis().resize(600, 300);
    amis().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&amis()));
    BabiListBox* list = amis().list_amis;
    const QImage picture = list->viewport()->grab().toImage();
    struct Row {
        int index;
        QColor nickname;
        bool black_rest;
    };
    const Row rows[] = {{0, QColor(255, 0, 255), true},
                        {1, QColor(0, 0, 255), true},
                        {2, QColor(128, 128, 128), false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        const QRect rect = list->visualItemRect(list->item(row.index));
        EXPECT_TRUE(HasColour(picture, rect, row.nickname));
        EXPECT_EQ(HasColour(picture, rect, Qt::black), row.black_rest);
    }
}

}  // namespace
