#include "directory/form_salons_rech.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "directory/room_entry.h"
#include "directory/room_item_painter.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"

namespace {

constexpr int kItemHeight = 16;

}  // namespace

Tform_salons_rech::Tform_salons_rech(const QStringList& items, int* last_selected,
                                     LineSender send, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      list_rechsalons(new BabiListBox(this)),
      btn_rejoindre(new QPushButton(QStringLiteral("Rejoindre le salon"), this)),
      btn_annuler(new QPushButton(QStringLiteral("Annuler"), this)),
      send_line_(std::move(send)) {
    setObjectName("form_salons_rech");
    setWindowTitle(QStringLiteral("Recherche de salons"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(300, 360);
    list_rechsalons->setObjectName("list_rechsalons");
    list_rechsalons->SetLastSelectedIndex(last_selected);
    list_rechsalons->SetItemHeight(kItemHeight);
    list_rechsalons->SetItemPainter(
        [](QPainter& painter, const QRect& rect, int, const QString& item, bool) {
            PaintRoomItem(painter, rect, item);
        });
    list_rechsalons->SetItems(items);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btn_rejoindre);
    buttons->addWidget(btn_annuler);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Résultat de la recherche ..."), this));
    layout->addWidget(list_rechsalons, 1);
    layout->addLayout(buttons);

    connect(btn_rejoindre, &QPushButton::clicked, this, &Tform_salons_rech::JoinSelected);
    connect(list_rechsalons, &QListWidget::itemDoubleClicked, this,
            &Tform_salons_rech::JoinSelected);
    connect(btn_annuler, &QPushButton::clicked, this, &QWidget::close);
}

void Tform_salons_rech::JoinSelected() {
    if (list_rechsalons->currentRow() < 0) return;
    const RoomEntry entry = ParseRoomEntry(ToAnsi(list_rechsalons->CurrentItemText()));
    if (entry.IsPlaceholder()) return;
    send_line_(JoinRoomLine(entry.raw_name.str(), "0"));
    close();
}
