#include <gtest/gtest.h>

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "directory/debug_category.h"
#include "directory/form_debug.h"
#include "main/qt_test_app.h"
#include "main/shell_windows.h"
#include "widgets/ansi_text.h"

namespace {

TEST(DebugCategory, NamesAndColours) {
    struct Case {
        int category;
        std::string_view name;
        Rgb background;
        Rgb text;
    };
    const Case cases[] = {
        {0, "standard", {226, 226, 226}, {0, 0, 0}},  {1, "ok", {224, 255, 224}, {51, 102, 0}},
        {2, "warning", {251, 255, 198}, {102, 0, 0}}, {3, "connex", {208, 208, 232}, {0, 51, 102}},
        {4, "chat", {224, 224, 255}, {0, 0, 102}},    {5, "error", {255, 224, 224}, {204, 0, 0}},
        {6, "standard", {226, 226, 226}, {0, 0, 0}},  {255, "standard", {226, 226, 226}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.category);
        EXPECT_EQ(CategoryName(static_cast<std::uint8_t>(c.category)), c.name);
        const CategoryColours colours = ColoursOfCategory(c.name);
        EXPECT_EQ(colours.background, c.background);
        EXPECT_EQ(colours.text, c.text);
    }
    EXPECT_EQ(ColoursOfCategory("autre").background, (Rgb{226, 226, 226}));
}

class DebugConsoleTest : public ::testing::Test {
  protected:
    DebugConsoleTest() {
        form.SetLineSender([this](const std::string& line) { sent.push_back(line); });
        form.resize(700, 300);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QColor PixelOfRow(int row) {
        QApplication::processEvents();  // the list lays its new lines out there, as before a paint
        const QImage image = form.list_debug->viewport()->grab().toImage();
        const QRect rect = form.list_debug->visualItemRect(form.list_debug->item(row));
        return image.pixelColor(rect.right() - 4, rect.center().y());
    }

    QApplication& app = TestApplication();
    ShellWindows windows;
    Tform_debug form{windows.context()};
    std::vector<std::string> sent;
};

TEST_F(DebugConsoleTest, ItemsCarryTheirCategoryAndAreDrawnInItsColours) {
    for (int category = 0; category <= 6; ++category) {
        form.Append("ligne " + std::to_string(category), static_cast<std::uint8_t>(category));
    }
    ASSERT_EQ(form.list_debug->count(), 7);
    EXPECT_EQ(ToAnsi(form.list_debug->item(0)->text()), "ligne 0\nstandard");
    EXPECT_EQ(ToAnsi(form.list_debug->item(5)->text()), "ligne 5\nerror");
    EXPECT_EQ(ToAnsi(form.list_debug->item(6)->text()), "ligne 6\nstandard");
    const QColor expected[] = {{226, 226, 226}, {224, 255, 224}, {251, 255, 198}, {208, 208, 232},
                               {224, 224, 255}, {255, 224, 224}, {226, 226, 226}};
    for (int row = 0; row < 7; ++row) EXPECT_EQ(PixelOfRow(row), expected[row]) << row;

    form.Append("HTTP/1.1 500 Erreur\r\nServer: x", 5);
    EXPECT_EQ(PixelOfRow(7), QColor(255, 224, 224));

    form.list_debug->setCurrentRow(2);
    EXPECT_EQ(PixelOfRow(2), form.list_debug->palette().color(QPalette::Highlight));
}

TEST_F(DebugConsoleTest, TheLastLineStaysInViewWhileFollowing) {
    for (int i = 0; i < 200; ++i) form.Append("ligne " + std::to_string(i), 4);
    QApplication::processEvents();
    const QRect last = form.list_debug->visualItemRect(form.list_debug->item(199));
    EXPECT_TRUE(form.list_debug->viewport()->rect().intersects(last));
}

TEST_F(DebugConsoleTest, OnlyTheNewestLinesAreKept) {
    constexpr int kept = Tform_debug::kKeptLines;
    int appended = 0;
    const auto append_until = [&](int total) {
        for (; appended < total; ++appended) form.Append("ligne " + std::to_string(appended), 4);
    };
    // Full but within the tenth: nothing goes yet.
    append_until(kept + kept / 10);
    EXPECT_EQ(form.list_debug->count(), kept + kept / 10);
    // One more: the oldest tenth goes at once, and the list still follows its end.
    append_until(kept + kept / 10 + 1);
    QApplication::processEvents();
    ASSERT_EQ(form.list_debug->count(), kept);
    EXPECT_EQ(form.list_debug->item(0)->text(), "ligne " + QString::number(appended - kept) + "\nchat");
    QListWidgetItem* newest = form.list_debug->item(kept - 1);
    EXPECT_EQ(newest->text(), "ligne " + QString::number(appended - 1) + "\nchat");
    EXPECT_TRUE(form.list_debug->viewport()->rect().intersects(
        form.list_debug->visualItemRect(newest)));
}

TEST_F(DebugConsoleTest, SendingIsOffUntilTheChatConnectionIsUp) {
    EXPECT_FALSE(form.text_debug->isEnabled());
    EXPECT_FALSE(form.btn_envoyer->isEnabled());
    EXPECT_FALSE(form.btn_tab->isEnabled());
    form.SetSendEnabled(true);
    EXPECT_TRUE(form.text_debug->isEnabled());
    EXPECT_TRUE(form.btn_envoyer->isEnabled());
    EXPECT_TRUE(form.btn_tab->isEnabled());
}

TEST_F(DebugConsoleTest, TabsInsertedByTheButtonAreSentAsFieldSeparators) {
    form.SetSendEnabled(true);
    form.text_debug->setFocus();
    const std::string first(39, 'a');
    const std::string second(40, 'b');
    QTest::keyClicks(form.text_debug, QString::fromStdString(first));
    QTest::mouseClick(form.btn_tab, Qt::LeftButton);
    QTest::keyClicks(form.text_debug, QString::fromStdString(second) + "ccc");  // beyond 80
    EXPECT_EQ(form.text_debug->text().size(), 80);
    QTest::keyClick(form.text_debug, Qt::Key_Return);
    EXPECT_EQ(sent, std::vector<std::string>{first + "\t" + second});
    EXPECT_TRUE(form.text_debug->text().isEmpty());

    form.text_debug->insert(QStringLiteral("84\tétat"));
    QTest::keyClick(form.text_debug, Qt::Key_S, Qt::AltModifier);
    QTest::mouseClick(form.btn_envoyer, Qt::LeftButton);  // an empty field sends an empty line
    EXPECT_EQ(sent, (std::vector<std::string>{first + "\t" + second, "84\t\xE9tat", ""}));
}

TEST_F(DebugConsoleTest, CopyTakesTheSelectedItemAndKeepsTheTypedText) {
    form.Append(
        "Connexion effectu\xE9"
        "e",
        1);
    form.Append("autre", 2);
    QApplication::clipboard()->setText(QStringLiteral("avant"));

    form.list_debug->setCurrentRow(0);
    QTest::mouseClick(form.FlatButton1, Qt::LeftButton);  // edit disabled: nothing happens
    EXPECT_EQ(QApplication::clipboard()->text(), "avant");

    form.SetSendEnabled(true);
    form.text_debug->setText(QStringLiteral("en cours"));
    form.text_debug->setCursorPosition(3);
    QTest::mouseClick(form.FlatButton1, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Connexion effectuée\nok"));
    EXPECT_EQ(form.text_debug->text(), "en cours");
    EXPECT_EQ(form.text_debug->cursorPosition(), 3);

    form.list_debug->clearSelection();
    QApplication::clipboard()->setText(QStringLiteral("avant"));
    QTest::mouseClick(form.FlatButton1, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "avant");
}

TEST_F(DebugConsoleTest, DetailShowsTheWholeSelectedItem) {
    form.Append("[Chat-26] Changement de mode : 2", 4);
    // The box is modal: a timer running inside its loop reads and closes it.
    QStringList shown;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    answerer.start(5);
    QTest::mouseClick(form.btn_detail, Qt::LeftButton);  // no selection: no box
    EXPECT_TRUE(shown.isEmpty());
    form.list_debug->setCurrentRow(0);
    QTest::mouseClick(form.btn_detail, Qt::LeftButton);
    EXPECT_EQ(shown, QStringList{"[Chat-26] Changement de mode : 2\nchat"});
    form.list_debug->setCurrentRow(0);
    emit form.list_debug->itemDoubleClicked(form.list_debug->item(0));
    EXPECT_EQ(shown.size(), 2);
}

TEST_F(DebugConsoleTest, ClearEmptiesTheListAndClosingIsRefused) {
    for (int i = 0; i < 50; ++i) form.Append("x", 0);
    QTest::mouseClick(form.btn_effacer, Qt::LeftButton);
    EXPECT_EQ(form.list_debug->count(), 0);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
