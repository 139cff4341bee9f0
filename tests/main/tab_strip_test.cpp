#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_infos.h"
#include "directory/form_salons.h"
#include "main/main_window_fixture.h"
#include "widgets/babi_list_box.h"

namespace {

const QColor kHighlight(0xF0, 0xD8, 0x4F);

QColor InsideColour(const QImage& strip, const QRect& tab) {
    return QColor(strip.pixel(tab.right() - 1, tab.top() + 1));
}

// Opens private windows with short captions until the strip needs one more row.
int OpenPrivatesUntilANewRow(Tform_main& main, int& opened) {
    const int rows = main.Tabs()->RowCount();
    while (main.Tabs()->RowCount() == rows) {
        const std::string id = "p" + std::to_string(opened++);
        main.OpenPrivateWindow(id, id, "20", "1", "Metz", "", false);
    }
    return main.Tabs()->RowCount();
}

struct HighlightCase {
    const char* flagged;
    int tab;
};

class TabHighlightTest : public MainWindowTest,
                         public ::testing::WithParamInterface<HighlightCase> {};

TEST_P(TabHighlightTest, OnlyTheTabWithNewTextIsFilledUntilItIsSelected) {
    const HighlightCase c = GetParam();
    main().OpenStandardWindows();
    main().OpenPrivateWindow("id_p", "Paul", "40", "1", "Brest", "", false);
    main().Tabs()->SetTabIndex(0);
    const std::string flagged = c.flagged;
    if (flagged == "infos") main().InfoWindow()->SetNewText(true);
    if (flagged == "amis") main().FriendsWindow()->SetNewText(true);
    if (flagged == "salon") main().RoomWindow()->SetNewText(true);
    if (flagged == "prive") main().PrivateWindow(0)->SetNewText(true);

    const QImage strip = main().Tabs()->grab().toImage();
    for (int i = 0; i < main().Tabs()->Count(); ++i) {
        const QColor inside = InsideColour(strip, main().Tabs()->TabRect(i));
        if (i == c.tab) {
            EXPECT_EQ(inside, kHighlight) << "tab " << i;
        } else {
            EXPECT_NE(inside, kHighlight) << "tab " << i;
        }
    }

    main().Tabs()->SetTabIndex(c.tab);
    const QImage after = main().Tabs()->grab().toImage();
    EXPECT_NE(InsideColour(after, main().Tabs()->TabRect(c.tab)), kHighlight);
}

INSTANTIATE_TEST_SUITE_P(Flags, TabHighlightTest,
                         ::testing::Values(HighlightCase{"infos", 4}, HighlightCase{"amis", 5},
                                           HighlightCase{"salon", 6}, HighlightCase{"prive", 7}));

TEST_F(MainWindowTest, NothingIsHighlightedWithoutNewText) {
    main().OpenStandardWindows();
    const QImage strip = main().Tabs()->grab().toImage();
    for (int i = 0; i < main().Tabs()->Count(); ++i) {
        EXPECT_NE(InsideColour(strip, main().Tabs()->TabRect(i)), kHighlight) << "tab " << i;
    }
}

// A join from the room list or the user search brings the room forward on its tab without
// the tab's change handler: the room keeps its activity mark.
TEST_F(MainWindowTest, JoiningSelectsTheRoomTabAndKeepsItsActivityMark) {
    main().OpenStandardWindows();
    Tform_salons* rooms = main().RoomListWindow();
    rooms->SetLineSender([](const std::string&) {});
    rooms->FillRoomList({"Paris#0", "0", "Bea", "12", "1"});
    Tform_connectes* search = main().SearchWindow();
    search->FillUserResults({"1:-2:-2", "i1", "bob", "", "30", "1", "Nice", "Salle#2", ""});
    const struct {
        int from_tab;
        std::function<void()> join;
    } joins[] = {
        {2,
         [&] {
             rooms->list_dessalons->setCurrentRow(0);
             QTest::mouseClick(rooms->btn_rejoindre_liste, Qt::LeftButton);
         }},
        {3,
         [&] {
             search->list_rech->setCurrentRow(0);
             QTest::mouseClick(search->btn_salon, Qt::LeftButton);
         }},
    };
    for (const auto& c : joins) {
        SCOPED_TRACE(c.from_tab);
        main().Tabs()->SetTabIndex(c.from_tab);
        main().RoomWindow()->SetNewText(true);
        c.join();
        EXPECT_EQ(main().Tabs()->TabIndex(), 6);
        ASSERT_NE(main().MdiArea()->activeSubWindow(), nullptr);
        EXPECT_EQ(main().MdiArea()->activeSubWindow()->widget(), main().RoomWindow());
        EXPECT_TRUE(main().RoomWindow()->HasNewText());
    }
}

TEST_F(MainWindowTest, NewTabRowGrowsThePanelBy24AndAResizeRowBy25) {
    const int start_height = main().TabPanel()->height();
    ASSERT_EQ(start_height, Tform_main::kTabPanelHeight);
    ASSERT_EQ(state_.TabRowCount, 1);

    int opened = 0;
    ASSERT_EQ(OpenPrivatesUntilANewRow(main(), opened), 2);
    EXPECT_EQ(state_.TabRowCount, 2);
    EXPECT_EQ(main().TabPanel()->height(), start_height + 24);

    const int rows_before = main().Tabs()->RowCount();
    const int height_before = main().TabPanel()->height();
    main().resize(main().minimumSizeHint().width(), 600);
    ASSERT_TRUE(WaitUntil([&] { return state_.TabRowCount == main().Tabs()->RowCount(); }));
    const int added_rows = main().Tabs()->RowCount() - rows_before;
    ASSERT_GT(added_rows, 0);
    EXPECT_EQ(main().TabPanel()->height(), height_before + 25 * added_rows);

    // Wide again: the panel shrinks row by row, never below one row.
    main().resize(1400, 600);
    ASSERT_TRUE(WaitUntil([&] { return state_.TabRowCount == 1; }));
    EXPECT_EQ(main().Tabs()->RowCount(), 1);
    EXPECT_EQ(main().TabPanel()->height(), Tform_main::kTabPanelHeight);
}

}  // namespace
