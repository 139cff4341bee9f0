#include "main/qt_main_thread.h"

#include <QCoreApplication>
#include <QThread>
#include <utility>

QtMainThread::QtMainThread() = default;

QtMainThread::~QtMainThread() {
    if (net::InstalledMainThread() == this) net::InstallMainThread(nullptr);
}

void QtMainThread::Post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

bool QtMainThread::IsMainThread() const {
    return QThread::currentThread() == thread();
}
