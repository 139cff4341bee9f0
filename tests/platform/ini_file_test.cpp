#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

using platform::IniFile;

namespace {

// As a Windows program leaves it: CR LF, names in any case, Windows-1252 accents, a comment,
// blank lines, blanks around names and values, text before the first section.
const std::string kWindowsFile =
    "; Tamaris settings\r\n"
    "stray=before any section\r\n"
    "\r\n"
    "[General]\r\n"
    "Police = Comic Sans MS \r\n"
    "Son=C:\\Program Files\\Tamaris\\peewee.wav\r\n"
    "DefColor=3\r\n"
    "\r\n"
    "[ CONNEXION ]\r\n"
    "adrid=chat.example.org\r\n"
    "  PortChat  =  6666\r\n"
    "; Ville=Paris\r\n"
    "Ville=Orl\xE9"
    "ans\r\n"
    "Equation=a=b\r\n"
    "Empty=\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected;
};

TEST(IniFile, WindowsFileReadsBack) {
    TempDataDir dir;
    dir.Write("a.ini", kWindowsFile);
    const IniFile ini(dir.path("a.ini"));
    const ReadCase cases[] = {
        {"General", "Police", "Comic Sans MS"},
        {"general", "SON", "C:\\Program Files\\Tamaris\\peewee.wav"},
        {"Connexion", "AdrID", "chat.example.org"},
        {"connexion", "portchat", "6666"},
        {"Connexion", "Ville",
         "Orl\xE9"
         "ans"},
        {"Connexion", "Equation", "a=b"},
        {"Connexion", "Empty", ""},
        {"Connexion", "Police", "default"},  // keys belong to their own section
        {"General", "stray", "default"},
        {"Missing", "Police", "default"},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"General", "CONNEXION"}));
    EXPECT_EQ(ini.SectionKeys("connexion"),
              (std::vector<std::string>{"adrid", "PortChat", "Ville", "Equation", "Empty"}));
    EXPECT_EQ(
        ini.SectionLines("General"),
        (std::vector<std::string>{"Police=Comic Sans MS",
                                  "Son=C:\\Program Files\\Tamaris\\peewee.wav", "DefColor=3"}));
}

TEST(IniFile, LfOnlyFileReads) {
    TempDataDir dir;
    dir.Write("a.ini", "[A]\nx=1\n[B]\ny=two");
    const IniFile ini(dir.path("a.ini"));
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadString("B", "y", ""), "two");
}

TEST(IniFile, IntegersAndBooleans) {
    struct Case {
        const char* stored;
        int integer;   // read with default 42
        bool boolean;  // read with default true
    };
    const Case cases[] = {
        {"12", 12, true},   {" -3 ", -3, true},  {"+7", 7, true},   {"0", 0, false},
        {"abc", 42, true},  {"12abc", 42, true}, {"", 42, true},    {"99999999999", 42, true},
        {"0x10", 42, true}, {"--1", 42, true},   {"++1", 42, true}, {"-", 42, true},
    };
    for (const Case& c : cases) {
        TempDataDir dir;
        dir.Write("a.ini", std::string("[S]\r\nk=") + c.stored + "\r\n");
        const IniFile ini(dir.path("a.ini"));
        EXPECT_EQ(ini.ReadInteger("S", "k", 42), c.integer) << '"' << c.stored << '"';
        EXPECT_EQ(ini.ReadBool("S", "k", true), c.boolean) << '"' << c.stored << '"';
    }
}

TEST(IniFile, WritingOneKeyKeepsTheRestByteForByte) {
    TempDataDir dir;
    dir.Write("a.ini", kWindowsFile);
    IniFile ini(dir.path("a.ini"));
    ini.WriteString("connexion", "PORTCHAT", "7777");
    ASSERT_TRUE(ini.Save());
    std::string expected = kWindowsFile;
    expected.replace(expected.find("  PortChat  =  6666"), 19, "PORTCHAT=7777");
    EXPECT_EQ(dir.Read("a.ini"), expected);
}

TEST(IniFile, NewKeysAndSections) {
    TempDataDir dir;
    // LF lines stay LF; the file lacks a final line end.
    dir.Write("a.ini", "[A]\nx=1\n\n[B]\ny=2");
    IniFile ini(dir.path("a.ini"));
    ini.WriteString("a", "z", "new");
    ini.WriteInteger("B", "w", -5);
    ini.WriteBool("C", "flag", true);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(dir.Read("a.ini"), "[A]\nx=1\nz=new\r\n\n[B]\ny=2\r\nw=-5\r\n[C]\r\nflag=1\r\n");
    const IniFile reread(dir.path("a.ini"));
    EXPECT_EQ(reread.ReadString("A", "z", ""), "new");
    EXPECT_EQ(reread.ReadInteger("B", "w", 0), -5);
    EXPECT_TRUE(reread.ReadBool("C", "flag", false));
}

