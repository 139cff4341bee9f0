#include <QLabel>
#include <QTextBlock>
#include <algorithm>
#include <iterator>

#include "main/dispatcher_fixture.h"

namespace {

class RoomDispatchTest : public DispatcherTest {
  protected:
    RoomDispatchTest() {
        session.Alias = "moi";
        windows.OpenStandardWindows();
    }
    // A "85" member group: key, unused, nickname, status code, age, sex, town.
    static std::vector<std::string> Members(std::string sub_code,
                                            const std::vector<std::vector<std::string>>& groups) {
        std::vector<std::string> fields{std::move(sub_code)};
        for (const auto& group : groups) fields.insert(fields.end(), group.begin(), group.end());
        return fields;
    }
    Tform_salon& room() { return *windows.RoomWindow(); }
};

TEST_F(RoomDispatchTest, RoomNamesShowWithBlanksAndWithoutTheFinalZero) {
    const std::pair<std::string, std::string> names[] = {
        {"Salon#Ami#0", "Salon Ami"},
        {"Salon#1", "Salon 1"},
        {"Salon#10", "Salon 10"},
        {"Paris", "Paris"},
        {"#0", ""},
        {"", ""},
    };
    for (const auto& [raw, shown] : names) {
        SCOPED_TRACE(raw);
        Forget();
        Run("41", {"x", raw});
        EXPECT_EQ(traces,
                  (std::vector<TraceLine>{{W(u"[Chat-41] Entrée dans le salon : ") + shown, 4}}));
        EXPECT_EQ(windows.panels[5], "Salon : " + shown);
        EXPECT_EQ(windows.room_tab_caption, shown);
        EXPECT_EQ(ToAnsi(room().windowTitle()), shown);
        EXPECT_EQ(sent, std::vector<std::string>{"85"});
        EXPECT_TRUE(state.WaitingForMembers);
    }
}

TEST_F(RoomDispatchTest, ForcedEntryAlternatesWaitingRoomAndWantedRoomUntilAdmitted) {
    state.ForcedRoom = "A#0";
    Run("40", {"0", "B#0"});
    Run("40", {"0", "moi"});
    Run("40", {"0", "B#0"});
    EXPECT_EQ(sent, (std::vector<std::string>{"40\tmoi\t1", "40\tA#0\t0", "40\tmoi\t1"}));
    EXPECT_TRUE(traces.empty()) << testing::PrintToString(traces);
    EXPECT_TRUE(state.ForcedRoomHop);

    Forget();
    Run("40", {"0", "A#0"});
    EXPECT_EQ(traces, (std::vector<TraceLine>{{W(u"[Chat-40] Entrée dans le salon : A"), 4}}));
    EXPECT_EQ(sent, std::vector<std::string>{"85"});
    EXPECT_TRUE(state.ForcedRoom.empty());
    EXPECT_FALSE(state.ForcedRoomHop);
    EXPECT_EQ(ToAnsi(room().windowTitle()), "A");
}

TEST_F(RoomDispatchTest, TextsBeforeTheMemberListAreHeldThenShownInOrder) {
    Run("40", {"0", "Salon#0"});
    Run("70", {"k1", "", "Zoe", "0100premier"});
    Run("70", {"k2", "", "Max", "0100second"});
    EXPECT_EQ(state.HeldTexts.size(), 2u);
    EXPECT_EQ(ViewText(room().rich_salon), "");

    Run("85", Members("-1", {{"k1", "", "Zoe", "0", "22", "0", "Lyon"},
                             {"k2", "", "Max", "64", "30", "1", "Nice"}}));
    EXPECT_FALSE(state.WaitingForMembers);
    EXPECT_TRUE(state.HeldTexts.empty());
    EXPECT_EQ(ViewText(room().rich_salon), "Zoe> premier\nMax> second");
    EXPECT_EQ(ListTexts(room().list_membres),
              (std::vector<std::string>{"Zoe\nrose\n22 ; F ; Lyon\nk1\n22\n0\nLyon\n",
                                        "Max\noran\n30 ; H ; Nice\nk2\n30\n1\nNice\n"}));

    // Once the list is there, texts show at once.
    Run("70", {"k1", "", "Zoe", "0100et hop"});
    EXPECT_EQ(ViewText(room().rich_salon), "Zoe> premier\nMax> second\nZoe> et hop");
}

// A server that never sends the full list: the newest texts are held, the loss is told once.
TEST_F(RoomDispatchTest, HeldTextsKeepTheNewestWhenTheListNeverComes) {
    Run("40", {"0", "Salon#0"});
    Forget();
    constexpr std::size_t kExtra = 3;
    for (std::size_t i = 0; i < HeldTextQueue::kMaxHeld + kExtra; ++i) {
        Run("70", {"k1", "", "Zoe", "0100n" + std::to_string(i)});
    }
    EXPECT_EQ(state.HeldTexts.size(), HeldTextQueue::kMaxHeld);
    std::vector<TraceLine> warnings;
    std::copy_if(traces.begin(), traces.end(), std::back_inserter(warnings),
                 [](const TraceLine& line) { return line.category == 2; });
    EXPECT_EQ(warnings, (std::vector<TraceLine>{
                            {W(u"Toujours pas de liste des membres : les plus anciens textes du "
                               u"salon en attente sont oubliés"),
                             2}}));

    Run("85", Members("-1", {{"k1", "", "Zoe", "0", "22", "0", "Lyon"}}));
    EXPECT_EQ(room().rich_salon->ParagraphCount(), static_cast<int>(HeldTextQueue::kMaxHeld));
    EXPECT_EQ(ToAnsi(room().rich_salon->document()->firstBlock().text()),
              "Zoe> n" + std::to_string(kExtra));
}

TEST_F(RoomDispatchTest, TextFromAnIgnoredSenderIsOnlyTraced) {
    Run("85", Members("-1", {{"k1", "", "Zoe", "0", "22", "0", "Lyon"}}));
    state.IgnoreList = {"k1"};
    Forget();
    Run("70", {"k1", "", "Zoe", "0100coucou"});
    EXPECT_EQ(traces, (std::vector<TraceLine>{
                          {"[Chat-70] IGNORE : Texte dans le salon de [Zoe/k1] : 0100coucou", 4}}));
    EXPECT_EQ(ViewText(room().rich_salon), "");
    EXPECT_TRUE(state.HeldTexts.empty());
}

TEST_F(RoomDispatchTest, MembersArriveAndLeave) {
    Run("85", Members("-1", {{"a", "", "Ann", "0", "20", "0", "Metz"},
                             {"b", "", "Bob", "0", "21", "1", "Caen"}}));
    Run("85", Members("0", {{"c", "", "Cid", "0", "22", "-1", "Pau"},
                            {"a", "", "Annie", "0", "20", "0", "Metz"}}));
    EXPECT_EQ(traces.back(), (TraceLine{"[Chat-85] (0) Liste des membres du salon", 4}));
    EXPECT_EQ(ListTexts(room().list_membres),
              (std::vector<std::string>{"Annie\nrose\n20 ; F ; Metz\na\n20\n0\nMetz\n",
                                        "Bob\nbleu\n21 ; H ; Caen\nb\n21\n1\nCaen\n",
                                        "Cid\nvert\n22 ; I ; Pau\nc\n22\n-1\nPau\n"}));
    Run("85", {"1", "a", "c"});
    EXPECT_EQ(traces.back(), (TraceLine{W(u"[Chat-85] (1) Départ de membres du salon"), 4}));
    EXPECT_EQ(ListTexts(room().list_membres),
              std::vector<std::string>{"Bob\nbleu\n21 ; H ; Caen\nb\n21\n1\nCaen\n"});
    EXPECT_EQ(room().FindMember("a").sex.str(), "-2");
}

TEST_F(RoomDispatchTest, IgnoreToggleAndServerConfirmationsKeepTheListBalanced) {
    Run("85", Members("-1", {{"k", "", "Kim", "64", "33", "0", "Brest"}}));
    Forget();

    ToggleIgnore(windows.context(), "k", [this](const std::string& line) { sent.push_back(line); });
    EXPECT_EQ(sent, std::vector<std::string>{"18\t-1\tk"});
    EXPECT_EQ(state.LastIgnoreTarget, "k");
    EXPECT_EQ(ListTexts(room().list_membres),
              std::vector<std::string>{W(u"Kim\ngris\nPersonne ignorée\nk\n33\n0\nBrest\n")});

    Run("18", {"-1", "k"});  // the server confirms: added once more
    EXPECT_EQ(state.IgnoreList, (std::vector<std::string>{"k", "k"}));
    EXPECT_EQ(traces.back(), (TraceLine{W(u"[Chat-18] Personne ignorée : k"), 4}));

    ToggleIgnore(windows.context(), "k", [this](const std::string& line) { sent.push_back(line); });
    EXPECT_EQ(sent.back(), "18\t1\tk");
    EXPECT_EQ(state.IgnoreList, (std::vector<std::string>{"", "k"}));
    EXPECT_TRUE(IsIgnored(state, "k"));

    Run("18", {"-1"});  // the server confirms the removal of the last target
    EXPECT_EQ(traces.back(), (TraceLine{W(u"[Chat-18] Personne autorisée : k"), 4}));
    EXPECT_EQ(state.IgnoreList, (std::vector<std::string>{"", ""}));
    EXPECT_FALSE(IsIgnored(state, "k"));
    // A blank slot names nobody: a line without a chat id is not taken as ignored.
    EXPECT_FALSE(IsIgnored(state, ""));
    // The member keeps its details; being ignored replaced its busy state.
    EXPECT_EQ(ListTexts(room().list_membres),
              std::vector<std::string>{"Kim\nrose\n33 ; F ; Brest\nk\n33\n0\nBrest\n"});
}

TEST_F(RoomDispatchTest, MentionOfTheUserMarksTheRoomTabWhenAnotherTabIsSelected) {
    Run("85", Members("-1", {{"k1", "", "Zoe", "0", "22", "0", "Lyon"}}));
    std::vector<std::string> played;
    room().SetSoundPlayer([&](const std::string& file) { played.push_back(file); });
    state.Config.Son = "/tmp/ding.wav";
    windows.selected_tab = 2;

    Run("70", {"k1", "", "Zoe", "0100bonjour tout le monde"});
    EXPECT_FALSE(room().HasNewText());
    Run("70", {"k1", "", "Zoe", "0100bonjour moi"});
    EXPECT_TRUE(room().HasNewText());
    EXPECT_EQ(windows.tab_repaints, 1);
    EXPECT_EQ(played, std::vector<std::string>{"/tmp/ding.wav"});

    state.Config.ActivSon = false;
    room().SetNewText(false);
    Run("70", {"k1", "", "Zoe", "0100re moi"});
    EXPECT_TRUE(room().HasNewText());
    EXPECT_EQ(played.size(), 1u);
}

TEST_F(RoomDispatchTest, ShortRoomTextIsDropped) {
    Run("85", Members("-1", {}));
    Run("70", {"k1", "", "Zoe", "010"});
    EXPECT_EQ(ViewText(room().rich_salon), "");
}

}  // namespace
