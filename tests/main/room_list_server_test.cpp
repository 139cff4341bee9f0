// The room list against babillon-server: the list as the server sends it, and a forced entry
// into a listed room.
#include <QLabel>
#include <QPushButton>

#include "directory/form_salons.h"
#include "directory/room_entry.h"
#include "main/logged_in_fixture.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/mdi_tab.h"

namespace {

using RoomListServerTest = LoggedInTest;

int RowOf(BabiListBox* list, const std::string& raw_name) {
    for (int i = 0; i < list->count(); ++i) {
        if (ParseRoomEntry(ToAnsi(list->ItemText(i))).raw_name == raw_name) return i;
    }
    return -1;
}

TEST_F(RoomListServerTest, ForcedEntryFromThePermanentListEntersTheRoom) {
    Tform_salons* rooms = main().RoomListWindow();
    ASSERT_NE(rooms, nullptr);
    QTest::mouseClick(rooms->FlatButton3, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return RowOf(rooms->list_dessalons, "Aide#0") >= 0; }));
    // Every room of the reply is listed, the last one too.
    EXPECT_GE(RowOf(rooms->list_dessalons, "Quiz#du#soir#0"), 0);
    EXPECT_EQ(rooms->lbl_nb_salons->text().toInt(), rooms->list_dessalons->count());

    rooms->list_dessalons->setCurrentRow(RowOf(rooms->list_dessalons, "Aide#0"));
    QTest::mouseClick(rooms->btn_forcer, Qt::LeftButton);
    EXPECT_EQ(main().State().ForcedRoom, "Aide#0");
    ASSERT_TRUE(WaitUntil([&] { return main().State().ForcedRoom.empty(); }));
    const int room_tab = main().Tabs()->IndexOf(main().RoomWindow()->parentWidget());
    EXPECT_EQ(main().Tabs()->TabIndex(), room_tab);
    EXPECT_TRUE(WaitUntil([&] { return main().Tabs()->Caption(room_tab) == "Aide"; }));
    // Bea, left behind, sees the user go.
    EXPECT_EQ(BeaReads("85\t1"), "85\t1\t" + Me());
}

}  // namespace
