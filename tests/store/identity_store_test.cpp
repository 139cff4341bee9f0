#include "store/identity_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

TEST(Identities, WriteReadOverwriteDelete) {
    TempDataDir dir;
    ASSERT_TRUE(WriteIdentity("Zo\xE9", "zoe75", "25", "Femme", "Paris", "*", "en forme"));
    ASSERT_TRUE(WriteIdentity("Bob", "bob", "30", "Homme", "Lyon", "", "en ligne"));
    EXPECT_EQ(dir.Read("ID.vek"),
              "[Zo\xE9]\r\npseudo=zoe75\r\nage=25\r\nsexe=Femme\r\nville=Paris\r\nsalon=*\r\n"
              "status=en forme\r\n"
              "[Bob]\r\npseudo=bob\r\nage=30\r\nsexe=Homme\r\nville=Lyon\r\nsalon=\r\n"
              "status=en ligne\r\n");

    // Same alias, other case: the section is overwritten, not doubled.
    ASSERT_TRUE(WriteIdentity("BOB", "robert", "31", "Inconnu", "Nice", "VIP", "absent"));
    EXPECT_EQ(IdentityAliases(), (std::vector<std::string>{"Zo\xE9", "Bob"}));
    const IdentityRecord bob = ReadIdentity("bob");
    EXPECT_EQ(bob.alias.str(), "bob");
    EXPECT_EQ(bob.pseudo.str(), "robert");
    EXPECT_EQ(bob.age.str(), "31");
    EXPECT_EQ(bob.sexe.str(), "Inconnu");
    EXPECT_EQ(bob.ville.str(), "Nice");
    EXPECT_EQ(bob.salon.str(), "VIP");
    EXPECT_EQ(bob.status.str(), "absent");

    ASSERT_TRUE(DeleteIdentity("Zo\xE9"));
    ASSERT_TRUE(DeleteIdentity("nobody"));
    EXPECT_EQ(IdentityAliases(), (std::vector<std::string>{"Bob"}));
}

TEST(Identities, MissingKeysAndLongValues) {
    TempDataDir dir;
    dir.Write("ID.vek", "[Vieux]\r\npseudo=" + std::string(40, 'p') + "\r\nsexe=Autre\r\n[Nu]\r\n");
    const IdentityRecord old = ReadIdentity("Vieux");
    EXPECT_EQ(old.pseudo.str(), std::string(32, 'p'));
    EXPECT_EQ(old.sexe.str(), "Autre");
    EXPECT_EQ(SexIndex(old.sexe.str()), 2);
    EXPECT_EQ(old.status.str(), "en ligne");
    const IdentityRecord bare = ReadIdentity("Nu");
    EXPECT_EQ(bare.sexe.str(), "Inconnu");
    EXPECT_EQ(bare.status.str(), "en ligne");
    EXPECT_TRUE(bare.pseudo.empty());
}

TEST(Identities, ListItem) {
    IdentityRecord r;
    r.alias = "Bob";
    r.pseudo = "bob";
    r.age = "30";
    r.sexe = "Homme";
    r.ville = "Lyon";
    r.salon = "VIP";
    r.status = "hidden";
    const std::string item = IdentityListItem(r);
    EXPECT_EQ(item,
              "<FONT color=\"#0080C0\"><b>Bob</b></FONT><BR><UL><LI>pseudo : <FONT "
              "color=\"#FF0000\" >bob</FONT></UL><UL><LI>age : <FONT color=\"#FF0000\" "
              ">30</FONT> - sexe : <FONT color=\"#FF0000\" >Homme</FONT></UL><UL><LI>ville : "
              "<FONT color=\"#FF0000\" >Lyon</FONT></UL><UL><LI>salon : <FONT "
              "color=\"#FF0000\" >VIP</FONT>");
}

TEST(Identities, AliasComesBackFromItsItem) {
    for (const char* alias : {"Bob", "Zo\xE9", "a</b>b", "<b>", "x & y", "&lt;", "\"q\"", ""}) {
        IdentityRecord r;
        r.alias = alias;
        r.pseudo = "</b>";
        EXPECT_EQ(AliasOfItem(IdentityListItem(r)), alias);
    }
    EXPECT_EQ(AliasOfItem("no bold here"), "");
    EXPECT_EQ(AliasOfItem("</b> then <b>"), "");
}

TEST(Identities, SexAndRoomRules) {
    const std::pair<const char*, int> texts[] = {
        {"Homme", 0}, {"Femme", 1}, {"Inconnu", 2}, {"homme", 2}, {"", 2}};
    for (const auto& [text, index] : texts) EXPECT_EQ(SexIndex(text), index) << text;
    EXPECT_EQ(SessionSexe(0), 1);  // Homme: man
    EXPECT_EQ(SessionSexe(1), 0);  // Femme: woman
    EXPECT_EQ(SessionSexe(2), 2);
    EXPECT_EQ(SessionSexe(-1), 2);
    EXPECT_EQ(LoginRoom("*"), "");
    EXPECT_EQ(LoginRoom(""), "VIP Babillon");
    EXPECT_EQ(std::string(kDefaultRoom).size(), 12u);
    EXPECT_EQ(LoginRoom("Amis"), "Amis");
}

}  // namespace
