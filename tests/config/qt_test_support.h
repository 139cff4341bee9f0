#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Message and input boxes are modal: these helpers answer the next one that opens, from a
// timer that runs inside the box's own event loop.
class BoxAnswerer {
  public:
    // Clicks `button` on every message box that shows, recording the texts seen.
    explicit BoxAnswerer(QMessageBox::StandardButton button) {
        Watch([this, button](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box) return false;
            texts.append(box->text());
            box->button(button)->click();
            return true;
        });
    }
    // Types `answer` into every input box that shows and accepts it.
    explicit BoxAnswerer(const QString& answer) : BoxAnswerer(QStringList{answer}) {}
    // Types the answers in turn into the input boxes that show, the last one again when they
    // run out, recording each box's title and prompt.
    explicit BoxAnswerer(const QStringList& answers) {
        Watch([this, answers](QWidget* window) {
            auto* input = qobject_cast<QInputDialog*>(window);
            if (!input) return false;
            texts.append(input->windowTitle() + " / " + input->labelText());
            input->setTextValue(answers.value(answered, answers.back()));
            input->accept();
            return true;
        });
    }
    ~BoxAnswerer() { timer_.stop(); }

    QStringList texts;
    int answered = 0;

  private:
    void Watch(std::function<bool(QWidget*)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && answer(window)) {
                    ++answered;
                    return;
                }
            }
        });
        timer_.start(5);
    }
    QTimer timer_;
};
