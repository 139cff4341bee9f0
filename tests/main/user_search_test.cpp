#include "directory/user_search.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "directory/sex_combo_box.h"
#include "directory/user_results.h"
#include "main/logged_in_fixture.h"
#include "main/shell_windows.h"
#include "platform/cp1252.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"

namespace {

std::string W(std::u16string_view text) {
    return platform::Utf16ToAnsi(text);
}

// Reply fields for a search on either sex: a header, then eight fields a person.
std::vector<std::string> EitherSexReply() {
    return {"4:-2:-2", "i1",  "bob", "",    "30",      "1",       "Nice",    "Salle#2", "",
            "i2",      "Zoe", "",    "22",  "0",       "Lyon",    "Salle#0", "",        "i3",
            "alice",   "",    "25",  "0",   "Metz",    "Accueil", "",        "i4",      "Cid",
            "",        "40",  "-1",  "Pau", "Autre#0", ""};
}

TEST(UserResultItems, RepliesBecomeItemsInOrder) {
    struct Case {
        std::string name;
        std::vector<std::string> items;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"either sex: women, men, others, each in case-insensitive order",
         UserResultItems(EitherSexReply()),
         {"alice\nrose\n25 ; F ; Metz\ni3\n25\n0\nMetz\nAccueil\n",
          "Zoe\nrose\n22 ; F ; Lyon\ni2\n22\n0\nLyon\nSalle#0\n",
          "bob\nbleu\n30 ; H ; Nice\ni1\n30\n1\nNice\nSalle#2\n",
          "Cid\nvert\n40 ; I ; Pau\ni4\n40\n-1\nPau\nAutre#0\n"}},
        {"one sex: the criterion is every person's sex",
         UserResultItemsOneSex(
             {"2:-2:1", "i1", "bob", "", "30", "Nice", "S", "", "i5", "Abel", "", "", "", "", ""},
             "1"),
         {"Abel\nbleu\n ; H ; \ni5\n\n1\n\n\n", "bob\nbleu\n30 ; H ; Nice\ni1\n30\n1\nNice\nS\n"}},
        {"accented names sort beside their plain letters",
         UserResultItemsOneSex({"h", "a", W(u"Élodie"), "", "",  "",     "", "", "b", "Emma", "",
                                "",  "",  "",           "", "c", "Eddy", "", "", "",  "",     ""},
                               "0"),
         {"Eddy\nrose\n ; F ; \nc\n\n0\n\n\n", W(u"Élodie\nrose\n ; F ; \na\n\n0\n\n\n"),
          "Emma\nrose\n ; F ; \nb\n\n0\n\n\n"}},
        {"an incomplete last record is left out",
         UserResultItems({"h", "i1", "bob", "", "30", "1", "Nice", "S", "", "i2", "zoe"}),
         {"bob\nbleu\n30 ; H ; Nice\ni1\n30\n1\nNice\nS\n"}},
        {"header only", UserResultItems({"0:-2:-2"}), {}},
        {"nothing at all", UserResultItemsOneSex({}, "0"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.items, c.expected);
    }
}

TEST(UserResultItems, EntriesAreReadBackCutToTheirWidths) {
    const UserEntry full =
        ParseUserEntry(UserItemText(std::string(25, 'c'), std::string(40, 'n'), "123456",
                                    "-1234567", std::string(30, 't'), std::string(35, 'r')));
    EXPECT_EQ(full.nickname, std::string(40, 'n'));
    EXPECT_EQ(full.colour, "vert");
    EXPECT_EQ(full.chat_id, std::string(20, 'c'));
    EXPECT_EQ(full.age, "12345");
    EXPECT_EQ(full.sex, "-123456");
    EXPECT_EQ(full.town, std::string(25, 't'));
    EXPECT_EQ(full.room, std::string(30, 'r'));
    EXPECT_TRUE(full.IsPerson());

    const UserEntry message = ParseUserEntry(kNoResultItem);
    EXPECT_FALSE(message.IsPerson());
    EXPECT_EQ(message.chat_id, "");
    const UserEntry short_item = ParseUserEntry("bob\nbleu");
    EXPECT_EQ(short_item.nickname, "bob");
    EXPECT_EQ(short_item.room, "");
}

TEST(UserSearchRequest, ChoicesMakeTheLine) {
    struct Case {
        int type;
        std::string text;
        int sex;
        int age;
        std::optional<std::string> line;
    };
    const Case cases[] = {
        {0, "jeannot", 0, 0, "56\tjean\t-2\t-2"},
        {1, "Lyon", 1, 1, "58\tLyon\t1\t0"},
        {0, "abcdefghij", 2, 10, "56\tabcd\t10\t1"},
        {0, "ab", 3, 11, "56\tab\t-1\t-1"},
        {1, W(u"Évry"), 0, 6, W(u"58\tÉvry\t6\t-2")},
        {0, "a", 0, 0, std::nullopt},
        {1, "", 1, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<UserSearch> search = MakeUserSearch(c.type, c.text, c.sex, c.age);
        ASSERT_EQ(search.has_value(), c.line.has_value());
        if (search) {
            EXPECT_EQ(search->line, *c.line);
        }
    }
    EXPECT_EQ(MakeUserSearch(1, "Lyonnais", 1, 11)->trace,
              W(u"Recherche du connecté dont la ville commence par Lyonnais - Sexe : Femme - "
                u"Age : Autre ..."));
}

class SearchWindowTest : public ::testing::Test {
  protected:
    SearchWindowTest() {
        TestApplication();
        windows.OpenStandardWindows();
        windows.session.OnDebug = [this](const std::string& text, DebugCategory category) {
            if (category == DebugCategory::Ok) searches.push_back(text);
        };
        form().resize(700, 400);
        form().show();
    }
    Tform_connectes& form() { return *windows.SearchWindow(); }
    std::vector<std::string> Items() {
        std::vector<std::string> items;
        for (int i = 0; i < form().list_rech->count(); ++i)
            items.push_back(ToAnsi(form().list_rech->ItemText(i)));
        return items;
    }
    void Select(int row) { form().list_rech->setCurrentRow(row); }
    void RightClick(int row) {
        const QRect rect = form().list_rech->visualRect(form().list_rech->model()->index(row, 0));
        QTest::mouseRelease(form().list_rech->viewport(), Qt::RightButton, {}, rect.center());
    }
    QAction* PopupItem(const QString& caption) {
        for (QAction* action : form().popup->actions())
            if (action->text() == caption) return action;
        ADD_FAILURE() << "no popup item " << caption.toStdString();
        return new QAction(form().popup);
    }

    ShellWindows windows;
    std::vector<std::string> searches;
};

TEST_F(SearchWindowTest, SearchNeedsTwoLettersAndShowsItIsUnderWay) {
    form().combo_rech_sexe->setCurrentIndex(2);
    QTest::keyClicks(form().text_rech, "b");
    QTest::keyClick(form().text_rech, Qt::Key_Return);
    EXPECT_EQ(Items(), std::vector<std::string>{kShortSearchItem});
    EXPECT_TRUE(searches.empty());

    QTest::keyClicks(form().text_rech, "obby");
    QTest::keyClick(form().text_rech, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Items(), std::vector<std::string>{kSearchingItem});
    EXPECT_EQ(searches, std::vector<std::string>{
                            W(u"Recherche du connecté dont le pseudo commence par bobby - Sexe : "
                              u"Homme - Age : Indifférent")});
    EXPECT_EQ(form().text_rech->text(), "bobby");
}

TEST_F(SearchWindowTest, ButtonsAndPopupActOnTheChosenPerson) {
    form().FillUserResults(EitherSexReply());  // alice i3, Zoe i2, bob i1, Cid i4
    struct Case {
        std::string name;
        std::function<void()> act;
        std::vector<std::string> profiles, mails, toggled;
        int rooms_shown = 0;
    };
    const Case cases[] = {
        {"profile button",
         [&] {
             Select(1);
             QTest::mouseClick(form().btn_profil, Qt::LeftButton);
         },
         {"Zoe"},
         {},
         {}},
        {"mail button",
         [&] {
             Select(2);
             QTest::mouseClick(form().FlatButton1, Qt::LeftButton);
         },
         {},
         {"bob"},
         {}},
        {"ignore button",
         [&] {
             Select(3);
             QTest::mouseClick(form().btn_ignorer, Qt::LeftButton);
         },
         {},
         {},
         {"i4"}},
        {"room button",
         [&] {
             Select(0);
             QTest::mouseClick(form().btn_salon, Qt::LeftButton);
         },
         {},
         {},
         {},
         1},
        {"popup profile under the mouse, not the selection",
         [&] {
             Select(0);
             RightClick(2);
             PopupItem("Profil")->trigger();
         },
         {"bob"},
         {},
         {}},
        {"popup mail",
         [&] {
             RightClick(1);
             PopupItem("Envoyer un E-Mail")->trigger();
         },
         {},
         {"Zoe"},
         {}},
        {"popup ignore",
         [&] {
             RightClick(0);
             PopupItem("Ignorer")->trigger();
         },
         {},
         {},
         {"i3"}},
        {"popup room",
         [&] {
             RightClick(3);
             PopupItem("Rejoindre dans le salon")->trigger();
         },
         {},
         {},
         {},
         1},
        {"nothing selected",
         [&] {
             form().list_rech->clearSelection();
             for (QPushButton* button : {form().btn_profil, form().FlatButton1, form().btn_ignorer,
                                         form().btn_salon, form().btn_pv})
                 QTest::mouseClick(button, Qt::LeftButton);
         },
         {},
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        windows.profiles.clear();
        windows.mail_pages.clear();
        windows.toggled.clear();
        windows.room_shown = 0;
        c.act();
        form().popup->hide();
        EXPECT_EQ(windows.profiles, c.profiles);
        EXPECT_EQ(windows.mail_pages, c.mails);
        EXPECT_EQ(windows.toggled, c.toggled);
        EXPECT_EQ(windows.room_shown, c.rooms_shown);
    }
    EXPECT_EQ(windows.PrivateSlotCount(), 0);
}

TEST_F(SearchWindowTest, PrivateConversationOpensOnceThenComesForward) {
    form().FillUserResults(EitherSexReply());
    Select(2);
    QTest::mouseClick(form().btn_pv, Qt::LeftButton);
    ASSERT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.PrivateWindow(0)->ChatId(), "i1");
    RightClick(2);
    EXPECT_EQ(form().popup->defaultAction()->text(), "Dialoguer en prive");
    form().popup->defaultAction()->trigger();
    form().popup->hide();
    EXPECT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.shown_private, 0);
}

TEST_F(SearchWindowTest, MessagesCarryNobodyAndTheSearchCanBeCleared) {
    form().ShowNoResult();
    Select(0);
    QTest::mouseClick(form().btn_profil, Qt::LeftButton);
    RightClick(0);
    PopupItem("Ignorer")->trigger();
    EXPECT_TRUE(windows.profiles.empty());
    EXPECT_TRUE(windows.toggled.empty());

    form().FillUserResults(EitherSexReply());
    RightClick(1);
    PopupItem("Effacer la recherche")->trigger();
    form().popup->hide();
    EXPECT_EQ(form().list_rech->count(), 0);
}

// The menu acts on the person under the right click even when new results came in while it
// was open, and on nobody once that person is no longer listed. Below the results it opens
// too, for "Effacer la recherche".
TEST_F(SearchWindowTest, PopupKeepsToThePersonUnderTheClick) {
    form().FillUserResults(EitherSexReply());  // alice i3, Zoe i2, bob i1, Cid i4
    RightClick(1);
    form().popup->hide();
    const std::vector<std::string> anna = {"i5", "Anna", "", "31", "Brest", "Port#0", ""};
    const std::vector<std::string> berthe = {"i6", "Berthe", "", "28", "Caen", "Port#0", ""};
    const std::vector<std::string> zoe = {"i2", "Zoe", "", "22", "Lyon", "Salle#0", ""};
    std::vector<std::string> three{"3:-2:0"};
    for (const auto* person : {&zoe, &berthe, &anna})
        three.insert(three.end(), person->begin(), person->end());
    form().FillUserResultsOneSex(three, "0");
    PopupItem("Profil")->trigger();
    EXPECT_EQ(windows.profiles, std::vector<std::string>{"Zoe"});

    std::vector<std::string> two{"2:-2:0"};
    for (const auto* person : {&berthe, &anna})
        two.insert(two.end(), person->begin(), person->end());
    form().FillUserResultsOneSex(two, "0");
    PopupItem("Ignorer")->trigger();
    EXPECT_TRUE(windows.toggled.empty());

    const QRect last = form().list_rech->visualRect(form().list_rech->model()->index(1, 0));
    QTest::mouseRelease(form().list_rech->viewport(), Qt::RightButton, {},
                        QPoint(10, last.bottom() + 20));
    ASSERT_TRUE(form().popup->isVisible());
    PopupItem("Ignorer")->trigger();
    PopupItem("Effacer la recherche")->trigger();
    form().popup->hide();
    EXPECT_TRUE(windows.toggled.empty());
    EXPECT_EQ(form().list_rech->count(), 0);
}

TEST_F(SearchWindowTest, ResultsAreDrawnInTheColoursOfSexAndTown) {
    form().FillUserResultsOneSex({"1:-2:0", "i1", "Zoe", "", "22", "Lyon", "Salle#0", ""}, "0");
    form().ShowNoResult();
    form().FillUserResultsOneSex({"1:-2:0", "i1", "Zoe", "", "22", "Lyon", "Salle#0", ""}, "0");
    Select(0);
    const QImage picture = form().list_rech->viewport()->grab().toImage();
    const QRect row = form().list_rech->visualRect(form().list_rech->model()->index(0, 0));
    std::set<QRgb> colours;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x) colours.insert(picture.pixel(x, y));
    EXPECT_TRUE(colours.count(qRgb(230, 230, 255))) << "selected background";
    EXPECT_TRUE(colours.count(qRgb(255, 0, 255))) << "nickname of a woman";
    EXPECT_TRUE(colours.count(qRgb(255, 0, 0))) << "town";
    EXPECT_TRUE(colours.count(qRgb(0, 0, 0))) << "room";

