#pragma once

class QEvent;

// Input lines that act on Enter also act on Alt+S (Alt alone: Alt+Shift+S is another key).
bool IsSendKey(const QEvent* event);
