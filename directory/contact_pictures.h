#pragma once

#include <QIcon>

// Pictures of the contact actions in the directory windows' context menus.
QIcon PrivatePicture();
QIcon MailPicture();
QIcon ProfilePicture();
// A red no-entry sign.
QIcon IgnorePicture();
