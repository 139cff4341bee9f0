#include "main/dispatcher_fixture.h"

namespace {

class PrivateDispatchTest : public DispatcherTest {
  protected:
    PrivateDispatchTest() {
        session.Alias = "moi";
        session.ServerId = "me";
        windows.OpenStandardWindows();
    }
};

TEST_F(PrivateDispatchTest, TextWithoutWindowWaitsForTheSendersDetails) {
    Run("72", {"a", "", "Ann", "0100bonjour"});
    EXPECT_EQ(sent, std::vector<std::string>{"82\ta"});
    EXPECT_EQ(
        traces,
        (std::vector<TraceLine>{{W(u"[Chat-72] Texte en privé de Ann [a] : 0100bonjour"), 4}}));
    EXPECT_EQ(windows.PrivateSlotCount(), 0);

    // A second sender before the answer: only the second text survives.
    Run("72", {"b", "", "Bea", "0100salut"});
    Run("82", {"a", "", "20", "0", "Lyon"});
    EXPECT_EQ(windows.PrivateSlotCount(), 0);
    EXPECT_EQ(traces.back(),
              (TraceLine{"[Chat-82] Informations sur une personne [a] - Age: 20 - Sexe: 0 - "
                         "Ville: Lyon",
                         4}));

    Run("82", {"b", "", "31", "1", "Nice"});
    ASSERT_EQ(windows.PrivateSlotCount(), 1);
    Tform_prive* window = windows.PrivateWindow(0);
    EXPECT_EQ(window->ChatId(), "b");
    EXPECT_EQ(window->Alias(), "Bea");
    EXPECT_EQ(window->Age(), "31");
    EXPECT_EQ(window->Sex(), "1");
    EXPECT_EQ(window->Town(), "Nice");
    EXPECT_EQ(ViewText(window->rich_prive), "Bea> salut");

    // Later texts go straight to the window.
    sent.clear();
    Run("72", {"b", "", "Bea", "0100encore"});
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(ViewText(window->rich_prive), "Bea> salut\nBea> encore");
}

TEST_F(PrivateDispatchTest, TwoAnswersAboutOneSenderOpenOneWindow) {
    Run("72", {"a", "", "Ann", "0100un"});
    Run("72", {"a", "", "Ann", "0100deux"});
    EXPECT_EQ(sent, (std::vector<std::string>{"82\ta", "82\ta"}));
    Run("82", {"a", "", "20", "0", "Lyon"});
    Run("82", {"a", "", "20", "0", "Lyon"});
    ASSERT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(ViewText(windows.PrivateWindow(0)->rich_prive), "Ann> deux");
}

TEST_F(PrivateDispatchTest, WindowOpenedWhileWaitingGetsTheText) {
    Run("72", {"a", "", "Ann", "0100allo"});
    ASSERT_EQ(windows.OpenPrivateWindow("a", "Ann", "20", "0", "Lyon", "", false), 0);
    Run("82", {"a", "", "20", "0", "Lyon"});
    ASSERT_EQ(windows.PrivateSlotCount(), 1);
    EXPECT_EQ(ViewText(windows.PrivateWindow(0)->rich_prive), "Ann> allo");
}

TEST_F(PrivateDispatchTest, OwnChatIdOpensNoWindow) {
    Run("72", {"me", "", "moi", "0100echo"});
    EXPECT_EQ(sent, std::vector<std::string>{"82\tme"});
    Run("82", {"me", "", "30", "1", "Paris"});
    EXPECT_EQ(windows.PrivateSlotCount(), 0);
}

TEST_F(PrivateDispatchTest, AnswerWithoutAPendingTextOpensNothing) {
    Run("82", {"", "", "", "", ""});
    Run("82", {"x", "", "20", "0", "Lyon"});
    EXPECT_EQ(windows.PrivateSlotCount(), 0);
    EXPECT_TRUE(sent.empty());
}

TEST_F(PrivateDispatchTest, TextFromAnIgnoredSenderOpensNothing) {
    state.IgnoreList = {"a"};
    Run("72", {"a", "", "Ann", "0100coucou"});
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(traces, (std::vector<TraceLine>{
                          {W(u"[Chat-72] IGNORE Texte en privé de Ann [a] : 0100coucou"), 4}}));
    Run("82", {"a", "", "20", "0", "Lyon"});
    EXPECT_EQ(windows.PrivateSlotCount(), 0);
}

TEST_F(PrivateDispatchTest, OwnEchoAndBusyAnswerWithoutWindowAlsoWait) {
    Run("73", {"a", "", "Ann", "0100de moi"});
    EXPECT_EQ(sent, std::vector<std::string>{"82\ta"});
    EXPECT_EQ(traces.back(),
              (TraceLine{W(u"[Chat-73] Mon texte dans le privé de Ann [a] : 0100de moi"), 4}));
    EXPECT_TRUE(state.PendingPrivate.own);

    Run("79", {"b", "", "Bea", "0100pas dispo"});
    EXPECT_EQ(sent.back(), "82\tb");
    EXPECT_EQ(traces.back(),
              (TraceLine{W(u"[Chat-79] Personne occupé(e) Bea [b] : 0100pas dispo"), 4}));
    EXPECT_EQ(state.PendingPrivate.chat_id.str(), "b");
    EXPECT_TRUE(state.PendingPrivate.own);
}

TEST_F(PrivateDispatchTest, NoticesReachAnOpenWindow) {
    ASSERT_EQ(windows.OpenPrivateWindow("a", "Ann", "20", "0", "Lyon", "", false), 0);
    Tform_prive* window = windows.PrivateWindow(0);

    Run("73", {"a", "", "Ann", "0100moi aussi"});
    Run("79", {"a", "", "Ann", "0100occupee"});
    Run("75", {"a", "Ann"});
    Run("76", {"6", "a", "Ann"});
    Run("74", {"a"});
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(ViewText(window->rich_prive),
              W(u"moi> moi aussi\nmoi> occupee\nAnn est actuellement occupe(e)\n"
                u"Ann n'accèpte pas les privés\nAnn vous a ignoré\nAnn n'est plus connecté(e)"));
    EXPECT_EQ(traces, (std::vector<TraceLine>{
                          {W(u"[Chat-73] Mon texte dans le privé de Ann [a] : 0100moi aussi"), 4},
                          {W(u"[Chat-79] Personne occupé(e) Ann [a] : 0100occupee"), 4},
                          {W(u"[Chat-75] Ann [a] n'accèpte pas les privés"), 4},
                          {W(u"[Chat-76] Ignoré par Ann [a]"), 4},
                          {W(u"[Chat-74] a n'est plus connecté"), 4},
                      }));
    EXPECT_EQ(ViewText(windows.InfoWindow()->Rich_Infos), W(u"Vous avez ete ignoré par Ann"));
}

TEST_F(PrivateDispatchTest, ClosedWindowNoLongerReceivesTexts) {
    ASSERT_EQ(windows.OpenPrivateWindow("a", "Ann", "20", "0", "Lyon", "", false), 0);
    windows.ClosePrivateWindow(0);
    Run("72", {"a", "", "Ann", "0100encore"});
    // The registry skips the empty slot: the text waits for a new window.
    EXPECT_EQ(sent, std::vector<std::string>{"82\ta"});
    EXPECT_EQ(traces.size(), 1u);
}

TEST_F(PrivateDispatchTest, PartnerTextMarksThePrivateTabWhenAnotherIsSelected) {
    ASSERT_EQ(windows.OpenPrivateWindow("a", "Ann", "20", "0", "Lyon", "", false), 0);
    Tform_prive* window = windows.PrivateWindow(0);
    int played = 0;
    window->SetSoundPlayer([&](const std::string&) { ++played; });
    windows.selected_tab = 6;
    Run("73", {"a", "", "Ann", "0100de moi"});
    EXPECT_FALSE(window->HasNewText());
    Run("72", {"a", "", "Ann", "0100de toi"});
    EXPECT_TRUE(window->HasNewText());
    EXPECT_EQ(played, 1);
}

}  // namespace