    SexComboBox& sexes = *form().combo_rech_sexe;
    const std::pair<int, QRgb> squares[] = {
        {0, qRgb(0, 0, 0)}, {1, qRgb(255, 0, 255)}, {2, qRgb(0, 0, 255)}, {3, qRgb(128, 128, 0)}};
    for (const auto& [index, colour] : squares) {
        QImage item(100, 20, QImage::Format_RGB32);
        item.fill(Qt::white);
        QPainter painter(&item);
        SexComboBox::DrawItem(painter, item.rect(), sexes.itemText(index), Qt::black);
        painter.end();
        EXPECT_EQ(item.pixel(9, 10), colour) << index;
        EXPECT_EQ(item.pixel(2, 10), qRgb(0, 0, 0)) << "outline " << index;
        EXPECT_EQ(item.pixel(1, 10), qRgb(255, 255, 255)) << "left of the square " << index;
    }
}

class LiveSearchTest : public LoggedInTest {};

TEST_F(LiveSearchTest, SearchAndCountComeFromTheServer) {
    Tform_connectes* search = main().SearchWindow();
    ASSERT_NE(search, nullptr);
    search->text_rech->setText("bea");
    QTest::mouseClick(search->btn_rech, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] {
        return search->list_rech->count() == 1 &&
               BabiListBox::ItemLine(search->list_rech->ItemText(0), 0) == "Bea";
    }));
    const UserEntry bea = ParseUserEntry(ToAnsi(search->list_rech->ItemText(0)));
    EXPECT_EQ(bea.chat_id, bea_.chatid);
    EXPECT_TRUE(bea.room.starts_with(kRoom)) << bea.room;

    search->combo_rech_type->setCurrentIndex(1);
    search->text_rech->setText("zzz");
    QTest::mouseClick(search->btn_rech, Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([&] { return ToAnsi(search->list_rech->ItemText(0)) == kNoResultItem; }));

    search->lbl_nb_connectes->clear();
    QTest::mouseClick(search->btn_refresh, Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([&] { return search->lbl_nb_connectes->text() == "2"; }));
}

}  // namespace
