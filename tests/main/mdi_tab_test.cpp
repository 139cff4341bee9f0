#include "widgets/mdi_tab.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <memory>
#include <set>
#include <vector>

#include "main/qt_test_app.h"

namespace {

class MDITabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TestApplication();
        strip_ = std::make_unique<MDITab>();
    }

    // Short captions give tabs of the minimum width, 64 pixels, 2 apart.
    void AddTabs(int count) {
        for (int i = 0; i < count; ++i) {
            windows_.push_back(std::make_unique<QWidget>());
            strip_->AddTab(windows_.back().get(), i % 11, QString::number(i));
        }
    }

    std::unique_ptr<MDITab> strip_;
    std::vector<std::unique_ptr<QWidget>> windows_;
};

struct WrapCase {
    int width;
    int tabs;
    int rows;
};

class MDITabWrapTest : public MDITabTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(MDITabWrapTest, TabsWrapOntoRowsThatFitTheWidth) {
    const WrapCase c = GetParam();
    strip_->resize(c.width, 200);
    AddTabs(c.tabs);
    EXPECT_EQ(strip_->RowCount(), c.rows);
    std::set<int> tops;
    for (int i = 0; i < strip_->Count(); ++i) {
        const QRect r = strip_->TabRect(i);
        tops.insert(r.top());
        if (c.width >= r.width()) {
            EXPECT_LE(r.right(), c.width - 1) << "tab " << i;
        }
        EXPECT_EQ(strip_->TabAt(r.center()), i);
    }
    if (c.tabs > 0) {
        EXPECT_EQ(static_cast<int>(tops.size()), c.rows);
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, MDITabWrapTest,
                         ::testing::Values(WrapCase{1000, 10, 1}, WrapCase{300, 10, 3},
                                           WrapCase{130, 10, 5}, WrapCase{129, 3, 3},
                                           WrapCase{40, 4, 4}, WrapCase{300, 0, 1}));

TEST_F(MDITabTest, NarrowingTheStripAddsRowsAndReportsTheResize) {
    strip_->resize(1000, 200);
    strip_->show();
    AddTabs(6);
    ASSERT_EQ(strip_->RowCount(), 1);
    QSignalSpy resized(strip_.get(), &MDITab::Resized);
    strip_->resize(140, 200);
    EXPECT_EQ(strip_->RowCount(), 3);
    EXPECT_GE(resized.count(), 1);
}

TEST_F(MDITabTest, NewTabIsSelectedAndClicksSelectWithChange) {
    strip_->resize(600, 100);
    QSignalSpy change(strip_.get(), &MDITab::Change);
    AddTabs(3);
    EXPECT_EQ(strip_->TabIndex(), 2);
    ASSERT_EQ(change.count(), 3);
    strip_->show();
    QTest::mouseClick(strip_.get(), Qt::LeftButton, {}, strip_->TabRect(0).center());
    EXPECT_EQ(strip_->TabIndex(), 0);
    ASSERT_EQ(change.count(), 4);
    EXPECT_EQ(change.last().at(0).toInt(), 0);
    // A click beside every tab changes nothing.
    QTest::mouseClick(strip_.get(), Qt::LeftButton, {}, QPoint(590, 90));
    EXPECT_EQ(strip_->TabIndex(), 0);
    EXPECT_EQ(change.count(), 4);
}

TEST_F(MDITabTest, DestroyedWindowLeavesTheStripAndTheSelectionFollows) {
    strip_->resize(600, 100);
    AddTabs(4);
    strip_->SetTabIndex(2);
    QWidget* third = windows_[2].get();
    windows_[0].reset();
    EXPECT_EQ(strip_->Count(), 3);
    EXPECT_EQ(strip_->TabIndex(), 1);
    EXPECT_EQ(strip_->Window(1), third);
    EXPECT_EQ(strip_->Caption(1), "2");
    windows_[2].reset();
    EXPECT_EQ(strip_->TabIndex(), -1);
    EXPECT_EQ(strip_->IndexOf(third), -1);
    strip_->Clear();
    EXPECT_EQ(strip_->Count(), 0);
    EXPECT_EQ(strip_->RowCount(), 1);
}

TEST_F(MDITabTest, DrawHookPaintsEveryTabInItsRectangle) {
    strip_->resize(300, 100);
    AddTabs(5);
    std::vector<std::pair<int, QRect>> drawn;
    strip_->OnDrawTab = [&](QPainter&, int index, const QRect& rect) {
        drawn.emplace_back(index, rect);
    };
    strip_->grab();
    ASSERT_EQ(drawn.size(), 5u);
    for (const auto& [index, rect] : drawn) EXPECT_EQ(rect, strip_->TabRect(index));
}

}  // namespace
