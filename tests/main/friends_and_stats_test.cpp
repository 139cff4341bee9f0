// The friends window's status broadcast and the room statistics window, logged in to
// babillon-server with Bea in the same room.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "auxiliary/form_stats.h"
#include "auxiliary/room_creator.h"
#include "main/logged_in_fixture.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"

namespace {

using FriendsAndStatsTest = LoggedInTest;

// "Diffuser", Enter and Alt+S send "84"; the server's answer shows as the current status.
TEST_F(FriendsAndStatsTest, NewStatusIsBroadcastAndShown) {
    Tform_amis* amis = main().FriendsWindow();
    ASSERT_NE(amis, nullptr);
    auto* diffuser = amis->findChild<QPushButton*>("btn_diffuser");
    ASSERT_NE(diffuser, nullptr);
    struct Case {
        const char* status;
        std::function<void()> send;
    };
    const Case cases[] = {
        {"en pause <b>caf\xC3\xA9</b>", [&] { QTest::mouseClick(diffuser, Qt::LeftButton); }},
        {"de retour", [&] { QTest::keyClick(amis->text_etat, Qt::Key_Return); }},
        {"absent", [&] { QTest::keyClick(amis->text_etat, Qt::Key_S, Qt::AltModifier); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        amis->text_etat->setText(QString::fromUtf8(c.status));
        c.send();
        EXPECT_TRUE(amis->text_etat->text().isEmpty());
        EXPECT_TRUE(WaitUntil([&] {
            return amis->lbl_etat->text() == QString::fromUtf8(c.status);
        })) << amis->lbl_etat->text().toStdString();
    }
}

TEST(RoomCreatorTest, FoundByTheShownName) {
    const std::vector<std::string> items = {
        "Accueil\njaune\nCr\xE9"
        "ateur : Ana\n0\nAna\n12\n",
        "Salon#Ami#0\njaune\nCr\xE9"
        "ateur : L\xE9"
        "a\n0\nL\xE9"
        "a\n2\n",
        "Court\njaune\n",
        "\njaune\nx\n0\nPersonne\n0\n",
    };
    struct Case {
        const char* room;
        std::string creator;
    };
    const Case cases[] = {
        {"Accueil", "Ana"},
        {"Salon Ami",
         "L\xE9"
         "a"},
        {"Court", "?"},
        {"Ailleurs", "?"},
        {"", "?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoomCreator(items, c.room), c.creator) << c.room;
    }
}

// Opened from the menu, the window follows the room's member list while it is open.
TEST_F(FriendsAndStatsTest, StatisticsFollowTheRoom) {
    // The permanent rooms the server lists after the login would replace ours.
    BabiListBox* rooms = main().RoomListWindow()->list_dessalons;
    ASSERT_TRUE(WaitUntil([&] { return rooms->count() > 0; }));
    rooms->SetItems(
        {FromAnsi("Salon#Ami\njaune\nCr\xE9"
                  "ateur : L\xE9"
                  "a\n0\nL\xE9"
                  "a\n2\n")});
    auto* item = main().findChild<QAction*>("SM_Stats");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    auto* stats = main().findChild<Tform_stats*>("form_stats");
    ASSERT_NE(stats, nullptr);
    EXPECT_TRUE(stats->isVisible());
    const RoomCounts& counts = main().State().RoomCounts;
    auto shown = [&] {
        return std::vector<QString>{stats->lbl_salon->text(), stats->lbl_hommes->text(),
                                    stats->lbl_femmes->text(), stats->lbl_indetermines->text(),
                                    stats->lbl_total->text()};
    };
    auto expected = [&](int total) {
        return std::vector<QString>{"Salon Ami", QString::number(counts.men),
                                    QString::number(counts.women), QString::number(counts.unknown),
                                    QString::number(total)};
    };
    // The login may return before the room's member list is in.
    ASSERT_TRUE(WaitUntil([&] { return stats->lbl_total->text() == "2"; }));
    EXPECT_EQ(stats->lbl_createur->text(), QString::fromUtf8("Léa"));
    EXPECT_EQ(shown(), expected(2));
    EXPECT_EQ(counts.men + counts.women + counts.unknown, 2);

    bea_.line->Send("40\tAilleurs\t0");
    ASSERT_TRUE(WaitUntil([&] { return stats->lbl_total->text() == "1"; }));
    EXPECT_EQ(shown(), expected(1));

    // The room window's hidden statistics button opens it as the menu item does.
    stats->close();
    main().RoomWindow()->FlatButton6->click();
    EXPECT_TRUE(stats->isVisible());

    // The room window goes with the connection; so does its statistics window.
    main().CloseAllWindows();
    EXPECT_FALSE(stats->isVisible());
    EXPECT_FALSE(item->isEnabled());
}

}  // namespace
