#include "directory/form_salons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "directory/room_names.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"

namespace {

constexpr std::size_t kRoomGroup = 4;
constexpr int kRawNameRole = Qt::UserRole;
constexpr int kMaxRoomName = 32;

}  // namespace

Tform_salons::Tform_salons(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      list_dessalons(new QListWidget(this)),
      lbl_nb_salons(new QLabel(QStringLiteral("0"), this)),
      text_salon(new QLineEdit(this)) {
    setObjectName("form_salons");
    setWindowTitle(QStringLiteral("Salons"));
    list_dessalons->setObjectName("list_dessalons");
    lbl_nb_salons->setObjectName("lbl_nb_salons");
    text_salon->setObjectName("text_salon");
    list_dessalons->setSortingEnabled(true);
    text_salon->setMaxLength(kMaxRoomName);
    text_salon->setPlaceholderText(QStringLiteral("Créer ou rejoindre un salon"));

    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Nombre de salons :"), this));
    count->addWidget(lbl_nb_salons, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel(QStringLiteral("Liste des salons publics ou permanents"), this));
    layout->addWidget(list_dessalons, 1);
    layout->addLayout(count);
    layout->addWidget(text_salon);

    connect(list_dessalons, &QListWidget::itemDoubleClicked, this, &Tform_salons::JoinSelectedRoom);
    connect(text_salon, &QLineEdit::returnPressed, this, &Tform_salons::JoinTypedRoom);
}

void Tform_salons::FillRoomList(const std::vector<std::string>& fields) {
    list_dessalons->clear();
    // Only whole groups make a room: the server closes the line with one more field.
    for (std::size_t i = 0; i + kRoomGroup <= fields.size(); i += kRoomGroup) {
        const std::string& raw_name = fields[i];
        const std::string count = fields[i + 3].substr(0, 2);
        auto* item = new QListWidgetItem(FromAnsi(RoomDisplayName(raw_name) + " (" + count + ")"));
        item->setData(kRawNameRole, FromAnsi(raw_name));
        item->setToolTip(
            FromAnsi("Cr\xE9"
                     "ateur : " +
                     fields[i + 2]));
        list_dessalons->addItem(item);
    }
    lbl_nb_salons->setText(QString::number(list_dessalons->count()));
}

void Tform_salons::JoinSelectedRoom() {
    QListWidgetItem* item = list_dessalons->currentItem();
    if (item == nullptr) return;
    context_.state.ForcedRoom.clear();
    context_.session.SendLine(JoinRoomLine(ToAnsi(item->data(kRawNameRole).toString()), "0"));
}

void Tform_salons::JoinTypedRoom() {
    context_.state.ForcedRoom.clear();
    context_.session.SendLine(JoinRoomLine(ToAnsi(text_salon->text()), "0"));
}
