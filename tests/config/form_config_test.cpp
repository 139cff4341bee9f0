#include "config/form_config.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>

#include "program/program_state.h"
#include "qt_test_support.h"
#include "store/macro_store.h"
#include "store/settings_store.h"
#include "support/temp_dir.h"
#include "widgets/ansi_text.h"

namespace {

QStringList Lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

class ConfigDialog : public ::testing::Test {
  protected:
    void Open() {
        form = new Tform_config(state);
        form->show();
    }
    void TearDown() override { delete form; }

    TempDataDir dir;
    ProgramState state{};
    QPointer<Tform_config> form;
};

TEST_F(ConfigDialog, ControlsByName) {
    Open();
    EXPECT_EQ(form->objectName(), "form_config");
    EXPECT_EQ(form->windowTitle(), "Configuration");
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QStringList tabs;
    for (int i = 0; i < form->pages->count(); ++i) tabs << form->pages->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"General", "Connexion", "EasyPhrases", "Macros", "Répondeur"}));
    for (const char* name : {"combo_color", "combo_taille", "combo_fonts", "combo_serveur_ID",
                             "combo_serveur_chat", "combo_proxy_version"}) {
        EXPECT_NE(form->findChild<QComboBox*>(name), nullptr) << name;
    }
    for (const char* name :
         {"text_son", "text_port_ID", "text_port_chat", "text_proxy_http_adr",
          "text_proxy_http_port", "text_proxy_tcp_adr", "text_proxy_tcp_port", "text_proxy_user_id",
          "text_proxy_user_pass", "text_f1", "text_f5", "text_f9", "text_msg_gene", "text_msg_amis",
          "text_msg_perso", "text_image"}) {
        EXPECT_NE(form->findChild<QLineEdit*>(name), nullptr) << name;
    }
    for (const char* name :
         {"radio_cut", "radio_nocut", "radio_donothing", "radio_perm", "radio_public"}) {
        auto* radio = form->findChild<QRadioButton*>(name);
        ASSERT_NE(radio, nullptr) << name;
        EXPECT_TRUE(radio->isEnabled()) << name;
    }
    EXPECT_NE(form->findChild<QListWidget*>("list_macro"), nullptr);
    EXPECT_TRUE(form->findChild<QPlainTextEdit*>("memo_macro")->isReadOnly());
    EXPECT_EQ(form->btn_ok->toolTip(), "Accépter les modifications");
    EXPECT_EQ(form->btn_annuler->toolTip(), "Annuler les modifications");
    EXPECT_EQ(form->text_port_ID->maxLength(), 5);
    form->text_proxy_user_pass->setText("mdp");
    EXPECT_EQ(form->text_proxy_user_pass->displayText(), "***");
    EXPECT_FALSE(form->Track_time_occupe->isHidden());
    EXPECT_FALSE(form->lbl_time_occupe->isHidden());
    EXPECT_EQ(form->combo_color->count(), 12);
    EXPECT_EQ(form->combo_color->itemText(11), "Arc en ciel");
    EXPECT_GE(form->combo_serveur_ID->findText("127.0.0.1"), 0);
    EXPECT_GE(form->combo_serveur_chat->findText("localhost"), 0);
    EXPECT_EQ(form->RadioRepType->findChildren<QRadioButton*>().size(), 4);
    EXPECT_FALSE(form->combo_fonts->count() == 0);
}

TEST_F(ConfigDialog, InitialAnsweringMachineTexts) {
    form = new Tform_config(state);  // not shown: the settings are not loaded yet
    EXPECT_EQ(form->text_msg_gene->text(), "Je ne suis pas là pour le moment ... à plus tard !!!");
    EXPECT_EQ(form->text_msg_amis->text(),
              "Oups j'ai oublié de te dire que je partais ... à plus tard !!!");
    EXPECT_EQ(form->text_msg_perso->text(), "Mais oui c'est ça cause toujours tu m'intéresses !!!");
}

