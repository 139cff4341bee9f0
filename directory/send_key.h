#pragma once

class QEvent;

// Input lines that act on Enter also act on Alt+S.
bool IsSendKey(const QEvent* event);
