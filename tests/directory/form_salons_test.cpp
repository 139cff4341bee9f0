#include "directory/form_salons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "conversation/form_salon.h"
#include "directory/form_salons_rech.h"
#include "directory/room_entry.h"
#include "main/shell_windows.h"
#include "support/temp_dir.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/babi_rich_view.h"

namespace {

class RoomListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        windows_.OpenStandardWindows();
        form_ = windows_.RoomListWindow();
        form_->SetLineSender([this](const std::string& line) { sent_.push_back(line); });
        windows_.state.Config.AdrID = "babillon.test";
        form_->FillRoomList({"Paris#0", "0", "Bea", "12", "Salle#3", "0", "Zoe", "123",
                             "Aide#0", "2", "Babillon", "4", "3"});
        form_->show();
    }

    int Row(const std::string& raw_name) const {
        for (int i = 0; i < form_->list_dessalons->count(); ++i) {
            if (ParseRoomEntry(ToAnsi(form_->list_dessalons->ItemText(i))).raw_name == raw_name)
                return i;
        }
        return -1;
    }
    std::vector<std::string> Names(BabiListBox* list) const {
        std::vector<std::string> names;
        for (int i = 0; i < list->count(); ++i)
            names.push_back(ParseRoomEntry(ToAnsi(list->ItemText(i))).raw_name);
        return names;
    }

    TempDataDir data_;
    ShellWindows windows_;
    Tform_salons* form_ = nullptr;
    std::vector<std::string> sent_;
};

TEST_F(RoomListTest, ReplyFillsTheSortedListAndItsCount) {
    EXPECT_EQ(Names(form_->list_dessalons),
              (std::vector<std::string>{"Aide#0", "Paris#0", "Salle#3"}));
    EXPECT_EQ(form_->lbl_nb_salons->text(), "3");
}

// The list and its search results sort as the other lists: without regard to case, accented
// letters beside their plain ones.
TEST_F(RoomListTest, RoomsSortWithoutRegardToCaseOrAccents) {
    std::vector<std::string> fields;
    for (const char* name : {"Bar#0", "Zoo#1", "amis#0", "zen#0", "\xC9t\xE9#0", "Ecole#2"})
        fields.insert(fields.end(), {name, "0", "Bea", "1"});
    fields.push_back("6");
    form_->FillRoomList(fields);
    const std::vector<std::string> sorted = {"amis#0",      "Bar#0", "Ecole#2",
                                             "\xC9t\xE9#0", "zen#0", "Zoo#1"};
    EXPECT_EQ(Names(form_->list_dessalons), sorted);
    form_->text_rech->setText(QStringLiteral("*"));
    QTest::mouseClick(form_->btn_rech, Qt::LeftButton);
    ASSERT_NE(form_->SearchResults(), nullptr);
    EXPECT_EQ(Names(form_->SearchResults()->list_rechsalons), sorted);
}

// The menu acts on the room under the right click even when the list came again while it was
// open, and on none once that room is no longer listed. A forced entry empties the room's
// conversation first.
TEST_F(RoomListTest, ContextMenuKeepsToTheRoomUnderTheClick) {
    Tform_salon* room = windows_.RoomWindow();
    room->AppendRoomText("b1", "Bea", "0101bonjour");
    ASSERT_EQ(room->rich_salon->ParagraphCount(), 1);
    const QRect item =
        form_->list_dessalons->visualItemRect(form_->list_dessalons->item(Row("Salle#3")));
    QTest::mouseRelease(form_->list_dessalons->viewport(), Qt::RightButton, {}, item.center());
    ASSERT_TRUE(form_->menu_salons->isVisible());
    form_->menu_salons->hide();
    form_->FillRoomList({"Salle#3", "0", "Zoe", "9", "Aa#0", "0", "Lou", "1", "Bal#0", "0",
                         "Ana", "4", "Cave#0", "0", "Max", "2", "4"});
    ASSERT_EQ(Row("Salle#3"), 3);
    form_->menu_salons->actions().at(1)->trigger();
    EXPECT_EQ(sent_, std::vector<std::string>{"40\tSalle#3\t0"});
    EXPECT_EQ(windows_.state.ForcedRoom, "Salle#3");
    EXPECT_EQ(room->rich_salon->ParagraphCount(), 0);
    EXPECT_TRUE(room->rich_salon->toPlainText().isEmpty());

    form_->FillRoomList(
        {"Bal#0", "0", "Ana", "4", "Cave#0", "0", "Max", "2", "Dune#0", "0", "Lou", "1", "3"});
    form_->menu_salons->actions().at(0)->trigger();
    form_->menu_salons->actions().at(2)->trigger();
    EXPECT_EQ(sent_.size(), 1u);
    EXPECT_EQ(form_->list_salons_preferes->count(), 0);
}

