#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

#include "auxiliary/form_browser.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "conversation/partner_panel.h"
#include "directory/form_amis.h"
#include "directory/form_debug.h"
#include "directory/form_infos.h"
#include "main/main_window_fixture.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"
#include "widgets/hint_window.h"

namespace {

TEST_F(MainWindowTest, DebugConsoleIsCreatedInTabZeroOnFirstShow) {
    ASSERT_NE(main().DebugWindow(), nullptr);
    EXPECT_EQ(main().Tabs()->Count(), 1);
    EXPECT_EQ(FormInTab(0), main().DebugWindow());
    EXPECT_EQ(main().Tabs()->Caption(0), "Debug");
    EXPECT_EQ(main().Tabs()->ImageIndex(0), 2);
}

TEST_F(MainWindowTest, OwnChatIdOpensNoPrivateWindow) {
    main().Babillon.ServerId = "moi_42";
    EXPECT_EQ(main().OpenPrivateWindow("moi_42", "Moi", "30", "1", "Paris", "salut", false), -1);
    EXPECT_EQ(main().PrivateWindowCount(), 0);
    EXPECT_EQ(main().Tabs()->Count(), 1);
    // Chat ids compare exactly: another case is somebody else.
    EXPECT_EQ(main().OpenPrivateWindow("MOI_42", "Autre", "30", "1", "Paris", "", false), 0);
    EXPECT_EQ(main().Tabs()->Count(), 2);
    EXPECT_EQ(main().Tabs()->ImageIndex(1), 8);
}

TEST_F(MainWindowTest, ClosedPrivateWindowLeavesAnEmptySlotAndNewOnesGoAtTheEnd) {
    ASSERT_EQ(main().OpenPrivateWindow("id_a", "Alice", "25", "0", "Lyon", "", false), 0);
    ASSERT_EQ(main().OpenPrivateWindow("id_b", "Bob", "31", "1", "Nice", "", false), 1);
    Tform_prive* alice = main().PrivateWindow(0);
    ASSERT_NE(alice, nullptr);
    EXPECT_EQ(alice->Alias(), "Alice");
    EXPECT_EQ(alice->SlotIndex(), 0);
    EXPECT_EQ(main().Tabs()->Caption(1), "Alice");

    // The tab goes with the close, before the window is destroyed.
    QTest::mouseClick(alice->partner->FlatButton5, Qt::LeftButton);
    ASSERT_EQ(main().Tabs()->Count(), 2);
    EXPECT_EQ(FormInTab(1), main().PrivateWindow(1));
    ASSERT_TRUE(WaitUntil([&] { return main().PrivateWindow(0) == nullptr; }));
    EXPECT_EQ(main().FindPrivateWindow("id_a"), -1);
    EXPECT_EQ(main().FindPrivateWindow("id_b"), 1);
    EXPECT_EQ(main().Tabs()->Count(), 2);

    EXPECT_EQ(main().OpenPrivateWindow("id_a", "Alice", "25", "0", "Lyon", "", false), 2);
    EXPECT_EQ(main().PrivateWindowCount(), 3);
    EXPECT_EQ(main().FindPrivateWindow("id_a"), 2);
    EXPECT_EQ(FormInTab(2), main().PrivateWindow(2));
}

TEST_F(MainWindowTest, FunctionKeysPutTheEasyPhraseIntoTheConversationInput) {
    main().OpenStandardWindows();
    state_.Config.EasyPhrases[4] = "Salut \xE0 tous";
    state_.Config.EasyPhrases[1] = "Coucou \x80";
    Tform_salon* room = main().RoomWindow();
    Tform_amis* friends = main().FriendsWindow();
    ASSERT_NE(room, nullptr);
    ASSERT_NE(friends, nullptr);

    main().Tabs()->SetTabIndex(6);
    room->text_envoi->setText("abc");
    QTest::keyClick(room->text_envoi, Qt::Key_F5);
    EXPECT_EQ(room->text_envoi->text(), QString::fromUtf8("Salut à tous"));

    main().Tabs()->SetTabIndex(5);
    room->text_envoi->setText("xyz");
    friends->text_etat->setText("en ligne");
    QTest::keyClick(friends->text_etat, Qt::Key_F5);
    EXPECT_EQ(room->text_envoi->text(), "xyz");
    EXPECT_EQ(friends->text_etat->text(), "en ligne");

    ASSERT_EQ(main().OpenPrivateWindow("id_c", "Chloe", "22", "0", "Caen", "", false), 0);
    Tform_prive* prive = main().PrivateWindow(0);
    ASSERT_EQ(main().SelectedTab(), 7);
    prive->text_envoi->setText("tapé");
    QTest::keyClick(prive->text_envoi, Qt::Key_F2);
    EXPECT_EQ(prive->text_envoi->text(), QString::fromUtf8("Coucou €"));
    EXPECT_EQ(room->text_envoi->text(), "xyz");
}

TEST_F(MainWindowTest, StandardWindowsTakeTheirFixedTabs) {
    main().Babillon.ServerId = "moi";
    main().OpenStandardWindows();
    const std::vector<QWidget*> expected = {main().DebugWindow(),    main().NewsWindow(),
                                            main().RoomListWindow(), main().SearchWindow(),
                                            main().InfoWindow(),     main().FriendsWindow(),
                                            main().RoomWindow()};
    ASSERT_EQ(main().Tabs()->Count(), 7);
    for (int i = 0; i < 7; ++i) {
        ASSERT_NE(expected[i], nullptr) << "tab " << i;
        EXPECT_EQ(FormInTab(i), expected[i]) << "tab " << i;
    }
    const std::vector<int> icons = {2, 1, 3, 4, 5, 6, 7};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(main().Tabs()->ImageIndex(i), icons[i]);
    EXPECT_EQ(main().Tabs()->Caption(1), "News");
    EXPECT_FALSE(main().NewsWindow()->btn_close->isVisibleTo(main().NewsWindow()));
    EXPECT_EQ(main().SelectedTab(), 1);
    EXPECT_TRUE(main().MdiArea()->activeSubWindow()->isMaximized());
    EXPECT_EQ(main().NewsWindow()->CurrentUrl().toString(), "http://127.0.0.1:80/news");
}

// The main window stays the active window whichever child is in front: the room's member hint
// shows only while the room is the child in front, as the private window's does.
TEST_F(MainWindowTest, RoomMemberHintOnlyWhileTheRoomIsInFront) {
    main().OpenStandardWindows();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    Tform_salon* room = main().RoomWindow();
    auto* hint = room->findChild<HintWindow*>();
    ASSERT_NE(hint, nullptr);
    const QString tag = QStringLiteral("k1\nrose\n22 ; F ; Lyon\n");
    main().MdiArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(main().RoomListWindow()->parentWidget()));
    emit room->rich_salon->HotLinkHovered("Zoe>", tag, QPoint(100, 100));
    EXPECT_FALSE(hint->IsShown());

