#pragma once

#include <QLineEdit>

// A password field shows each typed character as "*", whatever mark the style would draw.
inline void ShowPasswordAsStars(QLineEdit* edit) {
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}
