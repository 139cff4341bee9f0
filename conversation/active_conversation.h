#pragma once

class QWidget;

// Whether the user has this conversation window in front. Inside the main window the frame
// stays the active window whichever child is in front: there the window must be the active
// MDI child. On its own, it must be the active window.
bool IsActiveConversation(const QWidget& window);
