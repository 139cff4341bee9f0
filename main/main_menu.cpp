#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "auxiliary/form_about.h"
#include "auxiliary/form_stats.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_debug.h"
#include "directory/form_infos.h"
#include "directory/form_salons.h"
#include "main/form_main.h"
#include "main/private_modes.h"
#include "main/window_registry.h"

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

// Tiles the visible children one above the other (horizontal) or side by side (vertical).
void TileWindows(QMdiArea* area, Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isVisible() && !window->isMinimized()) windows.append(window);
    }
    if (windows.isEmpty()) return;
    const QRect area_rect = area->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        if (orientation == Qt::Horizontal) {
            const int h = area_rect.height() / count;
            window->setGeometry(0, i * h, area_rect.width(), h);
        } else {
            const int w = area_rect.width() / count;
            window->setGeometry(i * w, 0, w, area_rect.height());
        }
    }
}

}  // namespace

RegistryMenuItems Tform_main::BuildMenus() {
    const RegistryMenuItems items = BuildModulesMenu();
    BuildToolsMenu();
    BuildPrivateMenu();
    BuildWindowsMenu();
    BuildHelpMenu();
    return items;
}

RegistryMenuItems Tform_main::BuildModulesMenu() {
    QMenu* menu = menuBar()->addMenu("&Modules");
    menu->setObjectName("Menu_Modules");
    SM_Connexion = AddItem(menu, "SM_Connexion", "&Connexion", QKeySequence("Ctrl+K"));
    connect(SM_Connexion, &QAction::triggered, this, &Tform_main::SM_ConnexionClick);
    menu->addSeparator();

    auto show_item = [this, menu](const char* name, const char* caption, const char* keys,
                                  auto form_of) {
        QAction* action = AddItem(menu, name, caption, QKeySequence(keys));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this,
                [this, form_of] { registry_->ShowChild(form_of(*registry_)); });
        return action;
    };
    RegistryMenuItems items;
    items.debug = show_item("SM_A_Debug", "Afficher le &debug", "Ctrl+D",
                            [](const WindowRegistry& windows) -> QWidget* {
                                return windows.DebugWindow();
                            });
    items.room_list = show_item("SM_A_Salons", "Afficher la &liste des salons", "Ctrl+L",
                                [](const WindowRegistry& windows) -> QWidget* {
                                    return windows.RoomListWindow();
                                });
    items.search = show_item("SM_A_Connectes", "Afficher la liste des co&nnectés", "Ctrl+N",
                             [](const WindowRegistry& windows) -> QWidget* {
                                 return windows.SearchWindow();
                             });
    items.infos = show_item("SM_A_Infos", "Afficher les &infos", "Ctrl+I",
                            [](const WindowRegistry& windows) -> QWidget* {
                                return windows.InfoWindow();
                            });
    items.friends = show_item("SM_A_Amis", "Afficher les &ami(e)s", "Ctrl+M",
                              [](const WindowRegistry& windows) -> QWidget* {
                                  return windows.FriendsWindow();
                              });
    items.room = show_item("SM_A_Salon", "Afficher le &salon courant", "Ctrl+S",
                           [](const WindowRegistry& windows) -> QWidget* {
                               return windows.RoomWindow();
                           });
    items.statistics = AddItem(menu, "SM_Stats", "Statistiques sur le salon");
    items.statistics->setEnabled(false);
    connect(items.statistics, &QAction::triggered, this, &Tform_main::ShowStatistics);
    AddItem(menu, "SM_A_Prives", "Afficher la liste des &privés", QKeySequence("Ctrl+P"));
    menu->addSeparator();
    QAction* quit = AddItem(menu, "SM_Quitter", "Quitter Tamaris");
    connect(quit, &QAction::triggered, this, &Tform_main::QuitClick);
    return items;
}

void Tform_main::BuildToolsMenu() {
    QMenu* menu = menuBar()->addMenu("&Outils");
    menu->setObjectName("Menu_Outils");
    AddItem(menu, "ChangerASV1", "Changer d'ASV ...")->setEnabled(false);
    QAction* config = AddItem(menu, "Configuration1", "Configuration ...");
    connect(config, &QAction::triggered, this, &Tform_main::ConfigurationClick);
}

void Tform_main::BuildPrivateMenu() {
    Menu_Prives = menuBar()->addMenu("&Privés");
    Menu_Prives->setObjectName("Menu_Prives");
    Menu_Prives->setEnabled(false);
    modes_->FillMenu(Menu_Prives);
}

void Tform_main::BuildWindowsMenu() {
    QMenu* menu = menuBar()->addMenu("Fenêtres");
    menu->setObjectName("Menu_Fenetres");
    connect(AddItem(menu, "Cascade1", "Cascade"), &QAction::triggered, mdi_,
            &QMdiArea::cascadeSubWindows);
    connect(AddItem(menu, "MosaiqueHorizontale1", "Mosaïque horizontale"), &QAction::triggered,
            this, [this] { TileWindows(mdi_, Qt::Horizontal); });
    connect(AddItem(menu, "MosaiqueVerticale1", "Mosaïque verticale"), &QAction::triggered, this,
            [this] { TileWindows(mdi_, Qt::Vertical); });
    connect(AddItem(menu, "ToutReduire1", "Tout réduire"), &QAction::triggered, this, [this] {
        for (QMdiSubWindow* window : mdi_->subWindowList()) window->showMinimized();
    });
}

void Tform_main::BuildHelpMenu() {
    QMenu* menu = menuBar()->addMenu("Aide");
    menu->setObjectName("Menu_Aide");
    connect(AddItem(menu, "APropos1", "A Propos ..."), &QAction::triggered, this,
            &Tform_main::AboutClick);
}

void Tform_main::ShowStatistics() {
    Tform_salon* form_salon = registry_->RoomWindow();
    if (!form_salon) return;
    if (!form_stats) form_stats = new Tform_stats(context_, this);
    // The room window may have been made anew since the last time.
    connect(form_salon, &Tform_salon::MembersRebuilt, form_stats, &Tform_stats::Refresh,
            Qt::UniqueConnection);
    form_stats->Refresh();
    form_stats->show();
    form_stats->raise();
}

void Tform_main::AboutClick() {
    Tform_about about(this);
    about.exec();
}

void Tform_main::QuitClick() {
    CloseAllWindows();
    QApplication::quit();
}
