#include "config/form_config.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "config/dialog_rules.h"
#include "config/sorted_list.h"
#include "program/program_state.h"
#include "store/settings_store.h"
#include "widgets/ansi_text.h"
#include "widgets/windows_colour.h"

namespace {

void SetHost(QComboBox* combo, const std::string& host) {
    combo->setEditText(FromAnsi(host));
}

}  // namespace

Tform_config::Tform_config(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("form_config");
    setWindowTitle("Configuration");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    pages = new QTabWidget(this);
    pages->setObjectName("pages");
    pages->addTab(BuildGeneralPage(), "General");
    pages->addTab(BuildConnexionPage(), "Connexion");
    pages->addTab(BuildEasyPhrasesPage(), "EasyPhrases");
    pages->addTab(BuildMacrosPage(), "Macros");
    pages->addTab(BuildRepondeurPage(), "Répondeur");
    FillMacroList();

    btn_ok = new QPushButton("OK", this);
    btn_ok->setObjectName("btn_ok");
    btn_ok->setToolTip("Accépter les modifications");
    btn_ok->setDefault(true);
    btn_annuler = new QPushButton("Annuler", this);
    btn_annuler->setObjectName("btn_annuler");
    btn_annuler->setToolTip("Annuler les modifications");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_ok);
    buttons->addWidget(btn_annuler);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    connect(btn_ok, &QPushButton::clicked, this, &Tform_config::btn_okClick);
    connect(btn_annuler, &QPushButton::clicked, this, &Tform_config::btn_annulerClick);
    connect(FlatButton2, &QPushButton::clicked, this, &Tform_config::FlatButton2Click);
    connect(btn_help_ep, &QPushButton::clicked, this, &Tform_config::btn_help_epClick);
    connect(btn_help_occupe, &QPushButton::clicked, this, &Tform_config::btn_help_occupeClick);
    connect(btn_ajout_perso, &QPushButton::clicked, this, &Tform_config::btn_ajout_persoClick);
    connect(btn_suppr_perso, &QPushButton::clicked, this, &Tform_config::btn_suppr_persoClick);
    connect(btn_image, &QPushButton::clicked, this, &Tform_config::btn_imageClick);
    connect(list_macro, &QListWidget::currentRowChanged, this, &Tform_config::list_macroClick);
    connect(btn_ajout_macro, &QPushButton::clicked, this, &Tform_config::btn_ajout_macroClick);
    connect(btn_suppr_macro, &QPushButton::clicked, this, &Tform_config::btn_suppr_macroClick);
    connect(btn_help_macro, &QPushButton::clicked, this, &Tform_config::btn_help_macroClick);
    connect(Track_time_occupe, &QSlider::valueChanged, this,
            [this](int minutes) { lbl_time_occupe->setText(FromAnsi(BusyDelayLabel(minutes))); });
    for (QComboBox* list : {combo_color, combo_taille, combo_fonts}) {
        connect(list, &QComboBox::currentIndexChanged, this, &Tform_config::UpdateExample);
    }
}

void Tform_config::ShowPage(int page) {
    pages->setCurrentIndex(page >= 0 && page < pages->count() ? page : kPageGeneral);
}

void Tform_config::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) LoadSettings();
    QDialog::showEvent(event);
}

