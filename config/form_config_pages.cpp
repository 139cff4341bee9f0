#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/dialog_rules.h"
#include "config/form_config.h"
#include "widgets/password_edit.h"
#include "widgets/windows_colour.h"

namespace {

template <class T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QLineEdit* NewEdit(QWidget* parent, const char* name, int max_length) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setMaxLength(max_length);
    return edit;
}

QLineEdit* NewPortEdit(QWidget* parent, const char* name) {
    QLineEdit* edit = NewEdit(parent, name, 5);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("0000000") + 12);
    return edit;
}

QComboBox* NewHostList(QWidget* parent, const char* name) {
    auto* combo = Named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->addItems({"127.0.0.1", "localhost"});
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setMaxLength(255);
    return combo;
}

QLabel* RightLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The colour list's swatch: a black-framed square of the entry's colour.
QIcon Swatch(std::uint32_t windows_colour) {
    QPixmap pixmap(15, 11);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(FromWindowsColour(windows_colour));
    painter.drawRect(0, 0, 14, 10);
    return QIcon(pixmap);
}

}  // namespace

QWidget* Tform_config::BuildGeneralPage() {
    auto* page = new QWidget;

    auto* appearance = new QGroupBox(" Apparence ", page);
    combo_color = Named(new QComboBox(appearance), "combo_color");
    for (const ColourEntry& entry : kColourEntries) {
        combo_color->addItem(Swatch(entry.colour), entry.name);
    }
    combo_color->setIconSize(QSize(15, 11));
    combo_taille = Named(new QComboBox(appearance), "combo_taille");
    for (const char* effect : kEffectNames) combo_taille->addItem(effect);
    combo_fonts = Named(new QComboBox(appearance), "combo_fonts");
    combo_fonts->addItems(QFontDatabase::families());
    combo_fonts->setMaxVisibleItems(16);
    combo_fonts->setMinimumContentsLength(18);
    combo_fonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    panel_exemple = Named(new QLabel("Exemple", appearance), "panel_exemple");
    panel_exemple->setAlignment(Qt::AlignCenter);
    panel_exemple->setFrameShape(QFrame::StyledPanel);
    panel_exemple->setFrameShadow(QFrame::Sunken);
    panel_exemple->setAutoFillBackground(true);
    panel_exemple->setBackgroundRole(QPalette::Base);
    panel_exemple->setFixedSize(130, 52);

    check_son = Named(new QCheckBox("Activer le son :", appearance), "check_son");
    text_son = NewEdit(appearance, "text_son", 32767);
    FlatButton2 = Named(new QPushButton("Parcourir ...", appearance), "FlatButton2");

    label_time_occupe = new QLabel("Passage mode occupé :", appearance);
    Track_time_occupe = Named(new QSlider(Qt::Horizontal, appearance), "Track_time_occupe");
    Track_time_occupe->setRange(1, 31);
    lbl_time_occupe = Named(new QLabel(appearance), "lbl_time_occupe");
    lbl_time_occupe->setMinimumWidth(
        lbl_time_occupe->fontMetrics().horizontalAdvance("30 minutes"));
    btn_help_occupe = Named(new QPushButton("?", appearance), "btn_help_occupe");
    btn_help_occupe->setFixedWidth(btn_help_occupe->sizeHint().height());

    text_image = NewEdit(appearance, "text_image", 32767);
    btn_image = Named(new QPushButton("Parcourir ...", appearance), "btn_image");

    auto* grid = new QGridLayout(appearance);
    grid->addWidget(RightLabel("Couleur :", appearance), 0, 0);
    grid->addWidget(combo_color, 0, 1);
    grid->addWidget(RightLabel("Taille :", appearance), 1, 0);
    grid->addWidget(combo_taille, 1, 1);
    grid->addWidget(RightLabel("Police :", appearance), 2, 0);
    grid->addWidget(combo_fonts, 2, 1);
    grid->addWidget(panel_exemple, 0, 2, 3, 2, Qt::AlignCenter);
    grid->addWidget(check_son, 3, 0);
    grid->addWidget(text_son, 3, 1, 1, 2);
    grid->addWidget(FlatButton2, 3, 3);
    grid->addWidget(RightLabel("Image de fond :", appearance), 4, 0);
    grid->addWidget(text_image, 4, 1, 1, 2);
    grid->addWidget(btn_image, 4, 3);
    grid->addWidget(label_time_occupe, 5, 0);
    grid->addWidget(Track_time_occupe, 5, 1);
    grid->addWidget(lbl_time_occupe, 5, 2);
    grid->addWidget(btn_help_occupe, 5, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    auto* long_phrase = new QGroupBox(" Phrase trop longue ", page);
    radio_cut = Named(new QRadioButton("Découper et envoyer", long_phrase), "radio_cut");
    radio_nocut = Named(new QRadioButton("Avertir et ne pas envoyer", long_phrase), "radio_nocut");
    auto* long_layout = new QVBoxLayout(long_phrase);
    long_layout->addWidget(radio_cut);
    long_layout->addWidget(radio_nocut);
    long_layout->addStretch();

    auto* connected = new QGroupBox(" Une fois connecté ", page);
    radio_donothing = Named(new QRadioButton("Ne rien faire", connected), "radio_donothing");
    radio_perm = Named(new QRadioButton("Lister les salons permanents", connected), "radio_perm");
    radio_public = Named(new QRadioButton("Lister les salons publics", connected), "radio_public");
    auto* connected_layout = new QVBoxLayout(connected);
    connected_layout->addWidget(radio_donothing);
    connected_layout->addWidget(radio_perm);
    connected_layout->addWidget(radio_public);

    auto* history = new QGroupBox(" Historique des conversations ", page);
    spin_max_messages = Named(new QSpinBox(history), "spin_max_messages");
    spin_max_messages->setRange(0, 1000000);
    spin_max_messages->setSingleStep(1000);
    spin_max_messages->setSpecialValueText("tous");
    spin_max_messages->setGroupSeparatorShown(true);
    auto* history_layout = new QHBoxLayout(history);
    history_layout->addWidget(new QLabel("Messages gardés dans chaque fenêtre :", history));
    history_layout->addWidget(spin_max_messages);
    history_layout->addStretch();

    auto* choices = new QHBoxLayout;
    choices->addWidget(long_phrase);
    choices->addWidget(connected);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(appearance);
    layout->addLayout(choices);
    layout->addWidget(history);
    layout->addStretch();
    return page;
}

QWidget* Tform_config::BuildConnexionPage() {
    auto* page = new QWidget;

    auto* servers = new QGroupBox(" Serveurs Babillon ", page);
    combo_serveur_ID = NewHostList(servers, "combo_serveur_ID");
    text_port_ID = NewPortEdit(servers, "text_port_ID");
    combo_serveur_chat = NewHostList(servers, "combo_serveur_chat");
    text_port_chat = NewPortEdit(servers, "text_port_chat");
    auto* server_grid = new QGridLayout(servers);
    server_grid->addWidget(RightLabel("Serveur d'ID :", servers), 0, 0);
    server_grid->addWidget(combo_serveur_ID, 0, 1);
    server_grid->addWidget(RightLabel("Port :", servers), 0, 2);
    server_grid->addWidget(text_port_ID, 0, 3);
    server_grid->addWidget(RightLabel("Serveur de Chat :", servers), 1, 0);
    server_grid->addWidget(combo_serveur_chat, 1, 1);
    server_grid->addWidget(RightLabel("Port :", servers), 1, 2);
    server_grid->addWidget(text_port_chat, 1, 3);
    server_grid->setColumnStretch(1, 1);

    auto* proxy = new QGroupBox(" Proxy ", page);
    text_proxy_http_adr = NewEdit(proxy, "text_proxy_http_adr", 255);
    text_proxy_http_port = NewPortEdit(proxy, "text_proxy_http_port");
    text_proxy_tcp_adr = NewEdit(proxy, "text_proxy_tcp_adr", 255);
    text_proxy_tcp_port = NewPortEdit(proxy, "text_proxy_tcp_port");
    combo_proxy_version = Named(new QComboBox(proxy), "combo_proxy_version");
    combo_proxy_version->addItems({"SOCKS version 4.0", "SOCKS version 4.0A", "SOCKS version 5.0"});
    text_proxy_user_id = NewEdit(proxy, "text_proxy_user_id", 255);
    text_proxy_user_pass = NewEdit(proxy, "text_proxy_user_pass", 255);
    ShowPasswordAsStars(text_proxy_user_pass);
    auto* note =
        new QLabel("Laissez les champs d'adresse vides si vous n'avez pas de proxy.", proxy);
    note->setWordWrap(true);
    auto* proxy_grid = new QGridLayout(proxy);
    proxy_grid->addWidget(RightLabel("Proxy HTTP (ID) :", proxy), 0, 0);
    proxy_grid->addWidget(text_proxy_http_adr, 0, 1);
    proxy_grid->addWidget(RightLabel("Port :", proxy), 0, 2);
    proxy_grid->addWidget(text_proxy_http_port, 0, 3);
    proxy_grid->addWidget(RightLabel("Proxy TCP (Chat) :", proxy), 1, 0);
    proxy_grid->addWidget(text_proxy_tcp_adr, 1, 1);
    proxy_grid->addWidget(RightLabel("Port :", proxy), 1, 2);
    proxy_grid->addWidget(text_proxy_tcp_port, 1, 3);
    proxy_grid->addWidget(RightLabel("Version :", proxy), 2, 0);
    proxy_grid->addWidget(combo_proxy_version, 2, 1);
    proxy_grid->addWidget(RightLabel("Utilisateur :", proxy), 3, 0);
    proxy_grid->addWidget(text_proxy_user_id, 3, 1);
    proxy_grid->addWidget(RightLabel("Mot de passe :", proxy), 4, 0);
    proxy_grid->addWidget(text_proxy_user_pass, 4, 1);
    proxy_grid->addWidget(note, 5, 0, 1, 4);
    proxy_grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(servers);
    layout->addWidget(proxy);
    layout->addStretch();
    return page;
}

QWidget* Tform_config::BuildEasyPhrasesPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (std::size_t i = 0; i < text_f.size(); ++i) {
        const QString number = QString::number(i + 1);
        text_f[i] = NewEdit(page, ("text_f" + number.toStdString()).c_str(), 255);
        form->addRow("F" + number + " :", text_f[i]);
    }
    btn_help_ep = Named(new QPushButton("Aide", page), "btn_help_ep");
    auto* help_row = new QHBoxLayout;
    help_row->addStretch();
    help_row->addWidget(btn_help_ep);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addLayout(help_row);
    layout->addStretch();
    return page;
}

