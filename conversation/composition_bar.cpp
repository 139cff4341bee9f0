#include "conversation/composition_bar.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "conversation/colour_box.h"
#include "conversation/composition.h"
#include "store/settings.h"
#include "widgets/ansi_text.h"
#include "widgets/send_key.h"

CompositionBar::CompositionBar(QWidget* parent)
    : QWidget(parent),
      combo_color(new ColourComboBox(this)),
      combo_taille(new QComboBox(this)),
      text_envoi(new QLineEdit(this)),
      btn_envoyer(new QPushButton(QStringLiteral("Envoyer"), this)) {
    setObjectName("composition_bar");
    combo_color->setObjectName("combo_color");
    combo_taille->setObjectName("combo_taille");
    text_envoi->setObjectName("text_envoi");
    btn_envoyer->setObjectName("btn_envoyer");

    combo_taille->addItems(EffectNames());
    btn_envoyer->setAutoDefault(false);
    btn_envoyer->setDefault(false);
    text_envoi->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(combo_color);
    layout->addWidget(combo_taille);
    layout->addWidget(text_envoi, 1);
    layout->addWidget(btn_envoyer);

    connect(combo_color, &QComboBox::currentIndexChanged, this, &CompositionBar::FollowColour);
    connect(btn_envoyer, &QPushButton::clicked, this, &CompositionBar::SendRequested);
    FollowColour();
}

void CompositionBar::ApplyDefaults(const TConfig& config) {
    const auto select = [](QComboBox* box, int index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    };
    select(combo_color, config.DefColor);
    select(combo_taille, config.DefTaille);
    FollowColour();
}

void CompositionBar::ApplyFont(const TConfig& config) {
    if (!config.Police.empty()) {
        QFont font = text_envoi->font();
        font.setFamily(FromAnsi(config.Police));
        text_envoi->setFont(font);
    }
}

std::string CompositionBar::Codes() const {
    return EffectCode(combo_taille->currentText()) + ColourCode(combo_color->currentText());
}

QString CompositionBar::Text() const {
    return text_envoi->text();
}

void CompositionBar::SetText(const QString& text) {
    text_envoi->setText(text);
}

bool CompositionBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_envoi && IsSendKey(event)) {
        emit SendRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CompositionBar::FollowColour() {
    QPalette palette = text_envoi->palette();
    palette.setColor(QPalette::Text, ColourOfName(combo_color->currentText()));
    text_envoi->setPalette(palette);
}
