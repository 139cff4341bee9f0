#include "store/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

TConfig SampleValues() {
    TConfig v;
    v.Show = true;
    v.DefColor = 5;
    v.DefTaille = 2;
    v.Police = "Verdana";
    v.Image = "fond.bmp";
    v.Son = "/x/ding.wav";
    v.ActivSon = false;
    v.TimeOccupe = 12;
    v.LongPhraseCut = false;
    v.DoNothing = true;
    v.ListPerm = false;
    v.MaxMessages = 0;
    v.AdrID = "id.example";
    v.PortID = "8080";
    v.AdrChat = "chat.example";
    v.PortChat = "7000";
    v.ProxyVersion = "4A";
    v.ProxyHTTPAdr = "proxy1";
    v.ProxyHTTPPort = "1080";
    v.ProxyTCPAdr = "proxy2";
    v.ProxyTCPPort = "1081";
    v.ProxyIDName = "jean";
    v.ProxyIDPass = "secret";
    for (int i = 0; i < 9; ++i) v.EasyPhrases[i] = "phrase " + std::to_string(i + 1);
    v.RepType = 3;
    v.RepMsgGeneral = "Je ne suis pas l\xE0";
    v.RepMsgAmis = "amis";
    v.RepMsgPerso = "perso";
    v.RepPerso = {"Zo\xE9", "a=b"};
    return v;
}

const std::string kSampleFile =
    "[Debug]\r\nShow=1\r\n"
    "[General]\r\nDefColor=5\r\nDefTaille=2\r\nPolice=Verdana\r\nImage=fond.bmp\r\n"
    "Son=/x/ding.wav\r\nActivSon=0\r\nTimeOccupe=12\r\nLongPhraseCut=0\r\nDoNothing=1\r\n"
    "ListPerm=0\r\nMaxMessages=0\r\n"
    "[Connexion]\r\nAdrID=id.example\r\nPortID=8080\r\nAdrChat=chat.example\r\n"
    "PortChat=7000\r\nProxyVersion=4A\r\nProxyHTTPAdr=proxy1\r\nProxyHTTPPort=1080\r\n"
    "ProxyTCPAdr=proxy2\r\nProxyTCPPort=1081\r\nProxyIDName=jean\r\nProxyIDPass=secret\r\n"
    "[EasyPhrases]\r\nF1=phrase 1\r\nF2=phrase 2\r\nF3=phrase 3\r\nF4=phrase 4\r\n"
    "F5=phrase 5\r\nF6=phrase 6\r\nF7=phrase 7\r\nF8=phrase 8\r\nF9=phrase 9\r\n"
    "[Repondeur]\r\nRepType=3\r\nRepMsgGeneral=Je ne suis pas l\xE0\r\nRepMsgAmis=amis\r\n"
    "RepMsgPerso=perso\r\n"
    "[RepPerso]\r\n0=Zo\xE9\r\n1=a=b\r\n";

TEST(Settings, DefaultsWithoutAFile) {
    TempDataDir dir("Program Files/Tamaris");  // the directory's case is kept
    const TConfig c = LoadConfig();
    EXPECT_EQ(c.PortChat.str(), "6666");
    EXPECT_EQ(c.PortID.str(), "80");
    EXPECT_EQ(c.AdrChat.str(), "127.0.0.1");
    EXPECT_EQ(c.AdrID.str(), "127.0.0.1");
    EXPECT_EQ(c.Police, "Tahoma");
    EXPECT_TRUE(c.ActivSon);
    EXPECT_EQ(c.Son, dir.dir() + "peewee.wav");
    EXPECT_NE(c.Son.find("Program Files/Tamaris/"), std::string::npos);
    EXPECT_EQ(c.DefTaille, 1);
    EXPECT_EQ(c.TimeOccupe, 31);
    EXPECT_TRUE(c.ListPerm);
    EXPECT_EQ(c.MaxMessages, 10000);
    EXPECT_TRUE(c.RepPerso.empty());
    EXPECT_TRUE(c.ProxyVersion.empty());
}

TEST(Settings, EveryKeyIsWrittenInOrderAndReadBack) {
    TempDataDir first;
    TConfig loaded;
    std::string error;
    ASSERT_TRUE(SaveConfig(SampleValues(), loaded, &error)) << error;
    EXPECT_EQ(first.Read("config.vek"), kSampleFile);

    // Every field was loaded: saving the loaded record elsewhere writes the same file.
    TempDataDir second;
    TConfig again;
    ASSERT_TRUE(SaveConfig(loaded, again));
    EXPECT_EQ(second.Read("config.vek"), kSampleFile);
    EXPECT_EQ(again.RepPerso, (std::vector<std::string>{"Zo\xE9", "a=b"}));
}