void Tform_config::LoadSettings() {
    const TConfig& c = state_.Config;
    combo_color->setCurrentIndex(c.DefColor >= 0 && c.DefColor < combo_color->count() ? c.DefColor
                                                                                      : -1);
    combo_taille->setCurrentIndex(
        c.DefTaille >= 0 && c.DefTaille < combo_taille->count() ? c.DefTaille : -1);
    combo_fonts->setCurrentIndex(combo_fonts->findText(FromAnsi(c.Police), Qt::MatchExactly));
    // A font that is not installed here still shows its name, greyed.
    combo_fonts->setPlaceholderText(FromAnsi(c.Police));
    text_son->setText(FromAnsi(c.Son));
    check_son->setChecked(c.ActivSon);
    text_image->setText(FromAnsi(c.Image));
    spin_max_messages->setValue(c.MaxMessages);
    // A delay the slider cannot show leaves automatic busy mode off, as "jamais" does.
    Track_time_occupe->setValue(AutomaticBusyOn(c.TimeOccupe) ? c.TimeOccupe : kBusyDelayNever);
    lbl_time_occupe->setText(FromAnsi(BusyDelayLabel(Track_time_occupe->value())));
    radio_cut->setChecked(c.LongPhraseCut);
    radio_nocut->setChecked(!c.LongPhraseCut);
    radio_donothing->setChecked(c.DoNothing);
    if (!c.DoNothing) {
        radio_perm->setChecked(c.ListPerm);
        radio_public->setChecked(!c.ListPerm);
    }

    SetHost(combo_serveur_ID, c.AdrID);
    text_port_ID->setText(FromAnsi(c.PortID));
    SetHost(combo_serveur_chat, c.AdrChat);
    text_port_chat->setText(FromAnsi(c.PortChat));
    text_proxy_http_adr->setText(FromAnsi(c.ProxyHTTPAdr));
    text_proxy_http_port->setText(FromAnsi(c.ProxyHTTPPort));
    text_proxy_tcp_adr->setText(FromAnsi(c.ProxyTCPAdr));
    text_proxy_tcp_port->setText(FromAnsi(c.ProxyTCPPort));
    combo_proxy_version->setCurrentIndex(ProxyVersionIndex(c.ProxyVersion.str()));
    text_proxy_user_id->setText(FromAnsi(c.ProxyIDName));
    text_proxy_user_pass->setText(FromAnsi(c.ProxyIDPass));

    for (std::size_t i = 0; i < text_f.size(); ++i) text_f[i]->setText(FromAnsi(c.EasyPhrases[i]));

    // An exclusive group cannot uncheck its last button: a stored type out of range shows none.
    rep_types->setExclusive(false);
    for (QAbstractButton* mode : rep_types->buttons()) {
        mode->setChecked(rep_types->id(mode) == c.RepType);
    }
    rep_types->setExclusive(true);
    text_msg_gene->setText(FromAnsi(c.RepMsgGeneral));
    text_msg_amis->setText(FromAnsi(c.RepMsgAmis));
    text_msg_perso->setText(FromAnsi(c.RepMsgPerso));
    list_perso->clear();
    for (const std::string& line : c.RepPerso) {
        InsertSorted(list_perso, FromAnsi(line), FromAnsi(line));
    }
    UpdateExample();
}

TConfig Tform_config::ControlValues() const {
    TConfig v = state_.Config;
    v.DefColor = combo_color->currentIndex();
    v.DefTaille = combo_taille->currentIndex();
    // A font that is not installed here selects nothing; the stored name is kept then.
    if (combo_fonts->currentIndex() >= 0) v.Police = ToAnsi(combo_fonts->currentText());
    v.Son = ToAnsi(text_son->text());
    v.ActivSon = check_son->isChecked();
    v.Image = ToAnsi(text_image->text());
    v.MaxMessages = spin_max_messages->value();
    v.TimeOccupe = Track_time_occupe->value();
    v.LongPhraseCut = radio_cut->isChecked();
    v.DoNothing = radio_donothing->isChecked();
    v.ListPerm = radio_perm->isChecked();

    v.AdrID = ToAnsi(combo_serveur_ID->currentText());
    v.PortID = ToAnsi(text_port_ID->text());
    v.AdrChat = ToAnsi(combo_serveur_chat->currentText());
    v.PortChat = ToAnsi(text_port_chat->text());
    v.ProxyVersion = ProxyVersionText(combo_proxy_version->currentIndex());
    v.ProxyHTTPAdr = ToAnsi(text_proxy_http_adr->text());
    v.ProxyHTTPPort = ToAnsi(text_proxy_http_port->text());
    v.ProxyTCPAdr = ToAnsi(text_proxy_tcp_adr->text());
    v.ProxyTCPPort = ToAnsi(text_proxy_tcp_port->text());
    v.ProxyIDName = ToAnsi(text_proxy_user_id->text());
    v.ProxyIDPass = ToAnsi(text_proxy_user_pass->text());

    for (std::size_t i = 0; i < text_f.size(); ++i) v.EasyPhrases[i] = ToAnsi(text_f[i]->text());

    v.RepType = rep_types->checkedId();
    v.RepMsgGeneral = ToAnsi(text_msg_gene->text());
    v.RepMsgAmis = ToAnsi(text_msg_amis->text());
    v.RepMsgPerso = ToAnsi(text_msg_perso->text());
    v.RepPerso.clear();
    for (int row = 0; row < list_perso->count(); ++row) {
        v.RepPerso.push_back(ToAnsi(list_perso->item(row)->text()));
    }
    return v;
}

