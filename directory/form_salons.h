#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "directory/popup_target.h"
#include "program/line_sender.h"
#include "program/standard_window.h"

class BabiListBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class Tform_salons_rech;

// The room list: public or permanent rooms as the server lists them, joining a room (listed,
// forced, by name, the program's own), favourite rooms kept in salons.vek, and searching the
// list with a wildcard pattern.
class Tform_salons : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_salons(WindowContext& context, QWidget* parent = nullptr);

    // Fields of a "90"/"94" line: groups of raw name, attribute, creator, member count.
    void FillRoomList(const std::vector<std::string>& fields);
    // The items of the list (Windows-1252), in list order.
    std::vector<std::string> RoomItems() const;

    void LoadFavourites();
    void AddFavourite(const std::string& name);
    void DeleteFavourite(const std::string& name);

    // Lines go to the session unless a sender is set (tests).
    void SetLineSender(LineSender send);
    // The results window of the last search while it is open.
    Tform_salons_rech* SearchResults() const;

    BabiListBox* list_dessalons;
    QLabel* lbl_nb_salons;
    QPushButton* btn_rejoindre_liste;  // "Rejoindre le salon"
    QPushButton* btn_forcer;           // "Forcer l'entrée"
    QPushButton* btn_salon_tamaris;    // "Salon Tamaris"
    QPushButton* FlatButton2;          // "Publics"
    QPushButton* FlatButton3;          // "Permanents"
    QLineEdit* text_salon;
    QPushButton* btn_prive;
    QPushButton* btn_public;
    QListWidget* list_salons_preferes;
    QPushButton* btn_rejoindre_pref;
    QPushButton* btn_add;
    QPushButton* btn_del;
    QLineEdit* text_rech;
    QPushButton* btn_rech;
    QPushButton* FlatButton6;
    QMenu* menu_salons;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildListPane();
    QWidget* BuildActionsPane();
    void BuildContextMenu();

    void SendLine(const std::string& line);
    void AskForList(const std::string& line);
    void EndForcedEntry();
    // The item of the room under the last right click, empty once it has left the list.
    QString MenuItem() const;
    void JoinListedRoom(const QString& item, bool forced);
    void JoinByName(const std::string& name, const char* kind);
    void ShowRoom();
    void StartSearch();
    void ShowSearchHelp();
    void btn_addClick();
    void btn_delClick();
    void JoinFavourite();
    void ShowError(const std::string& text);

    LineSender send_line_;
    PopupTarget menu_target_;  // the room under the mouse at the last right click
    QPointer<Tform_salons_rech> results_;
    bool unreadable_reported_ = false;  // once per window, not at every show
};