// OK with untouched controls stores exactly what was loaded.
TEST_F(ConfigDialog, OkStoresEveryControlAsLoaded) {
    TConfig c = LoadConfig();
    c.Show = true;
    c.DefColor = 6;
    c.DefTaille = 3;
    c.Police = ToAnsi(QFontDatabase::families().value(0));
    c.Son = "/son/ding.wav";
    c.Image = dir.path("fond.png");
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString(c.Image)));
    c.MaxMessages = 2500;
    c.ActivSon = false;
    c.TimeOccupe = 7;
    c.LongPhraseCut = false;
    c.DoNothing = false;
    c.ListPerm = false;
    c.AdrID = "id.example";
    c.PortID = "81";
    c.AdrChat = "chat.example";
    c.PortChat = "7000";
    c.ProxyVersion = "4";
    c.ProxyHTTPAdr = "p1";
    c.ProxyHTTPPort = "1080";
    c.ProxyTCPAdr = "p2";
    c.ProxyTCPPort = "1081";
    c.ProxyIDName = "moi";
    c.ProxyIDPass = "pw";
    for (int i = 0; i < 9; ++i) c.EasyPhrases[i] = "F" + std::to_string(i) + " \xE9t\xE9";
    c.RepType = 2;
    c.RepMsgGeneral = "absent";
    c.RepMsgAmis = "amis";
    c.RepMsgPerso = "perso";
    c.RepPerso = {"alice", "Bob", "zo\xE9"};
    TConfig expected;
    ASSERT_TRUE(SaveConfig(c, expected));
    const std::string expected_file = dir.Read("config.vek");
    ASSERT_NE(expected_file.find("MaxMessages=2500"), std::string::npos);
    std::filesystem::remove(dir.path("config.vek"));

    state.Config = expected;
    Open();
    EXPECT_EQ(form->combo_proxy_version->currentText(), "SOCKS version 4.0");
    EXPECT_EQ(form->rep_types->checkedId(), 2);
    EXPECT_TRUE(form->radio_public->isChecked());
    QTest::mouseClick(form->btn_ok, Qt::LeftButton);
    EXPECT_EQ(dir.Read("config.vek"), expected_file);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ConfigDialog, ProxyVersionAndListPositions) {
    state.Config.ProxyVersion = "4A";
    state.Config.DefColor = 20;  // no such entry: nothing selected, the stored value stays
    state.Config.RepType = 9;
    Open();
    EXPECT_EQ(form->combo_proxy_version->currentText(), "SOCKS version 4.0A");
    EXPECT_EQ(form->combo_color->currentIndex(), -1);
    EXPECT_EQ(form->rep_types->checkedId(), -1);
    dir.Write("config.vek", "[General]\r\nDefColor=20\r\n[Repondeur]\r\nRepType=9\r\n");
    form->combo_proxy_version->setCurrentIndex(1);
    QTest::mouseClick(form->btn_ok, Qt::LeftButton);
    EXPECT_EQ(state.Config.ProxyVersion.str(), "4A");
    EXPECT_EQ(state.Config.DefColor, 20);
    EXPECT_EQ(state.Config.RepType, 9);

    state.Config.ProxyVersion = "";
    Open();
    EXPECT_EQ(form->combo_proxy_version->currentText(), "SOCKS version 5.0");
    QTest::mouseClick(form->btn_ok, Qt::LeftButton);
    EXPECT_EQ(state.Config.ProxyVersion.str(), "5");
    EXPECT_NE(dir.Read("config.vek").find("ProxyVersion=5\r\n"), std::string::npos);
}

