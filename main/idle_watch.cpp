#include "main/idle_watch.h"

#include <QCoreApplication>
#include <QEvent>
#include <limits>

IdleWatch::IdleWatch(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &IdleWatch::TimedOut);
    QCoreApplication::instance()->installEventFilter(this);
}

IdleWatch::~IdleWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void IdleWatch::Restart() {
    const std::chrono::milliseconds delay = Delay ? Delay() : std::chrono::milliseconds(0);
    if (delay.count() <= 0) {
        timer_.stop();
        return;
    }
    // A timer counts in int milliseconds: a longer wait is as good as never.
    constexpr std::chrono::milliseconds longest(std::numeric_limits<int>::max());
    timer_.start(std::min(delay, longest));
}

void IdleWatch::TimedOut() {
    idle_ = true;
    if (OnIdle) OnIdle();
}

bool IdleWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            if (idle_) {
                idle_ = false;
                if (OnBack) OnBack();
            }
            Restart();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
