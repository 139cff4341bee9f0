// Grabs pictures of the program for a person to look at: the connection dialog, the main
// window after a login against babillon-server --demo (room, a private conversation, news,
// friends, the room statistics), and the debug console.
// Usage: tamaris_screenshots OUTPUT_DIR
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <cstdio>

#include "auxiliary/form_stats.h"
#include "config/form_connex.h"
#include "conversation/conversation_export.h"
#include "conversation/conversation_print.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_debug.h"
#include "directory/form_salons.h"
#include "main/form_main.h"
#include "main/qt_french.h"
#include "main/qt_main_thread.h"
#include "main/qt_test_app.h"
#include "platform/exe_dir.h"
#include "program/program_state.h"
#include "session/command_codes.h"
#include "support/babillon_server.h"
#include "support/server_config.h"
#include "widgets/babi_list_box.h"
#include "widgets/babi_rich_view.h"
#include "widgets/mdi_tab.h"

namespace {

bool Save(QWidget* widget, const QDir& dir, const char* name) {
    const QString path = dir.filePath(name);
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The reason box of the busy mode, as its menu item shows it; cancelled afterwards.
bool SaveReasonBox(Tform_main& window, const QDir& dir) {
    bool saved = false;
    QTimer::singleShot(300, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            saved = Save(box, dir, "raison.png");
            box->close();
        }
    });
    window.findChild<QAction*>("Occupe1")->trigger();
    return saved;
}

// The room of babillon-server's crowd: a full member list with busy members, and one member
// the user ignores.
bool SaveCrowdedRoom(Tform_main& window, const QDir& out) {
    Tform_salon* room = window.RoomWindow();
    window.Babillon.SendLine(JoinRoomLine("Salon#Foule", "0"));
    if (!WaitUntil([&] { return room->list_membres->model()->rowCount() > 40; })) {
        std::fprintf(stderr, "the crowded room's list did not come\n");
        return false;
    }
    room->list_membres->setCurrentIndex(room->list_membres->model()->index(4, 0));
    QTest::mouseClick(room->btn_ignorer, Qt::LeftButton);
    window.Tabs()->SetTabIndex(6);
    QTest::qWait(500);
    return Save(&window, out, "salon_foule.png");
}

// The public rooms of the demo, a favourite, and one room selected.
bool SaveRoomList(Tform_main& window, const QDir& out) {
    Tform_salons* rooms = window.RoomListWindow();
    window.Tabs()->SetTabIndex(window.Tabs()->IndexOf(rooms->parentWidget()));
    rooms->AddFavourite("Caf\xE9#des#Amis#0");
    rooms->AddFavourite("Aide");
    rooms->FlatButton2->click();
    if (!WaitUntil([&] { return rooms->list_dessalons->count() > 10; })) {
        std::fprintf(stderr, "the room list did not come\n");
        return false;
    }
    rooms->list_dessalons->setCurrentRow(3);
    rooms->text_rech->setText(QStringLiteral("*s?n*"));
    QTest::qWait(300);
    return Save(&window, out, "salons.png");
}

// The search window with the people of the demo whose town starts with "Ly", one chosen.
bool SaveSearchWindow(Tform_main& window, const QDir& out) {
    Tform_connectes* search = window.SearchWindow();
    window.Tabs()->SetTabIndex(3);
    search->combo_rech_type->setCurrentIndex(1);
    search->text_rech->setText("Ly");
    QTest::mouseClick(search->btn_rech, Qt::LeftButton);
    if (!WaitUntil([&] { return search->list_rech->count() > 5; })) {
        std::fprintf(stderr, "the search results did not come\n");
        return false;
    }
    search->list_rech->setCurrentRow(2);
    QTest::qWait(300);
    return Save(&window, out, "connectes.png");
}

// The demo's friends: those present in their colours, the others in grey, one selected.
bool SaveFriends(Tform_main& window, const QDir& out) {
    Tform_amis* amis = window.FriendsWindow();
    if (!WaitUntil([&] { return amis->list_amis->count() >= 3; })) {
        std::fprintf(stderr, "the friends list did not come\n");
        return false;
    }
    amis->list_amis->setCurrentRow(1);
    amis->text_etat->setText(QString::fromUtf8("au café, je reviens"));
    window.Tabs()->SetTabIndex(5);
    QTest::qWait(300);
    return Save(&window, out, "amis.png");
}

bool SaveStatistics(Tform_main& window, const QDir& out) {
    window.findChild<QAction*>("SM_Stats")->trigger();
    auto* stats = window.findChild<Tform_stats*>("form_stats");
    QTest::qWait(300);
    const bool saved = Save(stats, out, "stats.png");
    stats->close();
    return saved;
}

}  // namespace

