// The private window over a recording registry: its buttons, the partner's details, the
// notices and the activity alert.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
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

// An empty conversation prints nothing and opens no dialog. The export dialog starts on plain
// text, and the filter chosen with the keyboard picks both the format and the suffix added to
// a name typed without one.
TEST_F(PrivateWindowTest, PrintAndExportButtons) {
    Tform_prive* window = Open("0");
    Activate(window);
    QStringList dialogs;
    // Acts on the next modal dialog once it shows, within the time given.
    QTimer watch;
    watch.setInterval(20);
    int ticks_left = 0;
    std::function<void(QWidget*)> act;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog && --ticks_left > 0) return;
        watch.stop();
        if (!dialog) return;
        dialogs.append(dialog->objectName());
        act(dialog);
    });
    const auto answer_dialog = [&](std::function<void(QWidget*)> action) {
        act = std::move(action);
        ticks_left = 250;
        watch.start();
    };
    answer_dialog([](QWidget* dialog) { dialog->close(); });
    ticks_left = 10;
    QTest::mouseClick(Button(window, "FlatButton2"), Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_TRUE(dialogs.isEmpty());

    window->AppendPrivateText("0102{salut} <b>\\ \xE9</b> :-) fin", false);
    QTemporaryDir dir;
    const struct {
        int ups;  // from "Texte simple"
        const char* file;
        const char* contains;
    } rows[] = {
        {0, "conv.txt", "{salut} <b>\\ \xC3\xA9</b>  fin\n"},
        {1, "conv.rtf", "{salut\\} <b>\\\\ \\'e9</b> }{\\pict"},
        {2, "conv.html",
         "{salut} &lt;b&gt;\\ \xC3\xA9&lt;/b&gt; </span><img src=\"smiley_conv_1.png\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        dialogs.clear();
        answer_dialog([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            auto* filters = widget->findChild<QComboBox*>("fileTypeCombo");
            auto* name = widget->findChild<QLineEdit*>("fileNameEdit");
            if (!dialog || !filters || !name) {
                ADD_FAILURE() << "not the export dialog";
                widget->close();
                return;
            }
            EXPECT_EQ(dialog->windowTitle(), "Sauvegarder la conversation");
            EXPECT_EQ(dialog->defaultSuffix(), "txt");
            EXPECT_EQ(filters->currentIndex(), 2);
            for (int i = 0; i < row.ups; ++i) QTest::keyClick(filters, Qt::Key_Up);
            dialog->setDirectory(dir.path());
            name->setText("conv");
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as the Save button
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog refused "
                              << dialog->selectedFiles().join(' ').toStdString();
                dialog->reject();
            }
        });
        QTest::mouseClick(Button(window, "FlatButton3"), Qt::LeftButton);
        EXPECT_EQ(dialogs, QStringList{"exportdialog"});
        QFile saved(dir.filePath(row.file));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.readAll().contains(row.contains));
    }

    // The print button's menu arrow shows the pages in a preview.
    auto* print = qobject_cast<QToolButton*>(Button(window, "FlatButton2"));
    ASSERT_NE(print->menu(), nullptr);
    QAction* preview = print->menu()->actions().value(0);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->text(), QString::fromUtf8("Aperçu avant impression ..."));
    dialogs.clear();
    int pages = 0;
    answer_dialog([&](QWidget* dialog) {
        if (auto* pages_view = dialog->findChild<QPrintPreviewWidget*>()) {
            pages = pages_view->pageCount();
        }
        dialog->close();
    });
    preview->trigger();
    EXPECT_EQ(dialogs, QStringList{"apercu"});
    EXPECT_EQ(pages, 1);
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
        {[window] { window->NotifyFriendGone(); }, "\rVotre ami(e) Bea n'est plus connect\xE9(e)"},
        {[window] { window->NotifyIgnored(); }, "Bea vous a ignor\xE9"},
    };
    for (const auto& [notify, text] : notices) {
        window->AppendPrivateText("0100message", false);
        notify();
        const QTextBlock last = window->rich_prive->document()->lastBlock();
        // A carriage return breaks the line inside the notice's paragraph.
        EXPECT_EQ(last.text(), FromAnsi(text).replace(u'\r', QChar::LineSeparator));
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
