#pragma once

#include <optional>
#include <string>
#include <vector>

#include "directory/popup_target.h"
#include "directory/user_results.h"
#include "program/standard_window.h"

class BabiListBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class SexComboBox;
struct UserEntry;

// The connected-user search: searches by the start of a nickname or a town ("56"/"58"),
// shows the results, acts on the chosen person and shows the number of connected users.
class Tform_connectes : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_connectes(WindowContext& context, QWidget* parent = nullptr);

    // Results of a search for either sex: records of eight fields from field 1 on.
    void FillUserResults(const std::vector<std::string>& fields);
    // Results of a search for one sex ("-1", "0" or "1"): records of seven fields.
    void FillUserResultsOneSex(const std::vector<std::string>& fields,
                               const std::string& criterion);
    // Clears the results and shows the single item "Aucune personne ne correspond ...".
    void ShowNoResult();
    void SetConnectedCount(const std::string& text);

    // Focus in the search text and a new count of connected users, on every activation.
    void Activated();

    BabiListBox* list_rech;
    QComboBox* combo_rech_type;
    QLineEdit* text_rech;
    SexComboBox* combo_rech_sexe;
    QComboBox* combo_rech_age;
    QPushButton* btn_rech;
    QPushButton* btn_pv;
    QPushButton* btn_salon;
    QPushButton* btn_ignorer;
    QPushButton* btn_profil;
    QPushButton* FlatButton1;
    QLabel* lbl_nb_connectes;
    QPushButton* btn_refresh;
    QMenu* popup;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void BuildPopup();
    void ShowItems(const std::vector<std::string>& items);
    void ShowMessage(const char* item);

    void btn_rechClick();
    void btn_refreshClick();

    // The person of the selected item, or of the item under the last right click.
    std::optional<UserEntry> SelectedPerson() const;
    std::optional<UserEntry> PopupPerson() const;
    std::optional<UserEntry> PersonOf(const QString& item) const;

    void OpenPrivate(const UserEntry& person);
    void JoinRoom(const UserEntry& person);
    void ShowMail(const UserEntry& person);
    void ShowProfile(const UserEntry& person);
    void ToggleIgnore(const UserEntry& person);

    // The person under the last right click.
    PopupTarget popup_target_;
    QMetaObject::Connection activation_;
};
