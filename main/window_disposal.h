#pragma once

#include <functional>

class QWidget;

// Destroys a window that has left the MDI area, never under a running dialog or menu. Its own
// dialogs and menus are cancelled; a dialog's exec() may still have the window's code below it
// on the stack, and so may a dialog of the main window that the window opened (the
// configuration): the window is deleted later, once every modal dialog that ran when it left
// has been destroyed, its menus have returned, and nothing runs any more. The dialogs of the
// program are all gone once they return (on the stack, deleted by their caller or on close).
// leave takes it out of the program's view (the MDI area) once its running dialogs and menus
// are noted.
void DisposeWindow(QWidget* window, const std::function<void()>& leave);
