#include <gtest/gtest.h>

#include <QTextBrowser>

#include "main/qt_test_app.h"
#include "main/shell_windows.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"

namespace {

class ChildWindowsTest : public ::testing::Test {
  protected:
    ChildWindowsTest() {
        TestApplication();
        windows.OpenStandardWindows();
        windows.InfoWindow()->SetSoundPlayer(
            [this](const std::string& file) { played.push_back(file); });
        windows.state.Config.Son = "/tmp/son.wav";
    }
    ShellWindows windows;
    std::vector<std::string> played;
};

TEST_F(ChildWindowsTest, NoticeMarksTheInfoTabUnlessItIsSelected) {
    struct Case {
        int selected_tab;
        bool activ_son;
        bool marked;
        std::size_t sounds;
    };
    const Case cases[] = {{2, true, true, 1}, {2, false, true, 0}, {4, false, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.selected_tab << " son " << c.activ_son);
        Tform_infos& infos = *windows.InfoWindow();
        infos.SetNewText(false);
        played.clear();
        windows.tab_repaints = 0;
        windows.selected_tab = c.selected_tab;
        windows.state.Config.ActivSon = c.activ_son;

        infos.AddInfoLine("Vous avez ete ignor\xE9 par Zoe");

        EXPECT_EQ(infos.HasNewText(), c.marked);
        EXPECT_EQ(windows.tab_repaints, c.marked ? 1 : 0);
        EXPECT_EQ(played.size(), c.sounds);
    }
    EXPECT_EQ(ToAnsi(windows.InfoWindow()->Rich_Infos->toPlainText()),
              "Vous avez ete ignor\xE9 par Zoe\nVous avez ete ignor\xE9 par Zoe\n"
              "Vous avez ete ignor\xE9 par Zoe");
}

TEST_F(ChildWindowsTest, StandardWindowsRefuseToCloseAndCarryTheirNames) {
    const std::pair<QWidget*, QString> forms[] = {
        {windows.RoomListWindow(), "form_salons"}, {windows.SearchWindow(), "form_connectes"},
        {windows.InfoWindow(), "form_infos"},      {windows.FriendsWindow(), "form_amis"},
        {windows.RoomWindow(), "form_salon"},
    };
    for (const auto& [form, name] : forms) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(form->objectName(), name);
        form->show();
        EXPECT_FALSE(form->close());
        EXPECT_TRUE(form->isVisible());
        form->hide();
    }
    EXPECT_EQ(windows.RoomListWindow()->windowTitle(), "Salons");
    EXPECT_EQ(windows.SearchWindow()->windowTitle(), QStringLiteral("Connectés"));
    EXPECT_EQ(windows.InfoWindow()->windowTitle(), "Infos");
    EXPECT_EQ(windows.FriendsWindow()->windowTitle(), "Ami(e)s");
}

TEST_F(ChildWindowsTest, PrivateWindowKeepsItsPartnerWithinTheFieldLengths) {
    ASSERT_EQ(windows.OpenPrivateWindow(std::string(25, 'i'), std::string(40, 'a'), "1234567", "-1",
                                        std::string(30, 't'), "", false),
              0);
    Tform_prive& window = *windows.PrivateWindow(0);
    EXPECT_EQ(window.objectName(), "form_prive");
    EXPECT_EQ(window.ChatId(), std::string(20, 'i'));
    EXPECT_EQ(window.Alias(), std::string(35, 'a'));
    EXPECT_EQ(window.Age(), "12345");
    EXPECT_EQ(window.Sex(), "-");
    EXPECT_EQ(window.Town(), std::string(25, 't'));
    EXPECT_EQ(ToAnsi(window.windowTitle()), std::string(35, 'a'));
    EXPECT_TRUE(window.close());
}

}  // namespace
