#include "config/form_connex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <utility>

#include "config/html_item_delegate.h"
#include "config/sorted_list.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "store/identity_store.h"
#include "store/settings_store.h"
#include "widgets/ansi_text.h"
#include "widgets/password_edit.h"

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

QLineEdit* NewEdit(QWidget* parent, const char* name, int max_length) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(max_length);
    return edit;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

Tform_connex::Tform_connex(TBabillon& session, ProgramState& state, ConnexHooks hooks,
                           QWidget* parent)
    : QWidget(parent), session_(session), state_(state), hooks_(std::move(hooks)) {
    setObjectName("form_connex");
    setWindowTitle("Connexion au chat");
    setAttribute(Qt::WA_DeleteOnClose);
    BuildControls();
    FillIdentityList();
    if (hooks_.enable_connection_entry) hooks_.enable_connection_entry(false);
}

Tform_connex::~Tform_connex() {
    if (hooks_.enable_connection_entry) hooks_.enable_connection_entry(true);
}

void Tform_connex::BuildControls() {
    text_pseudo = NewEdit(this, "text_pseudo", 32);
    text_alias = NewEdit(this, "text_alias", 32);
    text_pass = NewEdit(this, "text_pass", 8);
    ShowPasswordAsStars(text_pass);
    text_age = NewEdit(this, "text_age", 5);
    combo_sexe = new QComboBox(this);
    combo_sexe->setObjectName("combo_sexe");
    combo_sexe->addItems({"Homme", "Femme", "Inconnu"});
    combo_sexe->setCurrentIndex(2);
    text_ville = NewEdit(this, "text_ville", 25);
    text_salon = NewEdit(this, "text_salon", 30);
    text_salon->setToolTip(QStringLiteral("Vide : le salon par défaut ; * : aucun salon"));
    text_status = NewEdit(this, "text_status", 80);
    check_amis = new QCheckBox(QStringLiteral("Prévenir vos amis de votre arrivée"), this);
    check_amis->setObjectName("check_amis");
    check_amis->setChecked(true);

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    fields->addRow("Pseudo :", text_pseudo);
    fields->addRow("Alias :", text_alias);
    fields->addRow("Mot de passe :", text_pass);
    fields->addRow("Age :", text_age);
    fields->addRow("Sexe :", combo_sexe);
    fields->addRow("Ville :", text_ville);
    fields->addRow("Rejoindre le salon :", text_salon);
    fields->addRow("Status :", text_status);
    fields->addRow(QString(), check_amis);
    text_age->setMaximumWidth(60);

    group_id_rapide = new QGroupBox(" Identification rapide ", this);
    group_id_rapide->setObjectName("group_id_rapide");
    list_id_rapide = new QListWidget(group_id_rapide);
    list_id_rapide->setObjectName("list_id_rapide");
    list_id_rapide->setItemDelegate(new HtmlItemDelegate(list_id_rapide));
    list_id_rapide->setMinimumWidth(220);
    list_id_rapide->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    btn_useid =
        NewButton(group_id_rapide, "btn_useid", "Utiliser", "Utiliser cette identification rapide");
    btn_saveid = NewButton(group_id_rapide, "btn_saveid", "Sauvegarder",
                           "Sauvegarder l'identification actuelle");
    btn_delid = NewButton(group_id_rapide, "btn_delid", "Supprimer",
                          QStringLiteral("Suppimer l'identification rapide séléctionnée"));
    auto* id_buttons = new QHBoxLayout;
    id_buttons->addWidget(btn_useid);
    id_buttons->addWidget(btn_saveid);
    id_buttons->addWidget(btn_delid);
    auto* group_layout = new QVBoxLayout(group_id_rapide);
    group_layout->addWidget(list_id_rapide);
    group_layout->addLayout(id_buttons);

    btn_propriete_connex = NewButton(this, "btn_propriete_connex",
                                     QStringLiteral("Propriétés de la connexion"), QString());
    btn_connex = NewButton(this, "btn_connex", "Connexion", QString());
    btn_connex->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 3);
    top->addWidget(group_id_rapide, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btn_propriete_connex);
    bottom->addStretch();
    bottom->addWidget(btn_connex);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);

    for (QLineEdit* edit :
         {text_pseudo, text_alias, text_pass, text_age, text_ville, text_salon, text_status}) {
        edit->installEventFilter(this);
    }
    connect(text_pseudo, &QLineEdit::textEdited, text_alias, &QLineEdit::setText);
    connect(btn_useid, &QPushButton::clicked, this, &Tform_connex::btn_useidClick);
    connect(list_id_rapide, &QListWidget::itemDoubleClicked, this, &Tform_connex::btn_useidClick);
    connect(btn_saveid, &QPushButton::clicked, this, &Tform_connex::btn_saveidClick);
    connect(btn_delid, &QPushButton::clicked, this, &Tform_connex::btn_delidClick);
    connect(btn_propriete_connex, &QPushButton::clicked, this,
            &Tform_connex::btn_propriete_connexClick);
    connect(btn_connex, &QPushButton::clicked, this, &Tform_connex::btn_connexClick);
}

void Tform_connex::FillIdentityList() {
    list_id_rapide->clear();
    for (const std::string& alias : IdentityAliases()) {
        const QString key = FromAnsi(alias);
        QListWidgetItem* item = InsertSorted(list_id_rapide, key, key);
        item->setData(Qt::UserRole, FromAnsi(IdentityListItem(ReadIdentity(alias))));
    }
}

QString Tform_connex::SelectedAlias() const {
    const QList<QListWidgetItem*> selected = list_id_rapide->selectedItems();
    if (selected.isEmpty()) return {};
    return FromAnsi(AliasOfItem(ToAnsi(selected.front()->data(Qt::UserRole).toString())));
}

