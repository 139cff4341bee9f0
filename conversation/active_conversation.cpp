#include "conversation/active_conversation.h"

#include <QMdiArea>
#include <QMdiSubWindow>

bool IsActiveConversation(const QWidget& window) {
    if (const auto* child = qobject_cast<const QMdiSubWindow*>(window.parentWidget())) {
        const QMdiArea* area = child->mdiArea();
        return area != nullptr && area->currentSubWindow() == child;
    }
    return window.isActiveWindow();
}
