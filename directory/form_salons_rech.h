#pragma once

#include <QWidget>
#include <string>

#include "program/line_sender.h"

class BabiListBox;
class QPushButton;

// The rooms that a search of the room list found, in the room list's order; joining one
// closes the window, which frees itself once closed.
class Tform_salons_rech : public QWidget {
    Q_OBJECT
  public:
    Tform_salons_rech(const QStringList& items, int* last_selected, LineSender send,
                      QWidget* parent = nullptr);

    BabiListBox* list_rechsalons;
    QPushButton* btn_rejoindre;
    QPushButton* btn_annuler;

  private:
    void JoinSelected();

    LineSender send_line_;
};
