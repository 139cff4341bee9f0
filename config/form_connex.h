#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TBabillon;
struct ProgramState;

// What the connection dialog asks of the main window. Each hook is called only when set.
struct ConnexHooks {
    // false when the dialog is created, true when it is destroyed: the "&Connexion" entry of
    // the main menu cannot open a second dialog meanwhile.
    std::function<void(bool enabled)> enable_connection_entry;
    // The caption of that menu entry ("&Connexion" when a connection starts).
    std::function<void(const QString& caption)> set_connection_caption;
    // Opens the configuration dialog on its connection page (or brings it forward on that
    // page) and returns once it is closed.
    std::function<void()> open_connection_settings;
};

// The connection dialog "Connexion au chat", an MDI child of the main window: the identity
// fields, the saved quick identities of "ID.vek", and the button that starts the session.
// It deletes itself when closed (with its MDI sub-window when it has one).
class Tform_connex : public QWidget {
    Q_OBJECT
  public:
    Tform_connex(TBabillon& session, ProgramState& state, ConnexHooks hooks = {},
                 QWidget* parent = nullptr);
    ~Tform_connex() override;

    QLineEdit* text_pseudo;
    QLineEdit* text_alias;
    QLineEdit* text_pass;
    QLineEdit* text_age;
    QComboBox* combo_sexe;
    QLineEdit* text_ville;
    QLineEdit* text_salon;
    QLineEdit* text_status;
    QCheckBox* check_amis;
    QGroupBox* group_id_rapide;
    QListWidget* list_id_rapide;
    QPushButton* btn_useid;
    QPushButton* btn_saveid;
    QPushButton* btn_delid;
    QPushButton* btn_propriete_connex;
    QPushButton* btn_connex;

    // Clears and refills the quick identities from "ID.vek", sorted by alias.
    void FillIdentityList();

    void btn_useidClick();
    void btn_saveidClick();
    void btn_delidClick();
    void btn_propriete_connexClick();
    void btn_connexClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    // The alias of the selected quick identity; empty without a selection.
    QString SelectedAlias() const;
    void CloseDialog();

    TBabillon& session_;
    ProgramState& state_;
    ConnexHooks hooks_;
    bool filled_ = false;  // from LastIdentity, on the first showing
};
