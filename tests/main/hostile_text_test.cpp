// Server text that looks like HTML or like an address is shown as the text it is, in every
// window it reaches, and never becomes a link.
#include <QAbstractItemView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <string>
#include <vector>

#include "main/main_window_fixture.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/babi_rich_view.h"

namespace {

// Every text fits the shortest field it is put in (a town: 25 characters).
const std::vector<std::string> kHostileTexts = {
    "<b>Gras</b>",          "<a href=file:/x>y</a>", "<img src=/etc/a>",
    "javascript:alert(1)",  "&amp;&lt;x&gt;",        "<font size=9>T</font>",
    "http://mal.example/",  "<h1>Titre</h1>",        "<p style=x>\xE9t\xE9</p>",
};

class HostileTextTest : public MainWindowTest {
  protected:
    void Line(const std::vector<std::string>& fields) {
        std::vector<std::string> params(fields.begin() + 1, fields.end());
        main().Babillon.OnChatCommande(fields[0], params);
    }

    // What a widget shows: rich text is rendered first, plain text is taken as it is.
    static QString Shown(const QString& text, bool rich) {
        if (!rich) return text;
        QTextDocument document;
        document.setHtml(text);
        return document.toPlainText();
    }

    // Every place in the windows where the hostile text shows, as the user sees it.
    std::vector<QString> PlacesShowing(const QString& hostile) {
        std::vector<QString> places;
        for (QLabel* label : main().findChildren<QLabel*>()) {
            const bool rich = label->textFormat() == Qt::RichText ||
                              (label->textFormat() == Qt::AutoText &&
                               Qt::mightBeRichText(label->text()));
            if (label->text().contains(hostile) || Shown(label->text(), rich).contains(hostile)) {
                places.push_back(label->objectName() + ": " + Shown(label->text(), rich));
            }
        }
        for (QWidget* widget : main().findChildren<QWidget*>()) {
            const QString tip = widget->toolTip();
            if (tip.isEmpty()) continue;
            const QString shown = Shown(tip, Qt::mightBeRichText(tip));
            if (tip.contains(hostile) || shown.contains(hostile)) {
                places.push_back(widget->objectName() + " tooltip: " + shown);
            }
        }
        return places;
    }

    // Anchors in the conversation views: the program's own hot links are not anchors.
    int AnchorsIn(QTextBrowser* view) {
        int anchors = 0;
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                anchors += it.fragment().charFormat().isAnchor() ? 1 : 0;
            }
        }
        return anchors;
    }

    static bool ListHolds(QAbstractItemView* list, const QString& hostile) {
        const QAbstractItemModel* model = list->model();
        for (int i = 0; i < model->rowCount(); ++i) {
            if (model->index(i, 0).data().toString().contains(hostile)) return true;
        }
        return false;
    }
};

