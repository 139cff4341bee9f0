#pragma once

#include <QWidget>

#include "program/window_context.h"

class QCloseEvent;

// A standard child window (room list, user search, infos, friends, debug console, room):
// the user cannot close it; only the main window destroys it (with delete, never close()).
class StandardWindow : public QWidget {
    Q_OBJECT
  public:
    StandardWindow(WindowContext& context, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* event) override;

    WindowContext& context_;
};
