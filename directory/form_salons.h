#pragma once

#include <string>
#include <vector>

#include "directory/standard_window.h"

class QLabel;
class QLineEdit;
class QListWidget;

// The room list: public or permanent rooms as the server lists them.
class Tform_salons : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_salons(WindowContext& context, QWidget* parent = nullptr);

    // Fields of a "90"/"94" line: groups of raw name, attribute, creator, member count.
    void FillRoomList(const std::vector<std::string>& fields);

    QListWidget* list_dessalons;
    QLabel* lbl_nb_salons;
    QLineEdit* text_salon;

  private:
    void JoinSelectedRoom();
    void JoinTypedRoom();
};