TEST_F(RoomListTest, ListRequestShowsThePlaceholderWhichCannotBeJoinedOrForced) {
    QTest::mouseClick(form_->FlatButton3, Qt::LeftButton);
    EXPECT_EQ(sent_, std::vector<std::string>{"94"});
    ASSERT_EQ(form_->list_dessalons->count(), 1);
    EXPECT_EQ(form_->list_dessalons->ItemText(0), FromAnsi(kRoomListPlaceholder));
    form_->list_dessalons->setCurrentRow(0);
    windows_.state.ForcedRoom = "Ancien";
    QTest::mouseClick(form_->btn_rejoindre_liste, Qt::LeftButton);
    QTest::mouseClick(form_->btn_forcer, Qt::LeftButton);
    EXPECT_EQ(sent_, std::vector<std::string>{"94"});
    EXPECT_TRUE(windows_.state.ForcedRoom.empty());
    EXPECT_EQ(windows_.room_shown, 0);
    QTest::mouseClick(form_->FlatButton2, Qt::LeftButton);
    EXPECT_EQ(sent_.back(), "90");
}

TEST_F(RoomListTest, JoinsSendTheirLinesAndShowTheRoom) {
    const struct {
        const char* name;
        std::function<void()> act;
        std::string line;
        std::string forced;
    } cases[] = {
        {"listed",
         [&] {
             form_->list_dessalons->setCurrentRow(Row("Salle#3"));
             QTest::mouseClick(form_->btn_rejoindre_liste, Qt::LeftButton);
         },
         "40\tSalle#3\t0", ""},
        {"forced",
         [&] {
             form_->list_dessalons->setCurrentRow(Row("Paris#0"));
             QTest::mouseClick(form_->btn_forcer, Qt::LeftButton);
         },
         "40\tParis#0\t0", "Paris#0"},
        {"public by name, Enter",
         [&] {
             form_->text_salon->setText(QStringLiteral(" Caf\u00e9 "));
             QTest::keyClick(form_->text_salon, Qt::Key_Return);
         },
         "40\t Caf\xE9 \t0", ""},
        {"private by name",
         [&] {
             form_->text_salon->setText(QStringLiteral("Intime"));
             QTest::mouseClick(form_->btn_prive, Qt::LeftButton);
         },
         "40\tIntime\t1", ""},
        {"the program's room",
         [&] { QTest::mouseClick(form_->btn_salon_tamaris, Qt::LeftButton); },
         "40\tTamaris (babillon.test)\t1", ""},
    };
    for (const auto& c : cases) {
        sent_.clear();
        windows_.state.ForcedRoom = "Ancien";
        const int shown = windows_.room_shown;
        c.act();
        EXPECT_EQ(sent_, std::vector<std::string>{c.line}) << c.name;
        // Any other join ends a forced entry under way.
        EXPECT_EQ(windows_.state.ForcedRoom, c.forced) << c.name;
        EXPECT_EQ(windows_.room_shown, shown + 1) << c.name;
    }
}