void Tform_connex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous() || filled_) return;
    filled_ = true;
    const IdentityRecord& last = state_.LastIdentity;
    text_pseudo->setText(FromAnsi(last.pseudo));
    text_alias->setText(FromAnsi(last.alias));
    text_pass->clear();
    text_age->setText(FromAnsi(last.age));
    combo_sexe->setCurrentIndex(last.sexe_index >= 0 && last.sexe_index <= 2 ? last.sexe_index : 2);
    text_ville->setText(FromAnsi(last.ville));
    text_salon->setText(FromAnsi(last.salon));
    text_status->setText(FromAnsi(last.status));
}

bool Tform_connex::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btn_connex->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tform_connex::btn_useidClick() {
    if (list_id_rapide->selectedItems().isEmpty()) return;
    const IdentityRecord identity = ReadIdentity(ToAnsi(SelectedAlias()));
    text_pseudo->setText(FromAnsi(identity.pseudo));
    text_alias->setText(FromAnsi(identity.alias));
    text_age->setText(FromAnsi(identity.age));
    text_ville->setText(FromAnsi(identity.ville));
    text_salon->setText(FromAnsi(identity.salon));
    text_status->setText(FromAnsi(identity.status));
    combo_sexe->setCurrentIndex(SexIndex(identity.sexe.str()));
    text_pass->setFocus();
}

void Tform_connex::btn_saveidClick() {
    if (text_pseudo->text().isEmpty() || text_alias->text().isEmpty()) {
        ShowMessage(this, QMessageBox::NoIcon,
                    "Veuillez indiquez au minimum votre nom d'utilisateur Babillon ainsi que "
                    "votre alias");
        text_pseudo->setFocus();
        return;
    }
    std::string error;
    if (!WriteIdentity(ToAnsi(text_alias->text()), ToAnsi(text_pseudo->text()),
                       ToAnsi(text_age->text()), ToAnsi(combo_sexe->currentText()),
                       ToAnsi(text_ville->text()), ToAnsi(text_salon->text()),
                       ToAnsi(text_status->text()), &error)) {
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("L'identification n'a pas pu être enregistrée.\n") +
                        FromAnsi(error));
    }
    FillIdentityList();
}

void Tform_connex::btn_delidClick() {
    if (list_id_rapide->selectedItems().isEmpty()) return;
    std::string error;
    if (!DeleteIdentity(ToAnsi(SelectedAlias()), &error)) {
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("L'identification n'a pas pu être supprimée.\n") +
                        FromAnsi(error));
    }
    FillIdentityList();
}

void Tform_connex::btn_propriete_connexClick() {
    if (hooks_.open_connection_settings) hooks_.open_connection_settings();
}

void Tform_connex::btn_connexClick() {
    IdentityRecord& last = state_.LastIdentity;
    last.pseudo = ToAnsi(text_pseudo->text());
    last.alias = ToAnsi(text_alias->text());
    last.age = ToAnsi(text_age->text());
    last.sexe = ToAnsi(combo_sexe->currentText());
    last.sexe_index = combo_sexe->currentIndex();
    last.ville = ToAnsi(text_ville->text());
    last.salon = ToAnsi(text_salon->text());
    last.status = ToAnsi(text_status->text());

    if (hooks_.set_connection_caption) hooks_.set_connection_caption("&Connexion");

    session_.Pseudo = ToAnsi(text_pseudo->text());
    session_.Alias = ToAnsi(text_alias->text());
    session_.Pass = ToAnsi(text_pass->text());
    session_.Age = ToAnsi(text_age->text());
    session_.Ville = ToAnsi(text_ville->text());
    session_.Sexe = SessionSexe(combo_sexe->currentIndex());
    session_.Salon = LoginRoom(ToAnsi(text_salon->text()));
    session_.Status = ToAnsi(text_status->text());
    session_.Invisible = !check_amis->isChecked();

    const TConfig& config = state_.Config;
    if (Trim(config.AdrID).empty() || Trim(config.AdrChat).empty()) {
        QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                        QStringLiteral("Vous n'avez pas spécifié l'adresse des serveurs d'ID ou "
                                       "de Chat dans la configuration de Tamaris. Voulez vous "
                                       "entrer ces informations maintenant ?"),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
        if (box.exec() == QMessageBox::Ok) btn_propriete_connexClick();
        return;
    }
    session_.IDAddress = config.AdrID;
    session_.IDPort = PortNumber(config.PortID.str());
    session_.ChatAddress = config.AdrChat;
    session_.ChatPort = PortNumber(config.PortChat.str());
    session_.HTTPProxyAddress = config.ProxyHTTPAdr;
    session_.HTTPProxyPort = PortNumber(config.ProxyHTTPPort.str());
    session_.TCPProxyAddress = config.ProxyTCPAdr;
    session_.TCPProxyPort = PortNumber(config.ProxyTCPPort.str());
    session_.ProxyHTVersion = ProxySocksVersion(config.ProxyVersion.str());
    session_.SocksUserName = config.ProxyIDName;
    session_.SocksPassword = config.ProxyIDPass;
    session_.SocksAuthentication = !Trim(config.ProxyIDName).empty();

    // The session's events may close windows or show boxes: the dialog may be gone after.
    QPointer<Tform_connex> self(this);
    if (session_.Connected()) session_.Disconnect();
    session_.Connect();
    if (self) CloseDialog();
}

void Tform_connex::CloseDialog() {
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        window->close();
    } else {
        close();
    }
}