void Tform_config::ShowBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}

void Tform_config::btn_okClick() {
    const QString image = text_image->text();
    const bool new_image = ToAnsi(image) != state_.Config.Image;
    std::string error;
    if (!SaveConfig(ControlValues(), state_.Config, &error)) {
        ShowBox(QMessageBox::Critical,
                "La configuration n'a pas pu être enregistrée.\n" + FromAnsi(error));
        return;
    }
    if (new_image && !image.isEmpty() && !QImageReader(image).canRead()) {
        ShowBox(QMessageBox::Warning,
                QString("L'image « %1 » n'a pas pu être lue : le fond habituel reste affiché.")
                    .arg(image));
    }
    emit SettingsSaved();
    accept();
}

void Tform_config::btn_annulerClick() {
    reject();
}

void Tform_config::FlatButton2Click() {
    const QString file = QFileDialog::getOpenFileName(
        this, "Ouvrir", text_son->text(), "Fichier wave  (*.wav);;Tous les fichiers  (*.*)");
    if (!file.isEmpty()) text_son->setText(file);
}

void Tform_config::btn_imageClick() {
    const QString file = QFileDialog::getOpenFileName(
        this, "Ouvrir", text_image->text(),
        "Images  (*.bmp *.png *.jpg *.jpeg *.gif);;Tous les fichiers  (*.*)");
    if (!file.isEmpty()) text_image->setText(file);
}

void Tform_config::btn_help_epClick() {
    ShowBox(QMessageBox::NoIcon,
            "Permet d'affecter les phrases que vous utilisez fréquemment à des touches de "
            "raccourci. Il vous suffit d'appuyer sur la touche de fonction correspondante de "
            "votre clavier pour utiliser une EasyPhrase");
}

void Tform_config::btn_help_occupeClick() {
    ShowBox(QMessageBox::Information,
            "Si vous n'envoyez aucun méssage durant le temps choisi, que ce soit en privé, dans "
            "les amis ou sur le salon, Tamaris passera automatiquement en mode occupé(e).\r\n"
            "Pour désactiver cette fonction, indiquez la valeur maximale et vous ne passerez "
            "jamais en mode occupé(e) que vous parliez ou non.");
}

void Tform_config::btn_ajout_persoClick() {
    const QString answer =
        QInputDialog::getText(this, "Ajouter un alias", "Alias", QLineEdit::Normal, QString());
    std::vector<std::string> lines;
    for (int row = 0; row < list_perso->count(); ++row) {
        lines.push_back(ToAnsi(list_perso->item(row)->text()));
    }
    const QString alias = FromAnsi(AliasToAdd(ToAnsi(answer), lines));
    if (!alias.isEmpty()) InsertSorted(list_perso, alias, alias);
}

void Tform_config::btn_suppr_persoClick() {
    const QList<QListWidgetItem*> selected = list_perso->selectedItems();
    if (!selected.isEmpty()) delete selected.front();
}

void Tform_config::UpdateExample() {
    QFont font(combo_fonts->currentText());
    font.setPointSize(ExampleFontSize(ToAnsi(combo_taille->currentText())));
    panel_exemple->setFont(font);
    QPalette palette = panel_exemple->palette();
    // On its white (Base) background the label draws its text in the Text colour.
    palette.setColor(panel_exemple->foregroundRole(),
                     FromWindowsColour(ColourOfEntryName(ToAnsi(combo_color->currentText()))));
    panel_exemple->setPalette(palette);
}

Tform_config* ShowConfigDialog(QPointer<Tform_config>& holder, ProgramState& state, int page,
                               QWidget* parent) {
    if (!holder) holder = new Tform_config(state, parent);
    holder->ShowPage(page);
    holder->show();
    holder->raise();
    holder->activateWindow();
    return holder;
}

void RunConfigDialog(QPointer<Tform_config>& holder, ProgramState& state, int page,
                     QWidget* parent) {
    if (!holder) holder = new Tform_config(state, parent);
    holder->ShowPage(page);
    holder->raise();
    holder->activateWindow();
    holder->exec();
}