TEST_F(HostileTextTest, ServerTextIsShownAsTextEverywhere) {
    Line({"100"});
    Line({"0", "MOI", "a", "b"});
    int private_number = 0;
    for (const std::string& text : kHostileTexts) {
        SCOPED_TRACE(text);
        const QString hostile = FromAnsi(text);
        const std::string key = "K" + std::to_string(++private_number);
        Line({"40", "0", text});
        Line({"85", "-1", key, "x", text, "0", "30", "1", text});
        Line({"70", key, "", text, "0101" + text});
        Line({"72", key, "", text, "0101" + text});
        Line({"82", key, "", "30", "1", text});
        Line({"76", "6", key, text});
        Line({"84", text});
        Line({"90", text, "0", text, "5"});
        Line({"330", "-1", text + ":0x"});
        Line({"332", "0", key, text, "", "30", "1", text, text});
        QCoreApplication::processEvents();

        // Labels and tooltips: the status bar, the private window's partner panel, the
        // friends window's state.
        for (const QString& place : PlacesShowing(hostile)) {
            EXPECT_TRUE(place.contains(hostile)) << place.toStdString();
        }
        EXPECT_EQ(main().StatusPanelText(StatusPanel::Salon), "Salon : " + hostile);
        EXPECT_EQ(main().StatusPanelText(StatusPanel::Status), "Status : " + hostile);
        const int slot = main().FindPrivateWindow(key);
        ASSERT_GE(slot, 0);
        Tform_prive* prive = main().PrivateWindow(slot);
        // Tab captions and titles.
        EXPECT_EQ(main().Tabs()->Caption(main().Tabs()->IndexOf(prive->parentWidget())), hostile);
        EXPECT_EQ(main().Tabs()->Caption(6), hostile);
        // Conversation views, the information window and the lists.
        for (QTextBrowser* view : main().findChildren<QTextBrowser*>()) {
            EXPECT_EQ(AnchorsIn(view), 0) << view->objectName().toStdString();
        }
        EXPECT_TRUE(main().RoomWindow()->rich_salon->toPlainText().contains(hostile));
        EXPECT_TRUE(prive->rich_prive->toPlainText().contains(hostile));
        EXPECT_TRUE(main().InfoWindow()->Rich_Infos->toPlainText().contains(hostile));
        EXPECT_TRUE(ListHolds(main().RoomWindow()->list_membres, hostile));
        EXPECT_TRUE(ListHolds(main().RoomListWindow()->list_dessalons, hostile));
        // A friend's nickname ends at its first ":".
        if (text.find(':') == std::string::npos) {
            EXPECT_TRUE(ListHolds(main().FriendsWindow()->list_amis, hostile));
        }
        EXPECT_TRUE(ListHolds(main().DebugWindow()->list_debug, hostile));
    }
}

TEST_F(HostileTextTest, ProfileAndMailPagesStayOnTheIdentificationServer) {
    main().Babillon.IDAddress = "127.0.0.1";
    main().Babillon.IDPort = 9;
    const std::string base = "http://127.0.0.1:9";
    struct Case {
        std::string alias;
        std::string profile;
    };
    const Case cases[] = {
        {"bob", base + "/scripts/profil?LOGIN=bob"},
        {"a&LOGIN=b#c", base + "/scripts/profil?LOGIN=a%26LOGIN%3Db%23c"},
        {"@mal.example/x", base + "/scripts/profil?LOGIN=%40mal.example%2Fx"},
        {"\xE9l\xE8ve d", base + "/scripts/profil?LOGIN=%C3%A9l%C3%A8ve%20d"},
    };
    for (const Case& c : cases) {
        main().ShowProfile(c.alias);
        Tform_browser* page = main().BrowserPage(main().BrowserPageCount() - 1);
        EXPECT_EQ(page->CurrentUrl().toString(QUrl::FullyEncoded).toStdString(), c.profile);
        EXPECT_EQ(page->windowTitle(), "Profil [" + FromAnsi(c.alias) + "]");
        main().ShowMailPage(c.alias);
        page = main().BrowserPage(main().BrowserPageCount() - 1);
        EXPECT_EQ(page->CurrentUrl().host(), "127.0.0.1") << c.alias;
        EXPECT_EQ(page->CurrentUrl().path(), "/cgi-bin/Compose") << c.alias;
    }
}

TEST_F(HostileTextTest, TheBrowserRefusesLocalAddresses) {
    Tform_browser browser;
    for (const char* address :
         {"file:///etc/passwd", "/etc/passwd", "qrc:/tamaris/icons/09_profil.svg",
          "javascript:alert(1)", "data:text/html,<b>x</b>"}) {
        browser.Navigate(address);
        EXPECT_TRUE(browser.CurrentUrl().isEmpty()) << address;
        EXPECT_TRUE(browser.browser->toPlainText().startsWith(QStringLiteral("Adresse refusée")))
            << address;
    }
    // A page naming a local picture does not get it read.
    browser.browser->setHtml(QStringLiteral("<img src=\"file:///etc/hostname\">"));
    EXPECT_FALSE(browser.browser->loadResource(QTextDocument::ImageResource,
                                               QUrl("file:///etc/hostname"))
                     .isValid());
}

}  // namespace
