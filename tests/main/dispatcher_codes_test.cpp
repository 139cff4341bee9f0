#include <QLabel>
#include <optional>

#include "main/dispatcher_fixture.h"

namespace {

struct CodeCase {
    std::string name;
    std::string code;
    std::vector<std::string> fields;
    std::optional<TraceLine> trace;  // nullopt: the line must leave no trace at all
    std::vector<std::string> sends;
};

void PrintTo(const CodeCase& c, std::ostream* out) {
    *out << c.name;
}

class DispatcherCodeTable : public DispatcherTest,
                            public ::testing::WithParamInterface<CodeCase> {};

TEST_P(DispatcherCodeTable, TracesAndSends) {
    const CodeCase& c = GetParam();
    session.TempID = "T123";
    windows.OpenStandardWindows();
    Run(c.code, c.fields);
    if (c.trace) {
        EXPECT_EQ(traces, std::vector<TraceLine>{*c.trace});
    } else {
        EXPECT_TRUE(traces.empty()) << testing::PrintToString(traces);
    }
    EXPECT_EQ(sent, c.sends);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DispatcherCodeTable,
    ::testing::Values(
        CodeCase{"mode", "26", {"64"}, TraceLine{"[Chat-26] Changement de mode : 64", 4}, {}},
        CodeCase{"check",
                 "667",
                 {},
                 TraceLine{W(u"[Chat-667] Vérification de la connexion ; "
                             u"Renvoi de la commande 667"),
                           4},
                 {"667"}},
        CodeCase{"welcome",
                 "100",
                 {},
                 TraceLine{W(u"[Chat-100] Commande de bienvenue reçue ; "
                             u"Envoi du tempID ; Ouverture des fenêtres"),
                           4},
                 {"0\t0\tT123"}},
        CodeCase{"count",
                 "199",
                 {"42"},
                 TraceLine{W(u"[Chat-199] Récéption du nombre de connectés : 42"), 4},
                 {}},
        CodeCase{"permanent rooms",
                 "94",
                 {"A#0", "x", "bob", "3", "1"},
                 TraceLine{W(u"[Chat-94] Récéption de la liste des salons"), 4},
                 {}},
        CodeCase{"room text",
                 "70",
                 {"k1", "", "Zoe", "0100salut"},
                 TraceLine{"[Chat-70] Texte dans le salon de [Zoe/k1] : 0100salut", 4},
                 {}},
        CodeCase{"members reset",
                 "85",
                 {"-1"},
                 TraceLine{W(u"[Chat-85] (-1) Réinitialisation de la liste des membres et "
                             u"ajout éventuel de membres"),
                           4},
                 {}},
        CodeCase{"members, other sub-code", "85", {"7"}, TraceLine{"[Chat-85] ", 4}, {}},
        CodeCase{"ignore with P0 other than -1", "18", {"1", "k"}, TraceLine{"[Chat-18] ", 4}, {}},
        CodeCase{
            "ignore with three fields", "18", {"-1", "k", "l"}, TraceLine{"[Chat-18] ", 4}, {}},
        CodeCase{
            "ignored by, other reason", "76", {"5", "id", "Zoe"}, TraceLine{"[Chat-76] ", 4}, {}},
        CodeCase{"gone without window", "74", {"id"}, std::nullopt, {}},
        CodeCase{"refusal without window", "75", {"id", "Zoe"}, std::nullopt, {}},
        CodeCase{"ignored by, without window", "76", {"6", "id", "Zoe"}, std::nullopt, {}},
        CodeCase{"friends presence, other sub-code", "332", {"5"}, TraceLine{"[Chat-332] ", 4}, {}},
        CodeCase{
            "friends list, other sub-code", "330", {"2", "a:0b"}, TraceLine{"[Chat-330] ", 4}, {}},
        CodeCase{"unknown with two fields",
                 "999",
                 {"a", "b"},
                 TraceLine{"[Chat-999] Commande inconnue : 999  a b", 2},
                 {}},
        CodeCase{
            "unknown without fields", "5", {}, TraceLine{"[Chat-5] Commande inconnue : 5 ", 2}, {}},
        CodeCase{"leading zero is unknown",
                 "040",
                 {"0", "Salon#0"},
                 TraceLine{"[Chat-040] Commande inconnue : 040  0 Salon#0", 2},
                 {}},
        CodeCase{"leading blank is unknown",
                 " 70",
                 {},
                 TraceLine{"[Chat- 70] Commande inconnue :  70 ", 2},
                 {}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

TEST_F(DispatcherTest, IdentificationSendsProfileRoomListAndEntryAndFillsTheStatusBar) {
    struct Case {
        std::uint8_t sexe;
        bool list_perm;
        bool do_nothing;
        std::vector<std::string> sends;
        std::string sex_panel;
    };
    const Case cases[] = {
        {0, true, false, {"80\t25\t1\tParis", "94", "40\tAccueil\t1"}, "Sexe : F"},
        {1, false, false, {"80\t25\t0\tParis", "90", "40\tAccueil\t1"}, "Sexe : H"},
        {2, true, true, {"80\t25\t-1\tParis", "40\tAccueil\t1"}, "Sexe : I"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Sexe " << int(c.sexe));
        windows.OpenStandardWindows();
        Forget();
        session.Alias = "bob";
        session.Age = "25";
        session.Ville = "Paris";
        session.Salon = "Accueil";
        session.Status = "en ligne";
        session.Sexe = c.sexe;
        state.Config.ListPerm = c.list_perm;
        state.Config.DoNothing = c.do_nothing;

        Run("0", {"abcdefghijklmnopqrstuvwxyz", "p1", "p2"});

        EXPECT_EQ(session.ServerId.str(), "abcdefghijklmnopqrst");
        EXPECT_EQ(sent, c.sends);
        EXPECT_EQ(traces, (std::vector<TraceLine>{
                              {"[Chat-0] Identifiants personnels : abcdefghijklmnopqrstuvwxyz / "
                               "p1 / p2",
                               4}}));
        EXPECT_EQ(windows.panels[0], "Alias : bob");
        EXPECT_EQ(windows.panels[1], "Age : 25");
        EXPECT_EQ(windows.panels[2], c.sex_panel);
        EXPECT_EQ(windows.panels[3], "Ville : Paris");
        EXPECT_EQ(windows.panels[4], "Status : en ligne");
        EXPECT_EQ(ToAnsi(windows.FriendsWindow()->lbl_etat->text()), "en ligne");
    }
}

TEST_F(DispatcherTest, ConnectionFailureClosesEverythingAndReopensTheDebugConsole) {
    windows.OpenStandardWindows();
    Run("11", {});
    EXPECT_EQ(windows.all_closed, 1);
    EXPECT_EQ(windows.RoomWindow(), nullptr);
    ASSERT_NE(windows.DebugWindow(), nullptr);
    // The failure is written after the new console exists, so the user sees it there.
    EXPECT_EQ(traces, (std::vector<TraceLine>{{"[Chat-11] Une erreur est survenue lors de la "
                                               "tentative de connexion, tentez de vous reconnecter",
                                               5}}));
}

TEST_F(DispatcherTest, StatusChangeReachesSessionFriendsAndStatusBar) {
    windows.OpenStandardWindows();
    const std::string long_status(90, 's');
    Run("84", {long_status});
    EXPECT_EQ(session.Status.str(), std::string(80, 's'));
    EXPECT_EQ(windows.panels[4], "Status : " + long_status);
    EXPECT_EQ(ToAnsi(windows.FriendsWindow()->lbl_etat->text()), long_status);
    EXPECT_EQ(traces.at(0).text, "[Chat-84] Changement de status : " + long_status);
}

TEST_F(DispatcherTest, RoomListAndConnectedCountReachTheirWindows) {
    windows.OpenStandardWindows();
    Run("90", {"Salle#3", "a", "bob", "123", "Paris#0", "a", "zoe", "4", "2"});
    EXPECT_EQ(ListTexts(windows.RoomListWindow()->list_dessalons),
              (std::vector<std::string>{"Paris#0\njaune\nCr\xE9" "ateur : zoe\na\nzoe\n4\n",
                                        "Salle#3\njaune\nCr\xE9" "ateur : bob\na\nbob\n123\n"}));
    EXPECT_EQ(ToAnsi(windows.RoomListWindow()->lbl_nb_salons->text()), "2");
    Run("199", {"314"});
    EXPECT_EQ(ToAnsi(windows.SearchWindow()->lbl_nb_connectes->text()), "314");
}

TEST_F(DispatcherTest, LinesForWindowsThatDoNotExistOnlyTrace) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> lines = {
        {"70", {"id", "", "Zoe", "0100salut"}},
        {"85", {"-1", "id", "", "Zoe", "0", "20", "0", "X"}},
        {"90", {"A", "b", "c", "1"}},
        {"199", {"3"}},
        {"56", {"a:b:-2", "id"}},
        {"330", {"-1", "a:0b"}},
        {"84", {"absent"}},
        {"0", {"me"}},
    };
    for (const auto& [code, fields] : lines) {
        Forget();
        Run(code, fields);
        EXPECT_EQ(traces.size(), 1u) << code;
    }
    EXPECT_FALSE(state.WaitingForMembers);
    EXPECT_TRUE(state.HeldTexts.empty());
}

}  // namespace
