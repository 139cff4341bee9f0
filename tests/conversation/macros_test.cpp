#include "conversation/macros.h"

#include <gtest/gtest.h>

#include <string>

#include "store/macro_store.h"
#include "support/temp_dir.h"

namespace {

TEST(MacroStore, AddStoresTrimmedLowerCaseNamesAndReloads) {
    TempDataDir dir;
    const std::string path = MacrosPath();
    EXPECT_EQ(path, dir.path("macros.vek"));
    std::string error;
    ASSERT_TRUE(AddMacro(path, "Salut ", "Bonjour \xE0 tous", &error)) << error;
    ASSERT_TRUE(AddMacro(path, " bye", "Au revoir", &error)) << error;
    ASSERT_TRUE(AddMacro(path, "SALUT", "Coucou", &error)) << error;
    EXPECT_EQ(dir.Read("macros.vek"), "[Macros]\r\nsalut=Coucou\r\nbye=Au revoir\r\n");
    EXPECT_EQ(LoadMacros(path), (MacroTable{{"salut", "Coucou"}, {"bye", "Au revoir"}}));
}

TEST(MacroStore, ReadsWindowsFileInKeyOrder) {
    TempDataDir dir;
    dir.Write("macros.vek",
              "[Autre]\r\nx=1\r\n[MACROS]\r\nBonjour = Salut \xE0 toi \r\nmerci=Merci !\r\n"
              "bonjour=second\r\n\r\n[Fin]\r\n");
    EXPECT_EQ(
        LoadMacros(MacrosPath()),
        (MacroTable{{"bonjour", "Salut \xE0 toi"}, {"merci", "Merci !"}, {"bonjour", "second"}}));

    std::string error;
    ASSERT_TRUE(DeleteMacro(MacrosPath(), "Bonjour", &error)) << error;
    EXPECT_EQ(dir.Read("macros.vek"),
              "[Autre]\r\nx=1\r\n[MACROS]\r\nmerci=Merci !\r\n\r\n[Fin]\r\n");
    EXPECT_TRUE(DeleteMacro(MacrosPath(), "absente", &error));
    EXPECT_EQ(LoadMacros(dir.path("manquant.vek")), MacroTable{});
}

TEST(MacroStore, RefusesWithFrenchReasons) {
    TempDataDir dir;
    const std::string path = MacrosPath();
    std::string error;
    for (const char* name : {"date", "TIME ", "version"}) {
        EXPECT_FALSE(DeleteMacro(path, name, &error)) << name;
        EXPECT_EQ(error,
                  "Il n'est pas possible de d\xE9truire cette macro car elle fait partie "
                  "int\xE9grante de Tamaris");
    }
    for (const char* name : {"Date ", "  ", "a=b", "[x"}) {
        error.clear();
        EXPECT_FALSE(AddMacro(path, name, "x", &error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    EXPECT_EQ(dir.FileCount(), 0);

    error.clear();
    EXPECT_FALSE(AddMacro(dir.path("absent/macros.vek"), "a", "b", &error));
    EXPECT_EQ(error,
              "Impossible de cr\xE9"
              "er un fichier \xE0 c\xF4t\xE9 de " +
                  dir.path("absent/macros.vek") + " : le dossier n'existe pas");
}

TEST(Macros, Expansion) {
    const MacroTable table{
        {"salut", "  Bonjour\t "}, {"double", "premier"}, {"double", "second"}, {"date", "cache"}};
    EXPECT_EQ(ExpandMacro(table, "Version"), "Tamaris v1.5K");
    EXPECT_EQ(ExpandMacro(table, "SALUT"), "Bonjour");
    EXPECT_EQ(ExpandMacro(table, "double"), "premier");
    EXPECT_EQ(ExpandMacro(table, "inconnue"), "");
    EXPECT_EQ(ExpandMacro(table, " salut"), "");
    EXPECT_TRUE(ExpandMacro(table, "DATE").starts_with("Nous sommes le "));
    EXPECT_GT(ExpandMacro(table, "date").size(), 15u);
    EXPECT_TRUE(ExpandMacro(table, "time").starts_with("Il est "));
    EXPECT_GT(ExpandMacro(table, "time").size(), 7u);
}

TEST(Macros, RemoteAnswer) {
    const MacroTable table{{"salut", "Bonjour"}, {"boucle", "#salut"}, {"blanc", "  "}};
    const struct {
        const char* body;
        bool own;
        std::optional<std::string> answer;
    } cases[] = {
        {"0102#salut", false, "Bonjour"},       {"0102#Version", false, "Tamaris v1.5K"},
        {"0102   #SALUT  ", false, "Bonjour"},  {"0102# version", false, std::nullopt},
        {"0102#salut", true, std::nullopt},     {"0102dis #salut", false, std::nullopt},
        {"0102#inconnue", false, std::nullopt}, {"0102#blanc", false, std::nullopt},
        {"0102#", false, std::nullopt},         {"0102#boucle", false, std::nullopt},
        {"#sa", false, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemoteMacroAnswer(table, c.body, c.own), c.answer) << c.body;
    }
}

}  // namespace
