#pragma once

#include <QWidget>
#include <string>

struct TConfig;
class QComboBox;
class QLineEdit;
class QPushButton;

// The colour box, the effect box, the input line and the send button shared by the room and
// private windows. The bar only composes: the window decides what a send does.
class CompositionBar : public QWidget {
    Q_OBJECT

  public:
    explicit CompositionBar(QWidget* parent = nullptr);

    // The boxes from DefColor and DefTaille (an index outside a box leaves that box as it is)
    // and the input line's font from Police.
    void ApplySettings(const TConfig& config);

    // Effect code + colour code of the current boxes.
    std::string Codes() const;

    QString Text() const;
    void SetText(const QString& text);

    QComboBox* combo_color;
    QComboBox* combo_taille;
    QLineEdit* text_envoi;
    QPushButton* btn_envoyer;

  signals:
    // The send button, Enter or Alt+S in the input line.
    void SendRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FollowColour();
};