// The choices that used to be greyed out, the busy-mode slider and the scrollback change what
// OK stores.
TEST_F(ConfigDialog, GeneralChoicesAreStored) {
    state.Config.TimeOccupe = 0;  // not a slider position: shown as never
    state.Config.DoNothing = true;
    Open();
    EXPECT_EQ(form->Track_time_occupe->value(), 31);
    EXPECT_EQ(form->lbl_time_occupe->text(), "jamais");
    EXPECT_TRUE(form->radio_donothing->isChecked());
    EXPECT_EQ(form->spin_max_messages->value(), 10000);

    QTest::mouseClick(form->radio_nocut, Qt::LeftButton);
    QTest::mouseClick(form->radio_public, Qt::LeftButton);
    form->Track_time_occupe->setValue(12);
    EXPECT_EQ(form->lbl_time_occupe->text(), "12 minutes");
    form->spin_max_messages->setValue(0);
    EXPECT_EQ(form->spin_max_messages->text(), "tous");
    form->text_image->setText(QString::fromStdString(dir.path("absente.png")));
    {
        BoxAnswerer ok(QMessageBox::Ok);
        QTest::mouseClick(form->btn_ok, Qt::LeftButton);
        ASSERT_EQ(ok.texts.size(), 1);
        EXPECT_TRUE(ok.texts[0].contains("n'a pas pu être lue")) << ok.texts[0].toStdString();
    }
    const TConfig stored = LoadConfig();
    EXPECT_FALSE(stored.LongPhraseCut);
    EXPECT_FALSE(stored.DoNothing);
    EXPECT_FALSE(stored.ListPerm);
    EXPECT_EQ(stored.TimeOccupe, 12);
    EXPECT_EQ(stored.MaxMessages, 0);
    EXPECT_EQ(stored.Image, dir.path("absente.png"));

    Open();
    QTest::mouseClick(form->radio_perm, Qt::LeftButton);
    QTest::mouseClick(form->radio_cut, Qt::LeftButton);
    QTest::mouseClick(form->btn_ok, Qt::LeftButton);
    EXPECT_TRUE(state.Config.ListPerm);
    EXPECT_TRUE(state.Config.LongPhraseCut);
}

TEST_F(ConfigDialog, MacrosPage) {
    dir.Write("macros.vek", "[Macros]\r\nville=Paris\r\nage=  33 ans \r\nville=Lyon\r\n");
    state.Macros = LoadMacros(MacrosPath());
    Open();
    EXPECT_EQ(Lines(form->list_macro), (QStringList{"age", "date", "time", "version", "ville"}));
    form->list_macro->setCurrentRow(3);
    EXPECT_EQ(form->memo_macro->toPlainText(), "Tamaris v1.5K");
    form->list_macro->setCurrentRow(0);
    EXPECT_EQ(form->memo_macro->toPlainText(), "33 ans");

    {
        BoxAnswerer answers(QStringList{"  Bonne nuit", "  dors bien  "});
        QTest::mouseClick(form->btn_ajout_macro, Qt::LeftButton);
        EXPECT_EQ(answers.texts,
                  (QStringList{"Ajout d'une nouvelle macro / Nom de la macro (sans éspaces)",
                               "Ajout d'une nouvelle macro / Texte renvoyé par cette commande"}));
    }
    for (const QStringList& nothing : {QStringList{"   "}, QStringList{"vide", "  "}}) {
        BoxAnswerer answers(nothing);
        QTest::mouseClick(form->btn_ajout_macro, Qt::LeftButton);
    }
    EXPECT_EQ(Lines(form->list_macro),
              (QStringList{"age", "bonne", "date", "time", "version", "ville"}));
    EXPECT_EQ(LoadMacros(MacrosPath()).back(),
              (std::pair<std::string, std::string>{"bonne", "dors bien"}));
    EXPECT_EQ(state.Macros.size(), 4u);

    form->list_macro->setCurrentRow(2);
    {
        BoxAnswerer ok(QMessageBox::Ok);
        QTest::mouseClick(form->btn_suppr_macro, Qt::LeftButton);
        EXPECT_EQ(ok.texts, QStringList{"Il n'est pas possible de détruire cette macro car elle "
                                        "fait partie intégrante de Tamaris"});
    }
    form->list_macro->setCurrentRow(5);
    QTest::mouseClick(form->btn_suppr_macro, Qt::LeftButton);
    EXPECT_EQ(Lines(form->list_macro), (QStringList{"age", "bonne", "date", "time", "version"}));

    // Macros are stored at once: cancelling the dialog keeps them.
    QTest::mouseClick(form->btn_annuler, Qt::LeftButton);
    EXPECT_EQ(dir.Read("macros.vek"), "[Macros]\r\nage=  33 ans \r\nbonne=dors bien\r\n");
    EXPECT_EQ(state.Macros.size(), 2u);

    Open();
    BoxAnswerer ok(QMessageBox::Ok);
    QTest::mouseClick(form->btn_help_macro, Qt::LeftButton);
    ASSERT_EQ(ok.texts.size(), 1);
    EXPECT_TRUE(ok.texts[0].contains("dialoguez.Il se peut donc"));
    EXPECT_TRUE(ok.texts[0].contains("distant.\r\n\r\nLes Macros locales sont éxécutees"));
}

