#include "conversation/partner_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ansi_text.h"
#include "widgets/windows_colour.h"

namespace {

constexpr int kPanelWidth = 170;

// The nickname colours of the conversation view.
QColor SexColour(const std::string& sex) {
    if (sex == "1") return FromWindowsColour(0xFF0000);
    if (sex == "0") return FromWindowsColour(0xC800FF);
    return FromWindowsColour(0x149B9B);
}

const char* SexLetter(const std::string& sex) {
    if (sex == "1") return "H";
    if (sex == "0") return "F";
    return "I";
}

QLabel* NewLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

PartnerPanel::PartnerPanel(QWidget* parent)
    : QFrame(parent),
      lbl_pseudo(NewLabel("lbl_pseudo", this)),
      lbl_age(NewLabel("lbl_age", this)),
      lbl_sexe(NewLabel("lbl_sexe", this)),
      lbl_ville(NewLabel("lbl_ville", this)),
      btn_profil(NewButton("btn_profil", QStringLiteral("Profil ..."), this)),
      btn_mail(NewButton("btn_mail", QStringLiteral("Envoyer E-Mail"), this)),
      btn_ignorer(NewButton("btn_ignorer", QStringLiteral("Ignorer ..."), this)),
      FlatButton6(NewButton("FlatButton6", QStringLiteral("Dialoguer"), this)),
      FlatButton5(NewButton("FlatButton5", QStringLiteral("Terminer"), this)) {
    setObjectName("panel_partenaire");
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFixedWidth(kPanelWidth);

    QFont nickname_font = lbl_pseudo->font();
    nickname_font.setBold(true);
    nickname_font.setPointSize(nickname_font.pointSize() + 2);
    lbl_pseudo->setFont(nickname_font);
    lbl_pseudo->setWordWrap(true);
    lbl_ville->setWordWrap(true);
    FlatButton6->setEnabled(false);
    FlatButton6->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lbl_pseudo);
    layout->addWidget(lbl_age);
    layout->addWidget(lbl_sexe);
    layout->addWidget(lbl_ville);
    layout->addSpacing(10);
    layout->addWidget(btn_profil);
    layout->addWidget(btn_mail);
    layout->addWidget(btn_ignorer);
    layout->addStretch(1);
    layout->addWidget(FlatButton6);
    layout->addWidget(FlatButton5);
}

void PartnerPanel::SetPartner(const std::string& alias, const std::string& age,
                              const std::string& sex, const std::string& town) {
    lbl_pseudo->setText(FromAnsi(alias));
    QPalette colours = lbl_pseudo->palette();
    colours.setColor(QPalette::WindowText, SexColour(sex));
    lbl_pseudo->setPalette(colours);
    lbl_age->setText(QStringLiteral("Age : ") + FromAnsi(age));
    lbl_sexe->setText(QStringLiteral("Sexe : ") + SexLetter(sex));
    lbl_ville->setText(QStringLiteral("Ville : ") + FromAnsi(town));
}