// The room's conversation printed to a PDF and its first page rendered by pdftoppm, and the
// room exported in the three formats (export/), the web page shown in a browser view, and the
// print preview.
bool SavePrintedAndExportedRoom(Tform_salon& room, const QDir& out) {
    const QTextDocument& document = *room.rich_salon->document();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath("impression.pdf"));
    const QString caption = room.windowTitle();
    const QString now =
        QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    const bool printed =
        PrintConversation(document, printer, QFont("Tahoma", 8),
                          [&](int p, int n) { return RoomPageHeader(caption, now, p, n); });
    const bool rendered =
        printed && QProcess::execute("pdftoppm", {"-png", "-r", "60", "-f", "1", "-singlefile",
                                                  out.filePath("impression.pdf"),
                                                  out.filePath("impression")}) == 0;
    QDir(out.filePath("export")).removeRecursively();
    out.mkpath("export");
    const QString page = out.filePath("export/salon.html");
    if (!ExportHtml(document, caption, page) ||
        !ExportRtf(document, out.filePath("export/salon.rtf")) ||
        !ExportText(document, out.filePath("export/salon.txt"))) {
        return false;
    }
    bool previewed = false;
    QTimer::singleShot(1500, [&] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            previewed = Save(preview, out, "apercu.png");
            preview->close();
        }
    });
    room.FlatButton2->menu()->actions().value(0)->trigger();
    QTextBrowser browser;
    browser.setSearchPaths({out.filePath("export")});
    browser.setSource(QUrl::fromLocalFile(page));
    browser.resize(700, 500);
    browser.show();
    QTest::qWait(100);
    return Save(&browser, out, "export_html.png") && rendered && previewed;
}

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    TestApplication();
    QTranslator qt_texts;
    InstallQtFrenchTexts(qt_texts);
    QtMainThread main_thread;
    net::InstallMainThread(&main_thread);
    BabillonServer server({"--demo", "--crowd", "40"});

    QTemporaryDir data;
    if (!WriteServerConfig(data.path(), server.http_port(), server.chat_port())) return 1;
    platform::SetExeDirOverride(data.path().toStdString());

    ProgramState state;
    Tform_main window(state, MainWindowOptions{false});
    window.resize(1000, 700);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    window.ConnectionAction()->trigger();
    Tform_connex* dialog = window.ConnexWindow();
    dialog->text_pseudo->setText("test");
    dialog->text_alias->setText(QString::fromUtf8("Cédric"));
    dialog->text_age->setText("27");
    dialog->text_ville->setText("Rennes");
    dialog->text_status->setText("en ligne");
    QTest::qWait(200);
    bool ok = Save(&window, out, "connexion.png");

    QTest::keyClicks(dialog->text_pass, "test");
    QTest::keyClick(dialog->text_pass, Qt::Key_Return);
    const bool logged_in = WaitUntil([&] {
        return window.Babillon.VekState == TVekState::Chat && window.RoomWindow() != nullptr &&
               window.StatusPanelText(StatusPanel::Salon) != "Salon :";
    });
    if (!logged_in) {
        std::fprintf(stderr, "the login did not complete\n");
        return 1;
    }
    window.Tabs()->SetTabIndex(6);
    // Two lines of our own with effects, colours and pictures, then let the demo members talk.
    Tform_salon* room = window.RoomWindow();
    const std::pair<const char*, const char*> lines[] = {
        {"Hurler", "Bleu"},
        {"Parler", "Arc en ciel"},
    };
    const char* texts[] = {"Bonjour à tous :-) ;-)3 8-D #05",
                           "Arc en ciel pour tout le monde :o)7 #12"};
    for (int i = 0; i < 2; ++i) {
        room->findChild<QComboBox*>("combo_taille")->setCurrentText(lines[i].first);
        room->findChild<QComboBox*>("combo_color")->setCurrentText(lines[i].second);
        room->text_envoi->setText(QString::fromUtf8(texts[i]));
        QTest::keyClick(room->text_envoi, Qt::Key_Return);
    }
    QTest::qWait(12000);
    ok = Save(&window, out, "salon.png") && ok;
    ok = SavePrintedAndExportedRoom(*room, out) && ok;

    // A private conversation: the partner's messages, ours in bold, and a notice.
    const int slot = window.OpenPrivateWindow("julie-9", "Julie", "24", "0", "Lyon",
                                              "0103Coucou :-) tu viens d'o\xF9 ? #02", false);
    Tform_prive* prive = window.PrivateWindow(slot);
    prive->AppendPrivateText("0109Je suis de Rennes ;-) et toi ?", true);
    prive->AppendPrivateText("0208De Lyon B-)7 #10", false);
    prive->NotifyBusy();
    window.Tabs()->SetTabIndex(prive->TabIndex());
    QTest::qWait(300);
    ok = Save(&window, out, "prive.png") && ok;
    ok = SaveReasonBox(window, out) && ok;
    window.Tabs()->SetTabIndex(1);
    QTest::qWait(200);
    ok = Save(&window, out, "news.png") && ok;
    window.Tabs()->SetTabIndex(0);
    QTest::qWait(200);
    ok = Save(&window, out, "debug.png") && ok;
    ok = SaveCrowdedRoom(window, out) && ok;
    ok = SaveRoomList(window, out) && ok;
    ok = SaveSearchWindow(window, out) && ok;
    ok = SaveStatistics(window, out) && ok;
    ok = SaveFriends(window, out) && ok;
    for (const char* name : {"Menu_Modules", "Menu_Prives"}) {
        auto* menu = window.findChild<QMenu*>(name);
        menu->popup(window.mapToGlobal(QPoint(0, 0)));
        QTest::qWait(200);
        ok = Save(menu, out, (QString(name).toLower() + ".png").toUtf8().constData()) && ok;
        menu->hide();
    }
    QMenu* system_menu = window.MdiArea()->activeSubWindow()->systemMenu();
    system_menu->popup(window.mapToGlobal(QPoint(0, 0)));
    QTest::qWait(200);
    ok = Save(system_menu, out, "menu_systeme.png") && ok;
    system_menu->hide();
    return ok ? 0 : 1;
}
