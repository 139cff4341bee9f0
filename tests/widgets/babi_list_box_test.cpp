#include "widgets/babi_list_box.h"

#include <gtest/gtest.h>

#include <QTest>

#include "main/qt_test_app.h"
#include "widgets/hint_window.h"

namespace {

TEST(BabiListBox, ItemLinesAndHintTints) {
    const QString item = "Paris#0\njaune\nCr\u00e9ateur : Zo\u00e9\n\nZo\u00e9\n12\n";
    EXPECT_EQ(BabiListBox::ItemLine(item, 0), "Paris#0");
    EXPECT_EQ(BabiListBox::ItemLine(item, 2), QString::fromUtf8("Créateur : Zoé"));
    EXPECT_EQ(BabiListBox::ItemLine(item, 3), "");
    EXPECT_EQ(BabiListBox::ItemLine(item, 5), "12");
    EXPECT_EQ(BabiListBox::ItemLine(item, 6), "");
    EXPECT_EQ(BabiListBox::ItemLine(item, 9), "");
    EXPECT_EQ(BabiListBox::ItemLine("sans fin", 0), "sans fin");
    EXPECT_EQ(BabiListBox::HintTint("jaune"), BabiListBox::HintTint("autre"));
    for (const char* name : {"bleu", "rose", "gris", "oran"}) {
        EXPECT_NE(BabiListBox::HintTint(name), BabiListBox::HintTint("jaune")) << name;
    }
}

// The selected item is filled RGB(230, 230, 255) and remembered in the shared index; the
// others are white. The hint shows line 3 tinted by line 2 once the mouse rests, never "null".
TEST(BabiListBox, SelectionFillSharedIndexAndHint) {
    TestApplication();
    int last_selected = -1;
    BabiListBox list;
    list.SetLastSelectedIndex(&last_selected);
    list.SetItems({"a\nrose\nbonjour\n", "b\nbleu\nnull\n", "c\njaune\nsalut\n"});
    list.resize(200, 100);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    list.setCurrentRow(1);
    const QImage picture = list.viewport()->grab().toImage();
    EXPECT_EQ(last_selected, 1);
    EXPECT_EQ(picture.pixelColor(150, list.visualItemRect(list.item(1)).center().y()),
              QColor(230, 230, 255));
    EXPECT_EQ(picture.pixelColor(150, list.visualItemRect(list.item(0)).center().y()),
              QColor(Qt::white));

    QTest::mouseMove(list.viewport(), list.visualItemRect(list.item(0)).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.Hint()->isVisible(); }));
    EXPECT_EQ(list.Hint()->text(), "bonjour");
    EXPECT_EQ(list.Hint()->palette().color(QPalette::Window), BabiListBox::HintTint("rose"));
    QTest::mouseMove(list.viewport(), list.visualItemRect(list.item(1)).center());
    QTest::qWait(BabiListBox::kHintDelayMs * 2);
    EXPECT_FALSE(list.Hint()->isVisible());
}

}  // namespace
