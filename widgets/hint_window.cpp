#include "widgets/hint_window.h"

namespace {

// Clear of the mouse pointer.
constexpr QPoint kOffset(12, 16);

}  // namespace

HintWindow::HintWindow(QWidget* parent) : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName("hint_window");
    setTextFormat(Qt::PlainText);
    setMargin(3);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_ShowWithoutActivating);
    hide_timer_.setSingleShot(true);
    hide_timer_.setInterval(kShowMilliseconds);
    connect(&hide_timer_, &QTimer::timeout, this, &QWidget::hide);
}

void HintWindow::ShowHint(const QString& text, const QColor& tint, const QPoint& global_pos) {
    setText(text);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, tint);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    adjustSize();
    move(global_pos + kOffset);
    show();
    hide_timer_.start();
}