TEST(Settings, MinusOneKeepsTheStoredListPositions) {
    TempDataDir dir;
    TConfig config;
    ASSERT_TRUE(SaveConfig(SampleValues(), config));
    TConfig values = config;
    values.DefColor = values.DefTaille = values.TimeOccupe = values.RepType = -1;
    values.Police = "Arial";
    ASSERT_TRUE(SaveConfig(values, config));
    EXPECT_EQ(config.DefColor, 5);
    EXPECT_EQ(config.DefTaille, 2);
    EXPECT_EQ(config.TimeOccupe, 12);
    EXPECT_EQ(config.RepType, 3);
    EXPECT_EQ(config.Police, "Arial");
}

TEST(Settings, SaveReplacesThePersonalListAndKeepsForeignContent) {
    TempDataDir dir;
    dir.Write("config.vek",
              "; my notes\r\n[Connexion]\r\nPortChat=1234\r\n[Extra]\r\nfoo=bar\r\n"
              "[RepPerso]\r\n0=un\r\n1=deux\r\n2=trois\r\n");
    TConfig config = LoadConfig();
    EXPECT_EQ(config.RepPerso, (std::vector<std::string>{"un", "deux", "trois"}));
    config.PrivateMode = 3;
    TConfig values = config;
    values.RepPerso = {"seul"};
    ASSERT_TRUE(SaveConfig(values, config));
    EXPECT_EQ(config.RepPerso, (std::vector<std::string>{"seul"}));
    EXPECT_EQ(config.PortChat.str(), "1234");
    EXPECT_EQ(config.PrivateMode, 3);  // not stored, not lost either
    const std::string file = dir.Read("config.vek");
    EXPECT_EQ(file.rfind("; my notes\r\n", 0), 0u);
    EXPECT_NE(file.find("[Extra]\r\nfoo=bar\r\n"), std::string::npos);
    EXPECT_EQ(file.find("1=deux"), std::string::npos);
}

TEST(Settings, BadAndLongValues) {
    TempDataDir dir;
    dir.Write("config.vek",
              "[General]\r\nDefColor=rouge\r\nDefTaille=\r\nActivSon=oui\r\nTimeOccupe= 12 \r\n"
              "ListPerm=0\r\nShow=1\r\nMaxMessages=-5\r\n"
              "[Connexion]\r\nAdrChat=" +
                  std::string(300, 'c') +
                  "\r\nPortChat=123456\r\nProxyVersion=4AB\r\n"
                  "[EasyPhrases]\r\nF3=" +
                  std::string(256, 'f') + "\r\n[RepPerso]\r\n0=Bonjour\r\n1=a=b\r\n");
    const TConfig c = LoadConfig();
    EXPECT_EQ(c.DefColor, 0);
    EXPECT_EQ(c.DefTaille, 1);
    EXPECT_TRUE(c.ActivSon);
    EXPECT_EQ(c.TimeOccupe, 12);
    EXPECT_FALSE(c.ListPerm);
    EXPECT_FALSE(c.Show);  // in [General], not [Debug]
    EXPECT_EQ(c.MaxMessages, 10000);
    EXPECT_EQ(c.AdrChat.str(), std::string(255, 'c'));
    EXPECT_EQ(c.PortChat.str(), "12345");
    EXPECT_EQ(c.ProxyVersion.str(), "4A");
    EXPECT_EQ(c.EasyPhrases[2].str(), std::string(255, 'f'));
    EXPECT_EQ(c.RepPerso, (std::vector<std::string>{"Bonjour", "a=b"}));
}

TEST(Settings, FailedSaveIsReported) {
    TempDataDir dir;
    std::filesystem::create_directory(dir.path("config.vek"));
    TConfig config;
    config.PrivateMode = 2;
    std::string error;
    EXPECT_FALSE(SaveConfig(SampleValues(), config, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(config.Police, "Tahoma");
    EXPECT_EQ(config.PrivateMode, 2);
}

TEST(Settings, PortNumbers) {
    const std::pair<const char*, int> cases[] = {
        {"6666", 6666}, {" 80 ", 80}, {"abc", 0},       {"", 0},      {"12ab", 0},
        {"0", 0},       {"-1", 0},    {"65535", 65535}, {"65536", 0}, {"99999999999", 0},
    };
    for (const auto& [text, port] : cases) EXPECT_EQ(PortNumber(text), port) << '"' << text << '"';
}

TEST(Settings, ProxyVersions) {
    using net::SocksVersion;
    const std::tuple<const char*, int, SocksVersion, const char*> cases[] = {
        {"4", 0, SocksVersion::svSocks4, "4"}, {"4A", 1, SocksVersion::svSocks4A, "4A"},
        {"5", 2, SocksVersion::svSocks5, "5"}, {"", 2, SocksVersion::svSocks5, "5"},
        {"x", 2, SocksVersion::svSocks5, "5"}, {"45", 2, SocksVersion::svSocks5, "5"},
    };
    for (const auto& [text, index, version, stored] : cases) {
        EXPECT_EQ(ProxyVersionIndex(text), index) << '"' << text << '"';
        EXPECT_EQ(ProxySocksVersion(text), version) << '"' << text << '"';
        EXPECT_EQ(ProxyVersionText(index), stored);
    }
}

}  // namespace
