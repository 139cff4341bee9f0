#include "widgets/send_key.h"

#include <QKeyEvent>

bool IsSendKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
    return key->key() == Qt::Key_S && key->modifiers() == Qt::AltModifier;
}
