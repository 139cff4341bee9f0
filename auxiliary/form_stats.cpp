#include "auxiliary/form_stats.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "auxiliary/room_creator.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"

namespace {

QLabel* Value(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return label;
}

}  // namespace

Tform_stats::Tform_stats(WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      lbl_createur(Value("lbl_createur", this)),
      lbl_salon(Value("lbl_salon", this)),
      lbl_hommes(Value("lbl_hommes", this)),
      lbl_femmes(Value("lbl_femmes", this)),
      lbl_indetermines(Value("lbl_indetermines", this)),
      lbl_total(Value("lbl_total", this)),
      context_(context) {
    setObjectName("form_stats");
    setWindowTitle(QStringLiteral("Statistiques sur le salon"));
    lbl_hommes->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(0, 0, 255);"));
    lbl_femmes->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(255, 0, 255);"));
    lbl_indetermines->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(128, 128, 0);"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Créateur :"), lbl_createur);
    fields->addRow(QStringLiteral("Salon :"), lbl_salon);
    fields->addRow(QStringLiteral("Hommes :"), lbl_hommes);
    fields->addRow(QStringLiteral("Femmes :"), lbl_femmes);
    fields->addRow(QStringLiteral("Indéterminé(e)s :"), lbl_indetermines);
    fields->addRow(QStringLiteral("Total :"), lbl_total);
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName("btn_fermer");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(close, 0, Qt::AlignRight);
    Refresh();
}

void Tform_stats::Refresh() {
    const RoomCounts& counts = context_.state.RoomCounts;
    lbl_createur->setText(FromAnsi(RoomCreator(context_.windows.ListedRooms(), counts.room)));
    lbl_salon->setText(FromAnsi(counts.room));
    lbl_hommes->setText(QString::number(counts.men));
    lbl_femmes->setText(QString::number(counts.women));
    lbl_indetermines->setText(QString::number(counts.unknown));
    lbl_total->setText(QString::number(counts.entries));
}
