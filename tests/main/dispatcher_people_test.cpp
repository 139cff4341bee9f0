#include "main/dispatcher_fixture.h"
#include "widgets/babi_list_box.h"

#include "widgets/babi_list_box.h"

namespace {

class PeopleDispatchTest : public DispatcherTest {
  protected:
    PeopleDispatchTest() { windows.OpenStandardWindows(); }
    // The first line of each result item: the nickname, or the message.
    std::vector<std::string> Results() {
        std::vector<std::string> shown;
        for (const std::string& item : ListTexts(windows.SearchWindow()->list_rech))
            shown.push_back(item.substr(0, item.find('\n')));
        return shown;
    }
};

TEST_F(PeopleDispatchTest, SearchReplyIsReadByItsSexCriterion) {
    const std::string no_one = W(u"Aucune personne ne correspond a vos critères");
    struct Case {
        std::string name;
        std::vector<std::string> fields;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"either sex: women, men, others, each by name",
         {"r:x:-2", "i1",  "bob", "",    "30",      "1",       "Nice",    "Salle#2", "",
          "i2",     "zoe", "",    "22",  "0",       "Lyon",    "Salle#0", "",        "i3",
          "Alice",  "",    "25",  "0",   "Metz",    "Accueil", "",        "i4",      "cid",
          "",       "40",  "-1",  "Pau", "Autre#0", ""},
         {"Alice", "zoe", "bob", "cid"}},
        {"one sex",
         {"r:x:0", "i2", "zoe", "", "22", "Lyon", "Salle#0", "", "i3", "Alice", "", "25", "Metz",
          "Accueil", ""},
         {"Alice", "zoe"}},
        {"header only", {"r:x:1"}, {no_one}},
        {"unknown criterion", {"r:x:7", "i1", "bob"}, {no_one}},
        {"header without two colons", {"r-2", "i1", "bob"}, {no_one}},
        {"empty line", {}, {no_one}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Forget();
        Run("58", c.fields);
        EXPECT_EQ(Results(), c.shown);
        EXPECT_EQ(traces,
                  (std::vector<TraceLine>{
                      {W(u"[Chat-58] Récéption de la liste des personnes connectées"), 4}}));
    }
    EXPECT_EQ(ToAnsi(windows.SearchWindow()->list_rech->item(0)->text()), no_one + "\nnull\nnull");
}

TEST_F(PeopleDispatchTest, FriendsArriveGetDetailsAndLeave) {
    Run("330", {"-1", "Zoe:x0compte1", "Max:y0compte2"});
    EXPECT_EQ(traces.back(),
              (TraceLine{W(u"[Chat-330] (-1) Réinitialisation de la liste d'amis et ajout "
                           u"éventuel d'amis"),
                         4}));
    Tform_amis& friends = *windows.FriendsWindow();
    ASSERT_EQ(friends.Friends().Records().size(), 2u);
    // No details yet: nobody is listed.
    EXPECT_TRUE(ListTexts(friends.list_amis).empty());

    Run("330", {"0", "Zoe:x0compte1"});
    EXPECT_EQ(traces.back(), (TraceLine{W(u"[Chat-330] (0) Arrivé d'un ami"), 4}));
    EXPECT_EQ(friends.Friends().Records().size(), 2u);

    Run("332", {"0", "z1",      "Zoe",   "",     "22",
                "0", "Lyon",    "dispo", "m1",   "Max",
                "",  "30",      "1",     "Nice", std::string(90, 's'),
                "q", "Inconnu", "",      "1",    "1",
                "X", "y"});
    EXPECT_EQ(traces.back(),
              (TraceLine{W(u"[Chat-332] (0/-1) Informations sur les amis connectés"), 4}));
    EXPECT_EQ(friends.Friends().Records()[1].status.str(), std::string(80, 's'));
    const std::string max =
        "Max\nbleu\n30 ; H ; Nice\ncompte2\nm1\n30\n1\nNice\n" + std::string(80, 's') + "\n";
    EXPECT_EQ(ListTexts(friends.list_amis),
              (std::vector<std::string>{
                  "Zoe\nrose\n22 ; F ; Lyon\ncompte1\nz1\n22\n0\nLyon\ndispo\n", max}));

    ASSERT_EQ(windows.OpenPrivateWindow("z1", "Zoe", "22", "0", "Lyon", "", false), 0);
    Run("332", {"1", "Zoe", "", "Personne", ""});
    EXPECT_EQ(traces.back(), (TraceLine{W(u"[Chat-332] (1) Départ d'un ami"), 4}));
    EXPECT_EQ(friends.Friends().Records()[0].chat_id.str(), "null");
    EXPECT_EQ(ListTexts(friends.list_amis),
              (std::vector<std::string>{max, W(u"Zoe\nvert\nnon connecté\ncompte1\nnull\n22\n0\n"
                                               u"Lyon\nn'est plus connecté\n")}));
    EXPECT_EQ(ViewText(windows.PrivateWindow(0)->rich_prive),
              W(u"\nVotre ami(e) Zoe n'est plus connecté(e)"));
}

}  // namespace
