// The controls of the search window and where they sit.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "directory/form_connectes.h"
#include "directory/sex_combo_box.h"
#include "directory/user_result_drawing.h"
#include "directory/user_search.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"

namespace {

constexpr int kActionPaneWidth = 240;
constexpr int kMaxSearchText = 32;

QLabel* NewHeader(const QString& text, QWidget* parent) {
    auto* header = new QLabel(text, parent);
    header->setTextFormat(Qt::PlainText);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    return header;
}

QPushButton* NewButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QComboBox* NewList(const std::vector<std::string>& items, const char* name, QComboBox* box) {
    box->setObjectName(name);
    for (const std::string& item : items) box->addItem(FromAnsi(item));
    box->setCurrentIndex(0);
    return box;
}

}  // namespace

void Tform_connectes::BuildLayout() {
    list_rech = new BabiListBox(this);
    list_rech->setObjectName("list_rech");
    list_rech->SetLastSelectedIndex(&context_.state.LastSelectedIndex);
    list_rech->SetItemPainter([](QPainter& painter, const QRect& rect, int, const QString& item,
                                 bool) { DrawUserResult(painter, rect, item); });
    list_rech->viewport()->installEventFilter(this);

    combo_rech_type = NewList(SearchTypeItems(), "combo_rech_type", new QComboBox(this));
    text_rech = new QLineEdit(this);
    text_rech->setObjectName("text_rech");
    text_rech->setMaxLength(kMaxSearchText);
    text_rech->installEventFilter(this);
    combo_rech_sexe = new SexComboBox(this);
    NewList(SearchSexItems(), "combo_rech_sexe", combo_rech_sexe);
    combo_rech_age = NewList(SearchAgeItems(), "combo_rech_age", new QComboBox(this));
    btn_rech = NewButton(QStringLiteral("Démarrer la recherche"), "btn_rech", this);

    btn_pv = NewButton(QStringLiteral("Dialoguer en privé"), "btn_pv", this);
    btn_salon = NewButton(QStringLiteral("Rejoindre dans le salon"), "btn_salon", this);
    btn_ignorer = NewButton(QStringLiteral("Ignorer/Aut."), "btn_ignorer", this);
    btn_profil = NewButton(QStringLiteral("Profil ..."), "btn_profil", this);
    FlatButton1 = NewButton(QStringLiteral("Envoyer un E-Mail"), "FlatButton1", this);

    lbl_nb_connectes = new QLabel(this);
    lbl_nb_connectes->setObjectName("lbl_nb_connectes");
    lbl_nb_connectes->setTextFormat(Qt::PlainText);
    lbl_nb_connectes->setAlignment(Qt::AlignCenter);
    btn_refresh = NewButton(QStringLiteral("Rafraichir"), "btn_refresh", this);

    auto* search = new QGroupBox(QStringLiteral(" Rechercher une personne ... "), this);
    auto* search_rows = new QVBoxLayout(search);
    search_rows->addWidget(combo_rech_type);
    search_rows->addWidget(text_rech);
    auto* criteria = new QGridLayout;
    criteria->addWidget(new QLabel(QStringLiteral("Sexe :"), search), 0, 0);
    criteria->addWidget(combo_rech_sexe, 0, 1);
    criteria->addWidget(new QLabel(QStringLiteral("Age :"), search), 1, 0);
    criteria->addWidget(combo_rech_age, 1, 1);
    criteria->setColumnStretch(1, 1);
    search_rows->addLayout(criteria);
    search_rows->addWidget(btn_rech);

    auto* contact = new QGroupBox(QStringLiteral(" Contacter cette personne ... "), this);
    auto* contact_rows = new QVBoxLayout(contact);
    contact_rows->addWidget(btn_pv);
    contact_rows->addWidget(btn_salon);
    auto* small_buttons = new QHBoxLayout;
    small_buttons->addWidget(btn_ignorer);
    small_buttons->addWidget(btn_profil);
    contact_rows->addLayout(small_buttons);
    contact_rows->addWidget(FlatButton1);

    auto* count = new QGroupBox(QStringLiteral(" Nombre de personnes connectées "), this);
    auto* count_row = new QHBoxLayout(count);
    count_row->addWidget(lbl_nb_connectes, 1);
    count_row->addWidget(btn_refresh);

    auto* pane = new QVBoxLayout;
    pane->addWidget(NewHeader(QStringLiteral("Actions / Propriétés"), this));
    pane->addWidget(search);
    pane->addWidget(contact);
    pane->addWidget(count);
    pane->addStretch(1);
    auto* pane_widget = new QWidget(this);
    pane_widget->setLayout(pane);
    pane_widget->setFixedWidth(kActionPaneWidth);
    pane->setContentsMargins(0, 0, 0, 0);

    auto* left = new QVBoxLayout;
    left->addWidget(NewHeader(QStringLiteral("Liste des personnes connectées"), this));
    left->addWidget(list_rech, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 1);
    layout->addWidget(pane_widget);
}

void Tform_connectes::BuildPopup() {
    popup = new QMenu(this);
    popup->setObjectName("popup");
    const auto add = [this](const QString& caption,
                            void (Tform_connectes::*action)(const UserEntry&)) {
        QAction* item = popup->addAction(caption);
        connect(item, &QAction::triggered, this, [this, action] {
            if (const auto person = PopupPerson()) (this->*action)(*person);
        });
        return item;
    };
    popup->setDefaultAction(
        add(QStringLiteral("Dialoguer en prive"), &Tform_connectes::OpenPrivate));
    add(QStringLiteral("Rejoindre dans le salon"), &Tform_connectes::JoinRoom);
    add(QStringLiteral("Envoyer un E-Mail"), &Tform_connectes::ShowMail);
    add(QStringLiteral("Profil"), &Tform_connectes::ShowProfile);
    add(QStringLiteral("Ignorer"), &Tform_connectes::ToggleIgnore);
    popup->addSeparator();
    connect(popup->addAction(QStringLiteral("Effacer la recherche")), &QAction::triggered,
            list_rech, &QListWidget::clear);
}
