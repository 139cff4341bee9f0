#include <QAction>
#include <QLabel>
#include <QMenuBar>

#include "main/main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, MenusCarryTheirCaptionsShortcutsAndStartState) {
    QStringList menus;
    for (QAction* menu : main().menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&Modules", "&Outils", QString::fromUtf8("&Privés"),
                                  QString::fromUtf8("Fenêtres"), "Aide"}));
    EXPECT_FALSE(main().PrivateMenu()->isEnabled());

    struct Item {
        const char* name;
        const char* caption;
        const char* keys;
        bool enabled;
    };
    // Only the debug console exists before a connection, so only its item is enabled.
    const Item items[] = {
        {"SM_Connexion", "&Connexion", "Ctrl+K", true},
        {"SM_A_Debug", "Afficher le &debug", "Ctrl+D", true},
        {"SM_A_Salons", "Afficher la &liste des salons", "Ctrl+L", false},
        {"SM_A_Connectes", "Afficher la liste des co&nnectés", "Ctrl+N", false},
        {"SM_A_Infos", "Afficher les &infos", "Ctrl+I", false},
        {"SM_A_Amis", "Afficher les &ami(e)s", "Ctrl+M", false},
        {"SM_A_Salon", "Afficher le &salon courant", "Ctrl+S", false},
        {"SM_Stats", "Statistiques sur le salon", "", false},
        {"SM_A_Prives", "Afficher la liste des &privés", "Ctrl+P", true},
        {"SM_Quitter", "Quitter Tamaris", "", true},
        {"ChangerASV1", "Changer d'ASV ...", "", false},
        {"Configuration1", "Configuration ...", "", true},
        {"FonctionnementNormal1", "Fonctionnement Normal", "", true},
        {"Pasdenouveaupriv1", "Pas de nouveau privé", "", true},
        {"Occupe1", "Occupé(e) ...", "", true},
        {"Repondeur1", "Répondeur", "", true},
        {"Configurationdurpondeur1", "Configuration du répondeur ...", "", true},
        {"Cascade1", "Cascade", "", true},
        {"MosaiqueHorizontale1", "Mosaïque horizontale", "", true},
        {"MosaiqueVerticale1", "Mosaïque verticale", "", true},
        {"ToutReduire1", "Tout réduire", "", true},
        {"APropos1", "A Propos ...", "", true},
    };
    for (const Item& item : items) {
        auto* action = main().findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(item.keys)) << item.name;
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
    }
    EXPECT_TRUE(main().findChild<QAction*>("FonctionnementNormal1")->isChecked());
}

TEST_F(MainWindowTest, StatusBarPanelsStartWithTheirLabelsAndWidths) {
    const std::pair<const char*, int> panels[] = {
        {"Alias : ", 150}, {"Age :", 55},     {"Sexe : ", 50},
        {"Ville :", 110},  {"Status :", 150}, {"Salon :", 50},
    };
    for (int i = 0; i < Tform_main::kStatusPanelCount; ++i) {
        EXPECT_EQ(main().StatusPanelText(static_cast<StatusPanel>(i)), panels[i].first)
            << "panel " << i;
        auto* label = main().findChild<QLabel*>(QString("StatusPanel%1").arg(i));
        ASSERT_NE(label, nullptr) << "panel " << i;
        EXPECT_EQ(label->minimumWidth(), panels[i].second) << "panel " << i;
    }
}

TEST_F(MainWindowTest, DisconnectItemClosesEverythingAndReopensTheDebugConsole) {
    main().OpenStandardWindows();
    main().OpenPrivateWindow("id_a", "Alice", "25", "0", "Lyon", "", false);
    main().Babillon.VekState = TVekState::Chat;
    main().ConnectionAction()->setText(QString::fromUtf8("Dé&connexion"));

    main().ConnectionAction()->trigger();

    EXPECT_EQ(main().Babillon.VekState, TVekState::Cookie);
    EXPECT_EQ(main().RoomWindow(), nullptr);
    EXPECT_EQ(main().PrivateWindowCount(), 0);
    ASSERT_NE(main().DebugWindow(), nullptr);
    ASSERT_EQ(main().Tabs()->Count(), 1);
    EXPECT_EQ(FormInTab(0), main().DebugWindow());
    EXPECT_EQ(main().Tabs()->ImageIndex(0), 2);
}

}  // namespace
