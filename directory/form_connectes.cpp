#include "directory/form_connectes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "directory/send_key.h"
#include "directory/user_results.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"

namespace {

constexpr int kMaxSearchText = 32;
// Any age, any sex.
constexpr char kAnyClass[] = "-2";

}  // namespace

Tform_connectes::Tform_connectes(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      list_rech(new QListWidget(this)),
      combo_rech_type(new QComboBox(this)),
      text_rech(new QLineEdit(this)),
      lbl_nb_connectes(new QLabel(this)) {
    setObjectName("form_connectes");
    setWindowTitle(QStringLiteral("Connectés"));
    list_rech->setObjectName("list_rech");
    combo_rech_type->setObjectName("combo_rech_type");
    text_rech->setObjectName("text_rech");
    lbl_nb_connectes->setObjectName("lbl_nb_connectes");
    combo_rech_type->addItems({QStringLiteral("dont le pseudo commence par"),
                               QStringLiteral("dont la ville commence par")});
    text_rech->setMaxLength(kMaxSearchText);
    text_rech->installEventFilter(this);
    auto* btn_rech = new QPushButton(QStringLiteral("Démarrer la recherche"), this);
    btn_rech->setObjectName("btn_rech");
    btn_rech->setAutoDefault(false);

    auto* search = new QHBoxLayout;
    search->addWidget(combo_rech_type);
    search->addWidget(text_rech, 1);
    search->addWidget(btn_rech);
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Nombre de personnes connectées :"), this));
    count->addWidget(lbl_nb_connectes, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel(QStringLiteral("Liste des personnes connectées"), this));
    layout->addWidget(list_rech, 1);
    layout->addLayout(search);
    layout->addLayout(count);

    connect(btn_rech, &QPushButton::clicked, this, &Tform_connectes::btn_rechClick);
}

void Tform_connectes::FillUserResults(const std::vector<std::string>& fields) {
    list_rech->clear();
    for (const UserResult& result : ParseUserResults(fields)) {
        list_rech->addItem(FromAnsi(UserResultText(result)));
    }
}

void Tform_connectes::FillUserResultsOneSex(const std::vector<std::string>& fields,
                                            const std::string& criterion) {
    list_rech->clear();
    for (const UserResult& result : ParseUserResultsOneSex(fields, criterion)) {
        list_rech->addItem(FromAnsi(UserResultText(result)));
    }
}

void Tform_connectes::ShowNoResult() {
    list_rech->clear();
    // The list shows the first line; the whole item keeps the list item convention (text,
    // hint colour, hint) for the owner-drawn list.
    const QString item = FromAnsi("Aucune personne ne correspond a vos crit\xE8res\nnull\nnull");
    auto* message = new QListWidgetItem(item.section('\n', 0, 0));
    message->setData(Qt::UserRole, item);
    list_rech->addItem(message);
}

void Tform_connectes::SetConnectedCount(const std::string& text) {
    lbl_nb_connectes->setText(FromAnsi(text));
}

bool Tform_connectes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_rech && IsSendKey(event)) {
        btn_rechClick();
        return true;
    }
    return StandardWindow::eventFilter(watched, event);
}

void Tform_connectes::btn_rechClick() {
    list_rech->clear();
    const std::string text = ToAnsi(text_rech->text());
    if (text.size() < 2) {
        list_rech->addItem(
            QStringLiteral("Veuillez indiquer au minimum 2 lettres pour "
                           "éfféctuer la recherche"));
        return;
    }
    list_rech->addItem(QStringLiteral("Recherche en cours ..."));
    const std::string_view code =
        combo_rech_type->currentIndex() == 1 ? codes::SearchByTown : codes::SearchByNickname;
    context_.session.SendLine(UserSearchLine(code, text, kAnyClass, kAnyClass));
}
