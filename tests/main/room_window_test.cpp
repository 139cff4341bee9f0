// The room window's member panel: the list as drawn, its buttons and its context menu.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "main/dispatcher_fixture.h"

namespace {

class RoomWindowTest : public DispatcherTest {
  protected:
    RoomWindowTest() {
        windows.OpenStandardWindows();
        room().SetLineSender([this](const std::string& line) { room_sent.push_back(line); });
        room().resize(800, 500);
        room().show();
    }
    Tform_salon& room() { return *windows.RoomWindow(); }
    // A full list of members k0, k1 ... of the given sexes.
    void FullList(const std::vector<std::string>& sexes, const std::string& status = "0") {
        std::vector<std::string> fields{"-1"};
        for (std::size_t i = 0; i < sexes.size(); ++i) {
            const std::string n = std::to_string(i);
            fields.insert(fields.end(),
                          {"k" + n, "", "Membre" + n, status, "2" + n, sexes[i], "V"});
        }
        Run("85", fields);
    }
    void Select(int row) {
        room().list_membres->setCurrentIndex(room().list_membres->model()->index(row, 0));
    }
    QRect RowRect(int row) {
        auto* list = windows.RoomWindow()->list_membres;
        return list->visualRect(list->model()->index(row, 0));
    }
    // The list's viewport as drawn, in the coordinates of RowRect.
    QImage DrawnList() {
        QWidget* viewport = room().list_membres->viewport();
        const QRect area(viewport->mapTo(&room(), QPoint(0, 0)), viewport->size());
        return room().grab().toImage().copy(area);
    }
    QAction* PopupAction(const QString& text) {
        for (QAction* action : room().popup->actions())
            if (action->text() == text) return action;
        return nullptr;
    }

    std::vector<std::string> room_sent;
};

// More members than one answer of the server carries: the window asks for the rest.
TEST_F(RoomWindowTest, ListOfMoreThan35AsksForTheRest) {
    const struct {
        std::size_t members;
        std::size_t leaving;
        std::vector<std::string> sent;
        const char* caption;
    } rows[] = {
        {35, 0, {}, "Membres [35;H:0;F:35;I:0]"},
        {36, 0, {"85"}, "Membres [36;H:0;F:36;I:0]"},
        {36, 1, {"85"}, "Membres [35;H:0;F:35;I:0]"},  // the departure brings it to 35
        {40, 2, {"85", "85"}, "Membres [38;H:0;F:38;I:0]"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.members);
        room_sent.clear();
        FullList(std::vector<std::string>(row.members, "0"));
        std::vector<std::string> leaving{"1"};
        for (std::size_t i = 0; i < row.leaving; ++i) leaving.push_back("k" + std::to_string(i));
        if (row.leaving > 0) Run("85", leaving);
        EXPECT_EQ(room_sent, row.sent);
        EXPECT_EQ(room().panel_header_membres->text().toStdString(), row.caption);
        EXPECT_EQ(state.RoomCounts.entries, static_cast<int>(row.members - row.leaving));
    }
}

TEST_F(RoomWindowTest, ButtonsActOnTheSelectedMember) {
    FullList({"1"});  // Membre0, k0
    Tform_salon& w = room();
    for (QPushButton* button : {w.btn_pv, w.btn_mail, w.btn_profil, w.btn_ignorer})
        QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(windows.PrivateSlotCount(), 0);
    EXPECT_TRUE(windows.profiles.empty() && windows.mail_pages.empty() && windows.toggled.empty());

    Select(0);
    QTest::mouseClick(w.btn_profil, Qt::LeftButton);
    QTest::mouseClick(w.btn_mail, Qt::LeftButton);
    QTest::mouseClick(w.btn_ignorer, Qt::LeftButton);
    EXPECT_EQ(windows.profiles, std::vector<std::string>{"Membre0"});
    EXPECT_EQ(windows.mail_pages, std::vector<std::string>{"Membre0"});
    EXPECT_EQ(windows.toggled, std::vector<std::string>{"k0"});

    // The first private click opens the window, the next one brings it forward.
    QTest::mouseClick(w.btn_pv, Qt::LeftButton);
    ASSERT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.PrivateWindow(0)->ChatId(), "k0");
    EXPECT_EQ(windows.PrivateWindow(0)->Town(), "V");
    QTest::mouseClick(w.list_membres->viewport(), Qt::LeftButton, {}, RowRect(0).center());
    QTest::mouseDClick(w.list_membres->viewport(), Qt::LeftButton, {}, RowRect(0).center());
    EXPECT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.shown_private, 0);

    // The selection survives a rebuild.
    FullList({"1", "0"});
    ASSERT_FALSE(w.list_membres->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_EQ(w.list_membres->selectionModel()->selectedIndexes().front().row(), 1);

    QTest::mouseClick(w.FlatButton4, Qt::LeftButton);
    EXPECT_EQ(windows.configuration_pages, std::vector<int>{2});
    EXPECT_FALSE(w.FlatButton1->isEnabled());
    EXPECT_TRUE(w.FlatButton2->isEnabled() && w.FlatButton3->isEnabled());
    EXPECT_TRUE(w.FlatButton6->isHidden());
    w.FlatButton6->click();
    EXPECT_EQ(windows.statistics_shown, 1);

    // Only the sex sort can be chosen; the glyph shows on it alone.
    EXPECT_FALSE(w.btn_tri_nom->isEnabled() || w.btn_tri_age->isEnabled());
    EXPECT_FALSE(w.btn_tri_sexe->icon().isNull());
    EXPECT_TRUE(w.btn_tri_nom->icon().isNull() && w.btn_tri_age->icon().isNull());
    EXPECT_EQ(state.SortMode, 'S');

    const QImage pausing = w.btn_play->icon().pixmap(16).toImage();
    QTest::mouseClick(w.btn_play, Qt::LeftButton);
    EXPECT_FALSE(w.rich_salon->AutoScroll());
    EXPECT_NE(w.btn_play->icon().pixmap(16).toImage(), pausing);
    QTest::mouseClick(w.btn_play, Qt::LeftButton);
    EXPECT_TRUE(w.rich_salon->AutoScroll());
    EXPECT_EQ(w.btn_play->icon().pixmap(16).toImage(), pausing);
}

