#include "main/window_disposal.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

namespace {

std::vector<QPointer<QDialog>> RunningDialogs() {
    std::vector<QPointer<QDialog>> running;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && dialog->isVisible() && dialog->isModal()) running.emplace_back(dialog);
    }
    return running;
}

std::vector<QPointer<QMenu>> ShownMenus(QWidget* window) {
    std::vector<QPointer<QMenu>> menus;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (menu->isVisible()) menus.emplace_back(menu);
    }
    return menus;
}

void Dispose(QWidget* window, const std::function<void()>& leave) {
    // What runs is noted first: leaving the area may already close a menu.
    const std::vector<QPointer<QDialog>> running = RunningDialogs();
    const std::vector<QPointer<QMenu>> menus = ShownMenus(window);
    if (leave) leave();
    window->hide();
    for (QDialog* dialog : window->findChildren<QDialog*>()) {
        if (dialog->isVisible()) dialog->reject();
    }
    if (running.empty() && menus.empty()) {
        window->deleteLater();
        return;
    }
    auto left = std::make_shared<std::size_t>(running.size() + menus.size());
    const auto one_less = [window, left] {
        if (--*left == 0) Dispose(window, {});
    };
    for (const QPointer<QDialog>& dialog : running) {
        QObject::connect(dialog, &QObject::destroyed, window, one_less);
    }
    // A menu that a button runs is not destroyed: its exec() returns once its loop has seen
    // it hidden, before the loop below it handles the next posted events.
    for (const QPointer<QMenu>& menu : menus) {
        if (!menu) {
            one_less();
            continue;
        }
        if (!menu->isVisible()) {
            QMetaObject::invokeMethod(window, one_less, Qt::QueuedConnection);
            continue;
        }
        QObject::connect(menu, &QMenu::aboutToHide, window, one_less,
                         static_cast<Qt::ConnectionType>(Qt::QueuedConnection |
                                                         Qt::SingleShotConnection));
        menu->close();
    }
}

}  // namespace

void DisposeWindow(QWidget* window, const std::function<void()>& leave) {
    Dispose(window, leave);
}