QWidget* Tform_config::BuildRepondeurPage() {
    auto* page = new QWidget;

    RadioRepType = Named(new QGroupBox(" Mode du répondeur ", page), "RadioRepType");
    rep_types = new QButtonGroup(RadioRepType);
    auto* modes = new QVBoxLayout(RadioRepType);
    const char* mode_names[] = {
        "Mode Normal (Méssage identique pour tout le monde)",
        "Mode Amis (Méssage spécifique aux amis)",
        "Mode Personnalisé (Méssage spécifique a certaines personnes)",
        "Mode Personnalisé + Amis (Le mode personnalisé est prioritaire)",
    };
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(mode_names[i], RadioRepType);
        rep_types->addButton(radio, i);
        modes->addWidget(radio);
    }

    auto* messages = new QGroupBox(" Messages ", page);
    text_msg_gene =
        Named(new QLineEdit("Je ne suis pas là pour le moment ... à plus tard !!!", messages),
              "text_msg_gene");
    text_msg_amis = Named(
        new QLineEdit("Oups j'ai oublié de te dire que je partais ... à plus tard !!!", messages),
        "text_msg_amis");
    text_msg_perso =
        Named(new QLineEdit("Mais oui c'est ça cause toujours tu m'intéresses !!!", messages),
              "text_msg_perso");
    auto* message_form = new QFormLayout(messages);
    message_form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    message_form->addRow("Général :", text_msg_gene);
    message_form->addRow("Amis :", text_msg_amis);
    message_form->addRow("Personnalisé :", text_msg_perso);

    auto* persons = new QGroupBox(" Personnes du mode personnalisé ", page);
    list_perso = Named(new QListWidget(persons), "list_perso");
    list_perso->setMinimumHeight(90);
    btn_ajout_perso = Named(new QPushButton("Ajouter ...", persons), "btn_ajout_perso");
    btn_suppr_perso = Named(new QPushButton("Supprimer", persons), "btn_suppr_perso");
    auto* person_buttons = new QVBoxLayout;
    person_buttons->addWidget(btn_ajout_perso);
    person_buttons->addWidget(btn_suppr_perso);
    person_buttons->addStretch();
    auto* person_layout = new QHBoxLayout(persons);
    person_layout->addWidget(list_perso, 1);
    person_layout->addLayout(person_buttons);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(RadioRepType);
    layout->addWidget(messages);
    layout->addWidget(persons, 1);
    return page;
}
