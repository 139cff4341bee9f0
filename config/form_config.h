#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <array>

#include "store/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QPlainTextEdit;
class QSlider;
class QSpinBox;
class QTabWidget;
struct ProgramState;

// The configuration dialog: a tool window that stays on top, with the pages "General",
// "Connexion", "EasyPhrases", "Macros" and "Répondeur". Every showing loads the current
// settings into the controls; "OK" stores them all in "config.vek", reloads them and tells
// the open windows, "Annuler" drops the changes. Macros are stored as soon as they are added
// or deleted. The dialog deletes itself when closed.
class Tform_config : public QDialog {
    Q_OBJECT
  public:
    // Page numbers as the menus and the conversation windows ask for them: the pages' order.
    static constexpr int kPageGeneral = 0;
    static constexpr int kPageConnexion = 1;
    static constexpr int kPageEasyPhrases = 2;
    static constexpr int kPageMacros = 3;
    static constexpr int kPageRepondeur = 4;

    explicit Tform_config(ProgramState& state, QWidget* parent = nullptr);

    // An unknown page number shows the general page.
    void ShowPage(int page);

    // Settings -> controls.
    void LoadSettings();
    // Controls -> one value per setting, as SaveConfig takes them: an empty list selection
    // gives -1, which keeps the stored value.
    TConfig ControlValues() const;

    void btn_okClick();
    void btn_annulerClick();
    void FlatButton2Click();
    void btn_help_epClick();
    void btn_help_occupeClick();
    void btn_ajout_persoClick();
    void btn_suppr_persoClick();
    void btn_imageClick();
    void list_macroClick();
    void btn_ajout_macroClick();
    void btn_suppr_macroClick();
    void btn_help_macroClick();
    // The macro list from the built-in names and the program's macro table.
    void FillMacroList();
    // The example panel: font, size and colour of the three appearance lists.
    void UpdateExample();

    QTabWidget* pages;

    // General
    QComboBox* combo_color;
    QComboBox* combo_taille;
    QComboBox* combo_fonts;
    QCheckBox* check_son;
    QLineEdit* text_son;
    QPushButton* FlatButton2;
    QLabel* label_time_occupe;
    QSlider* Track_time_occupe;
    QLabel* lbl_time_occupe;
    QPushButton* btn_help_occupe;
    QRadioButton* radio_cut;
    QRadioButton* radio_nocut;
    QRadioButton* radio_donothing;
    QRadioButton* radio_perm;
    QRadioButton* radio_public;
    QLabel* panel_exemple;
    QLineEdit* text_image;
    QPushButton* btn_image;
    QSpinBox* spin_max_messages;

    // Connexion
    QComboBox* combo_serveur_ID;
    QLineEdit* text_port_ID;
    QComboBox* combo_serveur_chat;
    QLineEdit* text_port_chat;
    QLineEdit* text_proxy_http_adr;
    QLineEdit* text_proxy_http_port;
    QLineEdit* text_proxy_tcp_adr;
    QLineEdit* text_proxy_tcp_port;
    QComboBox* combo_proxy_version;
    QLineEdit* text_proxy_user_id;
    QLineEdit* text_proxy_user_pass;

    // EasyPhrases: text_f1 .. text_f9
    std::array<QLineEdit*, 9> text_f{};
    QPushButton* btn_help_ep;

    // Macros
    QListWidget* list_macro;
    QPlainTextEdit* memo_macro;
    QPushButton* btn_ajout_macro;
    QPushButton* btn_suppr_macro;
    QPushButton* btn_help_macro;

    // Répondeur
    QGroupBox* RadioRepType;
    QButtonGroup* rep_types;
    QLineEdit* text_msg_gene;
    QLineEdit* text_msg_amis;
    QLineEdit* text_msg_perso;
    QListWidget* list_perso;
    QPushButton* btn_ajout_perso;
    QPushButton* btn_suppr_perso;

    QPushButton* btn_ok;
    QPushButton* btn_annuler;

  signals:
    // "OK" stored the settings: the open windows take them now.
    void SettingsSaved();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildGeneralPage();
    QWidget* BuildConnexionPage();
    QWidget* BuildEasyPhrasesPage();
    QWidget* BuildMacrosPage();
    QWidget* BuildRepondeurPage();
    // A box with an OK button, titled with the program's name.
    void ShowBox(QMessageBox::Icon icon, const QString& text);

    ProgramState& state_;
};

// Shows the configuration dialog on a page (one of Tform_config's kPage numbers):
// creates it into `holder` when there is none, otherwise brings the open one forward on that
// page.
Tform_config* ShowConfigDialog(QPointer<Tform_config>& holder, ProgramState& state, int page,
                               QWidget* parent);

// The same, modal, returning once the dialog is closed.
void RunConfigDialog(QPointer<Tform_config>& holder, ProgramState& state, int page,
                     QWidget* parent);
