#include "store/favourite_rooms.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace {

std::vector<std::string> Load(const std::string& path) {
    std::vector<std::string> names;
    std::string error;
    EXPECT_TRUE(LoadFavouriteRooms(path, &names, &error)) << error;
    return names;
}

TEST(FavouriteRooms, AddedNamesReadBackSortedWithoutRegardToCaseAndDeleteOneByOne) {
    TempDataDir dir;
    const std::string path = FavouriteRoomsPath();
    EXPECT_TRUE(Load(path).empty());
    std::string error;
    for (const char* name : {"zorro", "Caf\xE9#des#Amis#0", "Aide", "bretagne"}) {
        ASSERT_TRUE(AddFavouriteRoom(path, name, &error)) << error;
    }
    EXPECT_EQ(Load(path), (std::vector<std::string>{"Aide", "bretagne", "Caf\xE9#des#Amis#0",
                                                    "zorro"}));
    EXPECT_EQ(dir.Read("salons.vek"),
              "[Salons]\r\nzorro=null\r\nCaf\xE9#des#Amis#0=null\r\nAide=null\r\nbretagne=null\r\n");

    ASSERT_TRUE(DeleteFavouriteRoom(path, "Aide", &error)) << error;
    ASSERT_TRUE(DeleteFavouriteRoom(path, "pas la", &error)) << error;
    EXPECT_EQ(Load(path), (std::vector<std::string>{"bretagne", "Caf\xE9#des#Amis#0", "zorro"}));
}

// Names with a control character around them, typed or left in the file by hand, are deleted
// like the others.
TEST(FavouriteRooms, NamesWithControlCharactersAroundThemAreDeleted) {
    TempDataDir dir;
    dir.Write("salons.vek", "[Salons]\r\n\x02Lyon=null\r\nParis\x01=null\r\n");
    const std::string path = FavouriteRoomsPath();
    std::string error;
    ASSERT_TRUE(AddFavouriteRoom(path, "\x02Nice", &error)) << error;
    for (const char* name : {"\x02Nice", "\x02Lyon", "paris\x01"}) {
        ASSERT_TRUE(DeleteFavouriteRoom(path, name, &error)) << error;
    }
    EXPECT_TRUE(Load(path).empty());
}

TEST(FavouriteRooms, FileWrittenOnWindowsReads) {
    TempDataDir dir;
    dir.Write("salons.vek", "[SALONS]\r\nParis#0=null\r\n; vieux\r\nAccueil = null\r\n");
    EXPECT_EQ(Load(FavouriteRoomsPath()), (std::vector<std::string>{"Accueil", "Paris#0"}));
}

TEST(FavouriteRooms, NamesThatCannotBeKeysAreRefusedAndNothingIsWritten) {
    TempDataDir dir;
    for (const char* name : {"", "   ", "a=b", "[Salons]", ";note"}) {
        std::string error;
        EXPECT_FALSE(AddFavouriteRoom(FavouriteRoomsPath(), name, &error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    EXPECT_EQ(dir.FileCount(), 0);
}

TEST(FavouriteRooms, UnreadableFileIsReportedAndNeverReplaced) {
    TempDataDir dir;
    // A directory of that name: it exists and cannot be read as a file.
    std::filesystem::create_directory(dir.path("salons.vek"));
    std::vector<std::string> names{"reste"};
    std::string error;
    EXPECT_FALSE(LoadFavouriteRooms(FavouriteRoomsPath(), &names, &error));
    EXPECT_TRUE(names.empty());
    EXPECT_NE(error.find("illisible"), std::string::npos) << error;
    error.clear();
    EXPECT_FALSE(AddFavouriteRoom(FavouriteRoomsPath(), "Paris", &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(DeleteFavouriteRoom(FavouriteRoomsPath(), "Paris", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("salons.vek")));
}

}  // namespace
