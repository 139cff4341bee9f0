#pragma once

#include <QDialog>

class QPushButton;

// "A Propos ...": name, version and credits.
class Tform_about : public QDialog {
    Q_OBJECT
  public:
    explicit Tform_about(QWidget* parent = nullptr);

    QPushButton* btn_ok;
};
