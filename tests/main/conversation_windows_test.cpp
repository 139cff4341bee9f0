// The room and private windows driven through their controls, logged in to babillon-server,
// with a second member ("Bea", a plain line client) in the same room.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTextDocument>
#include <future>

#include "main/logged_in_fixture.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"

namespace {

using ConversationWindowsTest = LoggedInTest;

TEST_F(ConversationWindowsTest, RoomTextGoesOutWithTheBoxCodesAndComesBackDrawn) {
    Tform_salon* room = main().RoomWindow();
    auto* effect = room->findChild<QComboBox*>("combo_taille");
    auto* colour = room->findChild<QComboBox*>("combo_color");
    ASSERT_TRUE(effect && colour);
    effect->setCurrentText("Hurler");
    colour->setCurrentText("Rose");
    room->text_envoi->setText("a\tb :-)3");
    QTest::keyClick(room->text_envoi, Qt::Key_Return);
    EXPECT_EQ(BeaReads("70\t" + Me()), "70\t" + Me() + "\t0\t" + MyAlias() + "\t0203ab :-)3");
    EXPECT_TRUE(room->text_envoi->text().isEmpty());

    // Blanks go out in a room; Alt+S sends as Enter does.
    room->text_envoi->setText("  ");
    QTest::keyClick(room->text_envoi, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(BeaReads("70\t" + Me()), "70\t" + Me() + "\t0\t" + MyAlias() + "\t0203  ");

    // The echo: the nickname link, the text and one picture for the emoticon.
    ASSERT_TRUE(WaitUntil([&] { return room->rich_salon->ParagraphCount() == 2; }));
    const QString shown = room->rich_salon->toPlainText();
    EXPECT_TRUE(shown.startsWith(FromAnsi(MyAlias()) + "> ab " + QChar::ObjectReplacementCharacter))
        << shown.toStdString();
}

// A click on a nickname starts a reply to it, with Control adds it before the text; one's own
// nickname does nothing.
TEST_F(ConversationWindowsTest, NicknameClicksStartAReply) {
    Tform_salon* room = main().RoomWindow();
    const QString tag = FromAnsi(bea_.chatid + "\nrose\n? ; F ; \n");
    room->text_envoi->setText("salut");
    emit room->rich_salon->HotLinkClicked("Bea>", tag, Qt::ControlModifier);
    EXPECT_EQ(room->text_envoi->text(), "Bea> salut");
    EXPECT_EQ(room->text_envoi->cursorPosition(), room->text_envoi->text().size());
    emit room->rich_salon->HotLinkClicked("Bea>", tag, Qt::NoModifier);
    EXPECT_EQ(room->text_envoi->text(), "Bea> ");
    emit room->rich_salon->HotLinkClicked(FromAnsi(MyAlias()) + ">", tag, Qt::NoModifier);
    EXPECT_EQ(room->text_envoi->text(), "Bea> ");
}

TEST_F(ConversationWindowsTest, LongPhrasesAreCutOrKeptAsTheSettingSays) {
    Tform_salon* room = main().RoomWindow();
    const std::string word(9, 'w');
    std::string text;
    while (text.size() < 1500) text += word + " ";
    room->text_envoi->setText(QString::fromStdString(text));
    QTest::keyClick(room->text_envoi, Qt::Key_Return);
    const std::string first = BeaReads("70\t" + Me());
    const std::string second = BeaReads("70\t" + Me());
    const std::string head = "70\t" + Me() + "\t0\t" + MyAlias() + "\t0100";
    ASSERT_EQ(first.rfind(head, 0), 0u);
    ASSERT_EQ(second.rfind(head, 0), 0u);
    EXPECT_EQ(first.substr(head.size()) + " " + second.substr(head.size()) + " ", text);
    EXPECT_LE(first.size() - head.size(), 1000u);

    main().State().Config.LongPhraseCut = false;
    room->text_envoi->setText(QString::fromStdString(text));
    QTest::keyClick(room->text_envoi, Qt::Key_Return);
    EXPECT_EQ(ToAnsi(room->text_envoi->text()), text);
    ASSERT_TRUE(
        WaitUntil([&] { return room->rich_salon->toPlainText().contains("Phrase trop longue"); }));
}

TEST_F(ConversationWindowsTest, PrivateMacrosLocalAndRemote) {
    // Bea calls our "version" macro: we answer at once and show her message.
    bea_.line->Send("72\t" + Me() + "\t0100  #Version ");
    EXPECT_EQ(BeaReads("72\t" + Me()), "72\t" + Me() + "\t0\t" + MyAlias() + "\t0102Tamaris v1.5K");
    ASSERT_TRUE(WaitUntil([&] { return main().FindPrivateWindow(bea_.chatid) >= 0; }));
    Tform_prive* window = main().PrivateWindow(main().FindPrivateWindow(bea_.chatid));
    ASSERT_NE(window, nullptr);
    // Her call, then our answer as the server echoes it.
    const QString expected = "Bea>   #Version \n" + FromAnsi(MyAlias()) + "> Tamaris v1.5K";
    EXPECT_TRUE(WaitUntil([&] { return window->rich_prive->toPlainText() == expected; }))
        << window->rich_prive->toPlainText().toStdString();

    // Our "!" call sends the expansion with its own codes; an unknown name goes as typed.
    window->text_envoi->setText("! DATE");
    QTest::keyClick(window->text_envoi, Qt::Key_Return);
    const std::string date = BeaReads("72\t" + Me());
    EXPECT_EQ(date.rfind("72\t" + Me() + "\t0\t" + MyAlias() + "\t0102Nous sommes le ", 0), 0u)
        << date;
    window->text_envoi->setText("!inconnue");
    QTest::keyClick(window->text_envoi, Qt::Key_Return);
    EXPECT_EQ(BeaReads("72\t" + Me()), "72\t" + Me() + "\t0\t" + MyAlias() + "\t0100!inconnue");

    // Blanks are not sent in private and stay in the input line.
    window->text_envoi->setText("   ");
    QTest::keyClick(window->text_envoi, Qt::Key_Return);
    EXPECT_EQ(window->text_envoi->text(), "   ");

    // An answer longer than one line goes not at all, with a trace: cut, its second piece
    // would call Bea's "version" in turn. Her next call is answered as usual.
    const std::string longue = std::string(999, 'a') + " #version";
    main().State().Macros.push_back({"longue", longue});
    std::vector<std::string> warnings;
    const TBabillon::TVekDebugProc console = main().Babillon.OnDebug;
    main().Babillon.OnDebug = [&](const std::string& text, DebugCategory category) {
        if (category == DebugCategory::Warning) warnings.push_back(text);
        console(text, category);
    };
    bea_.line->Send("72\t" + Me() + "\t0100#longue");
    bea_.line->Send("72\t" + Me() + "\t0100#version");
    EXPECT_EQ(BeaReads("72\t" + Me()), "72\t" + Me() + "\t0\t" + MyAlias() + "\t0102Tamaris v1.5K");
    main().Babillon.OnDebug = console;
    EXPECT_EQ(warnings, std::vector<std::string>{"R\xE9ponse \xE0 la macro demand\xE9"
                                                 "e par Bea non envoy\xE9"
                                                 "e : 1008 caract\xE8res pour 1000 au plus"});
}

}  // namespace
