#pragma once

#include <QWidget>

#include "program/window_context.h"

class QLabel;

// The statistics of the room the user is in: its creator, its name and how many men, women
// and members of no given sex it holds. It follows the room's member list while it is open.
class Tform_stats : public QWidget {
    Q_OBJECT
  public:
    explicit Tform_stats(WindowContext& context, QWidget* parent = nullptr);

    // Reads the room counts again, and the creator from the room list when it has the room.
    void Refresh();

    QLabel* lbl_createur;
    QLabel* lbl_salon;
    QLabel* lbl_hommes;
    QLabel* lbl_femmes;
    QLabel* lbl_indetermines;
    QLabel* lbl_total;

  private:
    WindowContext& context_;
};
