#pragma once

#include <QDialog>

// The start-up picture with the program's name and version; it closes itself after 3 s,
// so exec() shows it modally for that long.
class Tform_splash : public QDialog {
    Q_OBJECT
  public:
    explicit Tform_splash(QWidget* parent = nullptr);

    static constexpr int kShowMilliseconds = 3000;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
