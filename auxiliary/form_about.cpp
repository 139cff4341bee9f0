#include "auxiliary/form_about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "program/program_title.h"

Tform_about::Tform_about(QWidget* parent)
    : QDialog(parent), btn_ok(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName("form_about");
    setWindowTitle(QStringLiteral("A Propos ..."));
    btn_ok->setObjectName("btn_ok");
    btn_ok->setDefault(true);

    auto* name = new QLabel(QString::fromLatin1(kProgramName), this);
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version %1").arg(kProgramVersion), this);
    auto* purpose =
        new QLabel(QStringLiteral("Client de chat pour les salons du portail Babillon"), this);
    auto* credits = new QLabel(
        QStringLiteral("Réalisé avec Qt. Merci aux testeurs et aux habitués des salons."), this);
    credits->setWordWrap(true);
    for (QLabel* label : {name, version, purpose, credits}) {
        label->setAlignment(Qt::AlignHCenter);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addSpacing(8);
    layout->addWidget(credits);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

    connect(btn_ok, &QPushButton::clicked, this, &QDialog::accept);
}
