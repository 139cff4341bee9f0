#include "program/standard_window.h"

#include <QCloseEvent>

StandardWindow::StandardWindow(WindowContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {}

void StandardWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}