TEST_F(ConfigDialog, AnnulerLeavesTheSettingsAndTheNextShowingReloads) {
    const QStringList fonts = QFontDatabase::families();
    ASSERT_GE(fonts.size(), 2);
    state.Config.Police = ToAnsi(fonts[0]);
    Open();
    form->combo_fonts->setCurrentIndex(1);
    form->text_f[4]->setText("changed");
    QTest::mouseClick(form->btn_annuler, Qt::LeftButton);
    EXPECT_EQ(state.Config.Police, ToAnsi(fonts[0]));
    EXPECT_EQ(dir.FileCount(), 0);

    form = new Tform_config(state);
    form->hide();
    form->show();
    EXPECT_EQ(form->combo_fonts->currentText(), fonts[0]);
    EXPECT_TRUE(form->text_f[4]->text().isEmpty());
}

TEST_F(ConfigDialog, FontNotInstalledIsKept) {
    state.Config.Police = "Police introuvable";
    Open();
    EXPECT_EQ(form->combo_fonts->currentIndex(), -1);
    QTest::mouseClick(form->btn_ok, Qt::LeftButton);
    EXPECT_EQ(state.Config.Police, "Police introuvable");
}

TEST_F(ConfigDialog, PersonalReplyList) {
    state.Config.RepPerso = {"zo\xE9", "Bob"};
    Open();
    EXPECT_EQ(Lines(form->list_perso), (QStringList{"Bob", "zoé"}));
    {
        BoxAnswerer answer("  alice ");
        QTest::mouseClick(form->btn_ajout_perso, Qt::LeftButton);
        EXPECT_EQ(answer.answered, 1);
    }
    {
        BoxAnswerer answer("BOB");
        QTest::mouseClick(form->btn_ajout_perso, Qt::LeftButton);
    }
    {
        BoxAnswerer answer("   ");
        QTest::mouseClick(form->btn_ajout_perso, Qt::LeftButton);
    }
    EXPECT_EQ(Lines(form->list_perso), (QStringList{"alice", "Bob", "zoé"}));

    form->list_perso->clearSelection();
    QTest::mouseClick(form->btn_suppr_perso, Qt::LeftButton);
    EXPECT_EQ(form->list_perso->count(), 3);
    form->list_perso->setCurrentRow(1);
    QTest::mouseClick(form->btn_suppr_perso, Qt::LeftButton);
    EXPECT_EQ(Lines(form->list_perso), (QStringList{"alice", "zoé"}));

    QTest::mouseClick(form->btn_ok, Qt::LeftButton);
    EXPECT_EQ(state.Config.RepPerso, (std::vector<std::string>{"alice", "zo\xE9"}));
}

TEST_F(ConfigDialog, EasyPhrasesHelp) {
    Open();
    BoxAnswerer ok(QMessageBox::Ok);
    QTest::mouseClick(form->btn_help_ep, Qt::LeftButton);
    EXPECT_EQ(ok.texts, QStringList{"Permet d'affecter les phrases que vous utilisez fréquemment "
                                    "à des touches de raccourci. Il vous suffit d'appuyer sur la "
                                    "touche de fonction correspondante de votre clavier pour "
                                    "utiliser une EasyPhrase"});
}