TEST(IniFile, EraseSectionAndDeleteKey) {
    TempDataDir dir;
    dir.Write("a.ini",
              "[A]\r\nx=1\r\n[RepPerso]\r\n0=a\r\n; note\r\n1=b\r\n\r\n[B]\r\ny=2\r\nz=3\r\n");
    IniFile ini(dir.path("a.ini"));
    ini.EraseSection("repperso");
    ini.DeleteKey("B", "Y");
    ini.DeleteKey("B", "missing");
    ini.EraseSection("missing");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(dir.Read("a.ini"), "[A]\r\nx=1\r\n[B]\r\nz=3\r\n");
}

TEST(IniFile, LineBreaksInTextCannotOpenNewLines) {
    TempDataDir dir;
    IniFile ini(dir.path("a.ini"));
    ini.WriteString("Repondeur", "RepMsgGeneral", "a\r\n[Connexion]\nAdrID=elsewhere");
    ini.WriteString("Ali]as\n", "status", "x");
    ASSERT_TRUE(ini.Save());
    const IniFile reread(dir.path("a.ini"));
    EXPECT_EQ(reread.ReadString("Repondeur", "RepMsgGeneral", ""),
              "a  [Connexion] AdrID=elsewhere");
    EXPECT_FALSE(reread.SectionExists("Connexion"));
    EXPECT_EQ(reread.ReadString("Ali]as", "status", ""), "x");
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreated) {
    TempDataDir dir;
    IniFile ini(dir.path("new.ini"));
    EXPECT_EQ(ini.ReadString("A", "x", "def"), "def");
    EXPECT_TRUE(ini.SectionNames().empty());
    ini.WriteString("A", "x", "1");
    std::string error;
    ASSERT_TRUE(ini.Save(&error)) << error;
    EXPECT_EQ(dir.Read("new.ini"), "[A]\r\nx=1\r\n");
}

TEST(IniFile, UnreadableFileGivesDefaultsAndIsNotReplaced) {
    TempDataDir dir;
    std::filesystem::create_directory(dir.path("a.ini"));  // exists, cannot be read as a file
    IniFile ini(dir.path("a.ini"));
    EXPECT_EQ(ini.ReadInteger("A", "x", 9), 9);
    ini.WriteString("A", "x", "1");
    std::string error;
    EXPECT_FALSE(ini.Save(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("a.ini")));
}

// A full disk: the write of the temporary file fails half way. The old file stays whole, no
// temporary file is left behind, and the failure is reported.
TEST(IniFile, FailedWriteKeepsTheOldFile) {
    TempDataDir dir;
    const std::string old = "[A]\r\nx=1\r\n";
    dir.Write("a.ini", old);
    IniFile ini(dir.path("a.ini"));
    ini.WriteString("A", "x", std::string(4096, 'y'));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool saved_ok = ini.Save(&error);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);

    EXPECT_FALSE(saved_ok);
    EXPECT_NE(error.find("Impossible d'\xE9"
                         "crire " +
                         dir.path("a.ini") + " : le fichier d\xE9passe la taille permise"),
              std::string::npos)
        << error;
    EXPECT_EQ(dir.Read("a.ini"), old);
    EXPECT_EQ(dir.FileCount(), 1);
}

// A crash between writing the temporary file and the rename leaves that file beside the
// target: the target still reads as before, the next save goes through and removes such
// files once they are old, leaving a fresh one (a save in progress) and other files alone.
TEST(IniFile, StaleTemporaryFileIsIgnoredThenRemoved) {
    TempDataDir dir;
    dir.Write("a.ini", "[A]\r\nx=1\r\n");
    for (const char* name :
         {"a.ini.tmpAbC123", "a.ini.tmpNew456", "b.ini.tmpAbC123", "a.ini.tmpX"}) {
        dir.Write(name, "[A]\r\nx=half wri");
    }
    const timeval an_hour_ago[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    for (const char* name : {"a.ini.tmpAbC123", "b.ini.tmpAbC123", "a.ini.tmpX"}) {
        ASSERT_EQ(::utimes(dir.path(name).c_str(), an_hour_ago), 0);
    }
    IniFile ini(dir.path("a.ini"));
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    ini.WriteInteger("A", "x", 2);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(IniFile(dir.path("a.ini")).ReadInteger("A", "x", 0), 2);
    for (const auto& [name, kept] : {std::pair{"a.ini.tmpAbC123", false},
                                     {"a.ini.tmpNew456", true},
                                     {"b.ini.tmpAbC123", true},
                                     {"a.ini.tmpX", true}}) {
        EXPECT_EQ(std::filesystem::exists(dir.path(name)), kept) << name;
    }
}

}  // namespace
