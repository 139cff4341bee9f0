#include "conversation/macros.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QTime>
#include <string>

#include "conversation/clock_text.h"
#include "store/macro_store.h"
#include "support/temp_dir.h"
#include "widgets/ansi_text.h"

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

// "!time" keeps the seconds and drops the zone of the long time form; the date stays short.
TEST(Macros, DateAndTimeInTheSystemForms) {
    const QTime time(14, 5, 33);
    const struct {
        QLocale locale;
        const char* date;
        const char* time;
    } cases[] = {
        {QLocale::c(), "9 Dec 2026", "14:05:33"},
        {QLocale(QLocale::French, QLocale::France), "09/12/2026", "14:05:33"},
        {QLocale(QLocale::German, QLocale::Germany), "09.12.26", "14:05:33"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "12/9/26", "2:05:33 PM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(DateText(c.locale, QDate(2026, 12, 9)), QString::fromUtf8(c.date));
        EXPECT_EQ(TimeText(c.locale, time), QString::fromUtf8(c.time));
    }
    QTime before;
    std::string expanded;
    do {
        before = QTime::currentTime();
        expanded = ExpandMacro({}, "time");
    } while (before.second() != QTime::currentTime().second());
    EXPECT_EQ(expanded, "Il est " + ToAnsi(TimeText(QLocale::system(), before)));
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