// The panel as drawn, inside its frame.
QImage DrawnExample(QLabel* panel) {
    const QImage image = panel->grab().toImage();
    return image.copy(image.rect().adjusted(3, 3, -3, -3));
}

// Whether some pixel is the colour laid over white with at least half coverage: smoothed text
// keeps its colour's proportions at its edges, a black text shows grey there.
bool DrawsTextIn(const QImage& image, const QColor& colour) {
    const int wanted[] = {colour.red(), colour.green(), colour.blue()};
    const int strongest = std::max({255 - wanted[0], 255 - wanted[1], 255 - wanted[2]});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int seen[] = {pixel.red(), pixel.green(), pixel.blue()};
            int coverage_channel = 0;
            for (int c = 1; c < 3; ++c) {
                if (255 - wanted[c] > 255 - wanted[coverage_channel]) coverage_channel = c;
            }
            const double coverage = (255.0 - seen[coverage_channel]) / strongest;
            if (coverage < 0.5) continue;
            bool matches = true;
            for (int c = 0; c < 3; ++c) {
                matches = matches && std::abs(seen[c] - (255 - coverage * (255 - wanted[c]))) <= 24;
            }
            if (matches) return true;
        }
    }
    return false;
}

// The number of rows that hold some of the text.
int TextHeight(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

TEST_F(ConfigDialog, ExamplePanelDrawsInTheChosenSizeAndColour) {
    Open();
    const struct {
        const char* effect;
        const char* colour;
        int point_size;
        QColor drawn;
    } cases[] = {
        {"Hurler", "Rouge", 12, QColor(0xff, 0x00, 0x00)},
        {"Vague", "Rose", 10, QColor(0xff, 0x00, 0xc8)},
        {"Murmurer", "Bleu", 8, QColor(0x00, 0x00, 0xff)},
    };
    int previous_height = std::numeric_limits<int>::max();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        form->combo_taille->setCurrentText(c.effect);
        form->combo_color->setCurrentText(c.colour);
        EXPECT_EQ(form->panel_exemple->font().pointSize(), c.point_size);
        EXPECT_EQ(form->panel_exemple->font().family(), form->combo_fonts->currentText());
        const QImage drawn = DrawnExample(form->panel_exemple);
        EXPECT_TRUE(DrawsTextIn(drawn, c.drawn));
        EXPECT_FALSE(DrawsTextIn(drawn, Qt::black));
        const int height = TextHeight(drawn);
        EXPECT_LT(height, previous_height);
        previous_height = height;
    }
}

TEST_F(ConfigDialog, FailedSaveKeepsTheDialogOpen) {
    std::filesystem::create_directory(dir.path("config.vek"));
    Open();
    {
        BoxAnswerer ok(QMessageBox::Ok);
        QTest::mouseClick(form->btn_ok, Qt::LeftButton);
        ASSERT_EQ(ok.texts.size(), 1);
        EXPECT_TRUE(ok.texts[0].startsWith("La configuration n'a pas pu être enregistrée."));
    }
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ConfigDialog, OneDialogShownOnTheAskedPage) {
    QPointer<Tform_config> holder;
    Tform_config* first = ShowConfigDialog(holder, state, Tform_config::kPageMacros, nullptr);
    EXPECT_EQ(first->pages->tabText(first->pages->currentIndex()), "Macros");
    ShowConfigDialog(holder, state, Tform_config::kPageConnexion, nullptr);
    EXPECT_EQ(first->pages->currentIndex(), 1);
    first->combo_serveur_chat->setEditText("typed");
    Tform_config* again = ShowConfigDialog(holder, state, Tform_config::kPageGeneral, nullptr);
    EXPECT_EQ(again, first);
    EXPECT_EQ(again->pages->currentIndex(), 0);
    EXPECT_EQ(again->combo_serveur_chat->currentText(), "typed");  // not reloaded
    form = first;
}

}  // namespace
