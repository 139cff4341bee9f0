// The whole program against chat servers that misbehave: the user is told, the program stays
// usable and logs in again.
#include <QFile>
#include <QListView>
#include <QMessageBox>
#include <atomic>

#include "main/scripted_chat_fixture.h"
#include "widgets/babi_rich_view.h"

namespace {

constexpr int kCrowd = 10000;

class HostileServerTest : public ScriptedChatTest {
  protected:
    QMessageBox* Warning() { return main().findChild<QMessageBox*>("ChatWarning"); }
};

TEST_F(HostileServerTest, TenThousandMembersInOneLineThenAClose) {
    Play([](int fd) {
        Greet(fd);
        std::string members = "85\t-1";
        for (int i = 0; i < kCrowd; ++i) {
            const std::string n = std::to_string(i);
            members += "\tK" + n + "\tx\tMembre" + n + "\t0\t" + std::to_string(18 + i % 60) +
                       "\t" + std::to_string(i % 3 - 1) + "\tVille" + n;
        }
        RawListener::SendAll(fd, members + "\n70\tK7\t\tMembre7\t0101Bonjour\n");
        AwaitCheck(fd);
        // Then the server goes in the middle of a line.
        RawListener::SendAll(fd, "70\tK7\t\tMembre7\t0101Au rev");
    });
    StartLogIn();
    ASSERT_TRUE(InRoom());
    ASSERT_TRUE(WaitUntil([&] { return Warning() != nullptr; }));
    EXPECT_GE(main().RoomWindow()->list_membres->model()->rowCount(), kCrowd);
    EXPECT_TRUE(main().RoomWindow()->rich_salon->toPlainText().contains("Bonjour"));
    EXPECT_FALSE(main().RoomWindow()->rich_salon->toPlainText().contains("Au rev"));
    EXPECT_TRUE(Warning()->isVisible());
    EXPECT_TRUE(Warning()->text().contains(QStringLiteral("ferm\u00E9e par le serveur")));
    EXPECT_EQ(main().ConnectionAction()->text(), "&Connexion");
    Warning()->accept();

    // The same identifier gets her back in.
    Play(Behave);
    StartLogIn();
    ASSERT_TRUE(WaitUntil([&] { return chat_.accepted() == 2; }));
    EXPECT_TRUE(InRoom());
    EXPECT_TRUE(main().Babillon.Connected());
}

TEST_F(HostileServerTest, ALineThatNeverEndsIsDroppedAndTheUserTold) {
    std::atomic<bool> flooding{true};
    Play([&flooding](int fd) {
        Greet(fd);
        const std::string chunk(64 * 1024, 'x');
        for (int sent = 0; sent < 1600; ++sent) RawListener::SendAll(fd, chunk);  // 100 MB
        flooding = false;
        RawListener::SendAll(fd, "\n70\tK1\t\tBea\t0101Encore l\xC3\xA0\n");
        RawListener::ReadUntil(fd, "\n\n");
    });
    StartLogIn();
    ASSERT_TRUE(InRoom());
    // The user hears of it while the server still sends.
    ASSERT_TRUE(WaitUntil([&] { return Warning() != nullptr; }));
    EXPECT_TRUE(Warning()->text().contains(QStringLiteral("trop longue")));
    EXPECT_TRUE(flooding.load());
    ASSERT_TRUE(WaitUntil(
        [&] { return main().RoomWindow()->rich_salon->toPlainText().contains("Encore l\u00E0"); }));
    EXPECT_TRUE(main().Babillon.Connected());
}

TEST_F(HostileServerTest, AStallingServerCanBeLeftAndTheUserLogsInAgain) {
    Play([](int fd) {
        // Accepts and says nothing until the client goes.
        RawListener::ReadUntil(fd, "\n\n");
    });
    StartLogIn();
    ASSERT_TRUE(WaitUntil([&] { return main().Babillon.VekState == 5 && chat_.accepted() == 1; }));
    ASSERT_TRUE(WaitUntil([&] { return main().ConnectionAction()->text() != "&Connexion"; }));
    main().ConnectionAction()->trigger();
    EXPECT_FALSE(main().Babillon.Connected());
    EXPECT_EQ(main().ConnectionAction()->text(), "&Connexion");

    Play(Behave);
    StartLogIn();
    ASSERT_TRUE(InRoom());
    EXPECT_EQ(chat_.accepted(), 2);
}

}  // namespace
