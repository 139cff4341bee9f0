#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_infos.h"
#include "main/main_window_fixture.h"

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
