// The private window over a recording registry: its buttons, the partner's details, the
// notices and the activity alert.
#include <QAbstractButton>
#include <QLineEdit>
#include <QStyle>
#include <QTextBlock>
#include <functional>

#include "conversation/message_paragraphs.h"
#include "conversation/partner_panel.h"
#include "main/dispatcher_fixture.h"
#include "widgets/hint_window.h"

namespace {

class PrivateWindowTest : public DispatcherTest {
  protected:
    Tform_prive* Open(const std::string& sex) {
        const int slot = windows.OpenPrivateWindow("bea-1", "Bea", "24", sex, "Lyon", "", false);
        Tform_prive* window = windows.PrivateWindow(slot);
        window->SetSoundPlayer([this](const std::string& file) { played.push_back(file); });
        return window;
    }
    void Activate(Tform_prive* window) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    QAbstractButton* Button(Tform_prive* window, const char* name) {
        return window->findChild<QAbstractButton*>(name);
    }

    std::vector<std::string> played;
};

TEST_F(PrivateWindowTest, PartnerButtonsActOnThePartner) {
    Tform_prive* window = Open("0");
    QTest::mouseClick(Button(window, "btn_profil"), Qt::LeftButton);
    QTest::mouseClick(Button(window, "btn_mail"), Qt::LeftButton);
    QTest::mouseClick(Button(window, "btn_ignorer"), Qt::LeftButton);
    QTest::mouseClick(Button(window, "FlatButton4"), Qt::LeftButton);
    EXPECT_EQ(windows.profiles, std::vector<std::string>{"Bea"});
    EXPECT_EQ(windows.mail_pages, std::vector<std::string>{"Bea"});
    EXPECT_EQ(windows.toggled, std::vector<std::string>{"bea-1"});
    EXPECT_EQ(windows.configuration_pages, std::vector<int>{2});
}

TEST_F(PrivateWindowTest, PauseButtonStopsAndResumesScrolling) {
    Tform_prive* window = Open("1");
    QAbstractButton* play = Button(window, "btn_play");
    const auto glyph = [window](QStyle::StandardPixmap which) {
        return window->style()->standardIcon(which).pixmap(16).toImage();
    };
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(window->rich_prive->AutoScroll());
    EXPECT_EQ(play->icon().pixmap(16).toImage(), glyph(QStyle::SP_MediaPlay));
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(window->rich_prive->AutoScroll());
    EXPECT_EQ(play->icon().pixmap(16).toImage(), glyph(QStyle::SP_MediaPause));
}

TEST_F(PrivateWindowTest, HoveredNicknameShowsTheDetailsTintedBySex) {
    struct Case {
        const char* sex;
        QColor tint;
        const char* details;
        const char* letter;
    };
    const Case cases[] = {
        {"0", QColor(255, 192, 192), "24 ; F ; Lyon", "Sexe : F"},
        {"1", QColor(0, 192, 255), "24 ; H ; Lyon", "Sexe : H"},
        {"-1", QColor(255, 255, 192), "24 ; I ; Lyon", "Sexe : I"},
    };
    for (const Case& c : cases) {
        Tform_prive* window = Open(c.sex);
        Activate(window);
        EXPECT_EQ(window->partner->lbl_sexe->text(), c.letter);
        window->AppendPrivateText("0100salut", false);
        const QString tag = FromAnsi(PrivateLinkTag("24", c.sex, "Lyon"));
        emit window->rich_prive->HotLinkHovered("Bea>", tag, QPoint(100, 100));
        HintWindow* hint = window->Hint();
        ASSERT_TRUE(hint->IsShown()) << c.sex;
        EXPECT_EQ(hint->text(), c.details);
        EXPECT_EQ(hint->palette().color(QPalette::Window), c.tint) << c.sex;
        emit window->rich_prive->HotLinkLeft();
        EXPECT_FALSE(hint->IsShown());
    }
}

TEST_F(PrivateWindowTest, NoticesAreBoldRedParagraphsOfTheirOwn) {
    Tform_prive* window = Open("0");
    const std::pair<std::function<void()>, std::string> notices[] = {
        {[window] { window->NotifyBusy(); }, "Bea est actuellement occupe(e)"},
        {[window] { window->NotifyRefused("Bea"); }, "Bea n'acc\xE8pte pas les priv\xE9s"},
        {[window] { window->NotifyGone(); }, "Bea n'est plus connect\xE9(e)"},
        {[window] { window->NotifyFriendGone(); }, "Votre ami(e) Bea n'est plus connect\xE9(e)"},
        {[window] { window->NotifyIgnored(); }, "Bea vous a ignor\xE9"},
    };
    for (const auto& [notify, text] : notices) {
        window->AppendPrivateText("0100message", false);
        notify();
        const QTextBlock last = window->rich_prive->document()->lastBlock();
        EXPECT_EQ(ToAnsi(last.text()), text);
        EXPECT_EQ(ToAnsi(last.previous().text()), "Bea> message");
        const QTextCharFormat format = last.begin().fragment().charFormat();
        EXPECT_EQ(format.fontWeight(), QFont::Bold) << text;
        EXPECT_EQ(format.foreground().color(), QColor(255, 0, 0)) << text;
    }
}

TEST_F(PrivateWindowTest, PartnerMessageFlagsAnInactiveWindowAndSounds) {
    state.Config.ActivSon = true;
    state.Config.Son = "ding.wav";
    Tform_prive* window = Open("0");
    window->AppendPrivateText("0100un", false);
    EXPECT_TRUE(window->HasNewText());
    EXPECT_EQ(windows.tab_repaints, 1);
    EXPECT_EQ(played, std::vector<std::string>{"ding.wav"});

    // Our own messages raise nothing.
    window->SetNewText(false);
    window->AppendPrivateText("0100deux", true);
    EXPECT_FALSE(window->HasNewText());
    EXPECT_EQ(played.size(), 1u);

    // The active window of the active application: nothing to raise.
    Activate(window);
    window->AppendPrivateText("0100trois", false);
    EXPECT_FALSE(window->HasNewText());
    EXPECT_EQ(windows.tab_repaints, 1);
    EXPECT_EQ(played.size(), 1u);
    EXPECT_TRUE(window->text_envoi->hasFocus());
}

}  // namespace
