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

    // The boxes from DefColor and DefTaille, when the window is first shown: an index outside
    // a box leaves it without a selection, which sends effect "01" and colour "00".
    void ApplyDefaults(const TConfig& config);
    // The input line's font from Police; an empty name keeps the font.
    void ApplyFont(const TConfig& config);

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
