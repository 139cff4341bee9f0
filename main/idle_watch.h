#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

// Notices when the user leaves the program alone for a while and when they come back. Input
// is a key press, a mouse button press or a turn of the wheel in any window of the program;
// moving the mouse over it is not.
class IdleWatch : public QObject {
    Q_OBJECT
  public:
    explicit IdleWatch(QObject* parent = nullptr);
    ~IdleWatch() override;

    // The quiet time before OnIdle, asked again at each input; zero or less never idles.
    std::function<std::chrono::milliseconds()> Delay;
    std::function<void()> OnIdle;
    // The first input after OnIdle, before the input itself is handled.
    std::function<void()> OnBack;

    // Starts counting the quiet time from now, as an input does.
    void Restart();
    bool IsIdle() const { return idle_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void TimedOut();

    QTimer timer_;
    bool idle_ = false;
};