TEST_F(RoomListTest, SearchMatchesDisplayNamesAndOpensResults) {
    const struct {
        const char* typed;
        std::vector<std::string> found;  // empty: no window at all when opens is false
        bool opens;
    } cases[] = {
        {"  Salle ?  ", {"Salle#3"}, true},
        {"*a*", {"Paris#0", "Salle#3"}, true},  // "Aide" has only a capital A
        {"Salle#3", {}, true},
        {"paris", {}, true},
        {"   ", {}, false},
    };
    for (const auto& c : cases) {
        form_->text_rech->setText(QString::fromLatin1(c.typed));
        QTest::keyClick(form_->text_rech, Qt::Key_S, Qt::AltModifier);
        Tform_salons_rech* results = form_->SearchResults();
        if (!c.opens) {
            EXPECT_EQ(results, nullptr) << c.typed;
            continue;
        }
        ASSERT_NE(results, nullptr) << c.typed;
        EXPECT_EQ(Names(results->list_rechsalons), c.found) << c.typed;
        QTest::mouseClick(results->btn_annuler, Qt::LeftButton);
        QTest::qWait(0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(form_->text_rech->text(), "");
    EXPECT_TRUE(sent_.empty());
}

TEST_F(RoomListTest, JoiningAFoundRoomSendsTheRawNameAndClosesTheResults) {
    form_->text_rech->setText(QStringLiteral("*3"));
    QTest::mouseClick(form_->btn_rech, Qt::LeftButton);
    Tform_salons_rech* results = form_->SearchResults();
    ASSERT_NE(results, nullptr);
    results->list_rechsalons->setCurrentRow(0);
    QTest::mouseClick(results->btn_rejoindre, Qt::LeftButton);
    EXPECT_EQ(sent_, std::vector<std::string>{"40\tSalle#3\t0"});
    EXPECT_FALSE(results->isVisible());
}

TEST_F(RoomListTest, PatternStarFindsThePlaceholder) {
    QTest::mouseClick(form_->FlatButton2, Qt::LeftButton);
    form_->text_rech->setText(QStringLiteral("*"));
    QTest::mouseClick(form_->btn_rech, Qt::LeftButton);
    ASSERT_NE(form_->SearchResults(), nullptr);
    EXPECT_EQ(form_->SearchResults()->list_rechsalons->count(), 1);
}

TEST_F(RoomListTest, FavouritesAddFromTheMenuJoinAndDelete) {
    form_->list_dessalons->setCurrentRow(Row("Salle#3"));
    const QRect item = form_->list_dessalons->visualItemRect(
        form_->list_dessalons->item(Row("Salle#3")));
    QTest::mouseRelease(form_->list_dessalons->viewport(), Qt::RightButton, {}, item.center());
    ASSERT_TRUE(form_->menu_salons->isVisible());
    QAction* add = form_->menu_salons->actions().at(2);
    EXPECT_EQ(add->text(), "Ajouter aux favoris");
    form_->menu_salons->hide();
    add->trigger();
    form_->AddFavourite("aide");
    ASSERT_EQ(form_->list_salons_preferes->count(), 2);
    EXPECT_EQ(form_->list_salons_preferes->item(0)->text(), "aide");
    EXPECT_EQ(form_->list_salons_preferes->item(1)->text(), "Salle 3");

    form_->list_salons_preferes->setCurrentRow(1);
    QTest::mouseClick(form_->btn_rejoindre_pref, Qt::LeftButton);
    EXPECT_EQ(sent_, std::vector<std::string>{"40\tSalle 3\t0"});
    QTest::mouseClick(form_->btn_del, Qt::LeftButton);
    ASSERT_EQ(form_->list_salons_preferes->count(), 1);
    EXPECT_EQ(form_->list_salons_preferes->item(0)->text(), "aide");
    EXPECT_EQ(data_.Read("salons.vek"), "[Salons]\r\naide=null\r\n");
}

}  // namespace