TEST_F(RoomWindowTest, ContextMenuActsOnTheEntryRightClicked) {
    FullList({"0", "1"});  // Membre0 (woman) first, then Membre1
    Tform_salon& w = room();
    QTest::mouseRelease(w.list_membres->viewport(), Qt::RightButton, {}, RowRect(1).center());
    EXPECT_TRUE(w.popup->isVisible());
    EXPECT_EQ(w.list_membres->currentIndex().row(), 1);
    w.popup->hide();

    w.text_envoi->setText("salut");
    PopupAction(QStringLiteral("Parler à ..."))->trigger();
    EXPECT_EQ(w.text_envoi->text(), "Membre1> ");
    w.text_envoi->setText("salut");
    PopupAction(QStringLiteral("Parler aussi à ..."))->trigger();
    EXPECT_EQ(w.text_envoi->text(), "Membre1> salut");
    EXPECT_EQ(w.text_envoi->cursorPosition(), w.text_envoi->text().size());

    // The menu keeps its entry when the selection moves on.
    Select(0);
    PopupAction(QStringLiteral("Profil"))->trigger();
    PopupAction(QStringLiteral("Envoyer un E-Mail"))->trigger();
    PopupAction(QStringLiteral("Dialoguer en privé"))->trigger();
    EXPECT_EQ(windows.profiles, std::vector<std::string>{"Membre1"});
    EXPECT_EQ(windows.mail_pages, std::vector<std::string>{"Membre1"});
    ASSERT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(windows.PrivateWindow(0)->ChatId(), "k1");
    EXPECT_FALSE(PopupAction(QStringLiteral("Ignorer"))->isEnabled());

    // A right click beside the entries opens nothing.
    QTest::mouseRelease(w.list_membres->viewport(), Qt::RightButton, {},
                        RowRect(1).center() + QPoint(0, 100));
    EXPECT_FALSE(w.popup->isVisible());
}

// Pixels of a row drawn in a colour, give or take the smoothing of the text's edges.
int PixelsOf(const QImage& image, const QRect& row, const QColor& colour) {
    constexpr int kTolerance = 48;
    int count = 0;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= kTolerance &&
                std::abs(pixel.green() - colour.green()) <= kTolerance &&
                std::abs(pixel.blue() - colour.blue()) <= kTolerance)
                ++count;
        }
    }
    return count;
}

TEST_F(RoomWindowTest, EntriesAreDrawnInTheirColours) {
    state.IgnoreList = {"k3"};
    FullList({"0", "1", "-1", "1"});  // women, men, unknown, ignored
    Run("85", {"0", "k4", "", "Occupee", "64", "30", "0", "V"});
    // Rows: Membre0 rose, Occupee oran, Membre1 bleu, Membre2 vert, Membre3 gris.
    const struct {
        int row;
        QColor colour;
    } rows[] = {
        {0, QColor(255, 0, 255)}, {1, QColor(255, 157, 0)},   {2, QColor(0, 0, 255)},
        {3, QColor(128, 128, 0)}, {4, QColor(128, 128, 128)},
    };
    const QImage drawn = DrawnList();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.row);
        EXPECT_GT(PixelsOf(drawn, RowRect(row.row), row.colour), 10);
        EXPECT_EQ(RowRect(row.row).height(), 15);
    }

    Select(2);
    const QImage selected = DrawnList();
    const QRect fill = RowRect(2);
    EXPECT_EQ(selected.pixelColor(fill.right() - 1, fill.center().y()), QColor(230, 230, 255));
    EXPECT_EQ(state.LastSelectedIndex, 2);

    // The user's own entry is bold: more ink for the same text.
    const int regular = PixelsOf(selected, RowRect(0), QColor(255, 0, 255));
    session.ServerId = "k0";
    const QImage own = DrawnList();
    EXPECT_GT(PixelsOf(own, RowRect(0), QColor(255, 0, 255)), regular + 5);
}

}  // namespace
