#pragma once

#include <QLabel>
#include <QTimer>

// A small tinted hint shown beside the mouse (member details over a nickname), which hides
// itself after a while. Its text is plain text, never markup.
class HintWindow : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kShowMilliseconds = 2500;

    explicit HintWindow(QWidget* parent = nullptr);

    // Shows the text tinted with the colour, just below and right of the global position.
    void ShowHint(const QString& text, const QColor& tint, const QPoint& global_pos);
    bool IsShown() const { return isVisible(); }

  private:
    QTimer hide_timer_;
};
