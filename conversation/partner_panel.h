#pragma once

#include <QFrame>
#include <string>

class QLabel;
class QPushButton;

// The side panel of a private window: who the partner is (nickname in the colour of their sex,
// age, sex letter, town) and the buttons that act on the partner or end the conversation.
class PartnerPanel : public QFrame {
    Q_OBJECT
  public:
    explicit PartnerPanel(QWidget* parent = nullptr);

    // sex: "1" man, "0" woman, anything else unknown. Texts are Windows-1252.
    void SetPartner(const std::string& alias, const std::string& age, const std::string& sex,
                    const std::string& town);

    QLabel* lbl_pseudo;
    QLabel* lbl_age;
    QLabel* lbl_sexe;
    QLabel* lbl_ville;
    QPushButton* btn_profil;
    QPushButton* btn_mail;
    QPushButton* btn_ignorer;
    QPushButton* FlatButton6;
    QPushButton* FlatButton5;
};
