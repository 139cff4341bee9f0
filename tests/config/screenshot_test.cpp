#include <gtest/gtest.h>

#include <QListWidget>
#include <QTabWidget>
#include <cstdlib>

#include "config/form_config.h"
#include "config/form_connex.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "store/identity_store.h"
#include "store/settings_store.h"
#include "support/temp_dir.h"

namespace {

// Pictures of both dialogs for a person to look at: written only when
// TAMARIS_SCREENSHOT_DIR names a directory.
TEST(Screenshots, BothDialogs) {
    const char* out = std::getenv("TAMARIS_SCREENSHOT_DIR");
    if (!out) GTEST_SKIP() << "TAMARIS_SCREENSHOT_DIR not set";
    const QString dir = QString::fromLocal8Bit(out) + "/";
    TempDataDir data;
    ASSERT_TRUE(WriteIdentity("Zo\xE9", "zoe75", "25", "Femme",
                              "Orl\xE9"
                              "ans",
                              "VIP", "ok"));
    ASSERT_TRUE(WriteIdentity("Bob", "bob", "30", "Homme", "Lyon", "*", "ok"));
    TBabillon session;
    ProgramState state;
    state.LastIdentity.pseudo = "bob";
    state.LastIdentity.alias = "Bob";
    {
        Tform_connex connex(session, state);
        connex.show();
        connex.list_id_rapide->setCurrentRow(1);
        EXPECT_TRUE(connex.grab().save(dir + "form_connex.png"));
    }
    state.Config = LoadConfig();
    state.Config.RepPerso = {"alice", "Bob"};
    state.Config.TimeOccupe = 15;
    state.Macros = {{"ville",
                     "Orl\xE9"
                     "ans"},
                    {"salut", "Bonjour \xE0 tous !"}};
    Tform_config config(state);
    config.show();
    config.list_macro->setCurrentRow(1);
    for (int page = 0; page < config.pages->count(); ++page) {
        config.pages->setCurrentIndex(page);
        EXPECT_TRUE(config.grab().save(dir + "form_config_" + QString::number(page) + ".png"));
    }
}

}  // namespace