    main().ShowRoomWindow();
    emit room->rich_salon->HotLinkHovered("Zoe>", tag, QPoint(100, 100));
    EXPECT_TRUE(hint->IsShown());
    EXPECT_EQ(hint->text(), "22 ; F ; Lyon");
}

// The room, friends and information windows live at fixed tab positions: none of the windows
// before them may leave the strip, whatever the user tries.
TEST_F(MainWindowTest, StandardWindowsRefuseToCloseAndKeepTheirTabs) {
    main().OpenStandardWindows();
    const std::vector<QWidget*> expected = {main().DebugWindow(),    main().NewsWindow(),
                                            main().RoomListWindow(), main().SearchWindow(),
                                            main().InfoWindow(),     main().FriendsWindow(),
                                            main().RoomWindow()};
    for (QWidget* form : expected) {
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        ASSERT_NE(window, nullptr) << form->objectName().toStdString();
        for (QAction* action : window->systemMenu()->actions()) {
            if (action->shortcuts().contains(QKeySequence(QKeySequence::Close))) {
                EXPECT_FALSE(action->isEnabled()) << form->objectName().toStdString();
            }
        }
        EXPECT_FALSE(window->close()) << form->objectName().toStdString();
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(main().Tabs()->Count(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(FormInTab(i), expected[i]) << "tab " << i;
}

TEST_F(MainWindowTest, CloseAllWindowsEmptiesTheRegistryAndTheStrip) {
    main().OpenStandardWindows();
    main().OpenPrivateWindow("id_a", "Alice", "25", "0", "Lyon", "", false);
    main().ShowProfile("bob");
    QAction* show_debug = main().findChild<QAction*>("SM_A_Debug");
    QAction* show_room = main().findChild<QAction*>("SM_A_Salon");
    ASSERT_TRUE(show_debug && show_room);
    EXPECT_TRUE(show_debug->isEnabled());
    EXPECT_TRUE(show_room->isEnabled());

    main().CloseAllWindows();
    EXPECT_EQ(main().Tabs()->Count(), 0);
    EXPECT_EQ(main().MdiArea()->subWindowList().size(), 0);
    EXPECT_EQ(main().DebugWindow(), nullptr);
    EXPECT_EQ(main().NewsWindow(), nullptr);
    EXPECT_EQ(main().RoomWindow(), nullptr);
    EXPECT_EQ(main().PrivateWindowCount(), 0);
    EXPECT_EQ(main().BrowserPageCount(), 0);
    EXPECT_FALSE(show_debug->isEnabled());
    EXPECT_FALSE(show_room->isEnabled());
    EXPECT_EQ(main().FindPrivateWindow("id_a"), -1);
}

TEST_F(MainWindowTest, ProfileAndMailPagesOpenWithTheirCaptionIconAndAddress) {
    main().Babillon.IDAddress = "127.0.0.1";
    main().Babillon.IDPort = 8080;
    main().Babillon.Cookie = "c00k1e";
    main().ShowProfile("bob");
    main().ShowMailPage("zo\xE9");
    ASSERT_EQ(main().BrowserPageCount(), 2);
    EXPECT_EQ(main().Tabs()->Caption(1), "Profil [bob]");
    EXPECT_EQ(main().Tabs()->ImageIndex(1), 9);
    EXPECT_EQ(main().Tabs()->Caption(2), QString::fromUtf8("E-Mail [zoé]"));
    EXPECT_EQ(main().Tabs()->ImageIndex(2), 10);
    EXPECT_EQ(main().BrowserPage(0)->CurrentUrl(),
              QUrl("http://127.0.0.1:8080/scripts/profil?LOGIN=bob"));
    const QUrl mail = main().BrowserPage(1)->CurrentUrl();
    EXPECT_EQ(mail.path(), "/cgi-bin/Compose");
    EXPECT_EQ(mail.query(QUrl::FullyDecoded), QString::fromUtf8("REPLYTO=zoé@babillon.fr"));
}

}  // namespace
