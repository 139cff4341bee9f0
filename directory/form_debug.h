#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "program/standard_window.h"

class QListWidget;
class QLineEdit;
class QPushButton;

// The debug console: every diagnostic line, coloured by category, and a line to send raw
// chat lines typed by hand.
class Tform_debug : public StandardWindow {
    Q_OBJECT
  public:
    using LineSender = std::function<void(const std::string& line)>;

    // The console keeps the newest lines: every inbound line leaves one, and a busy room would
    // otherwise fill the memory in a long session. Once full it holds between kKeptLines and
    // kKeptLines + kKeptLines / 10 lines: the oldest go a tenth at a time.
    static constexpr int kKeptLines = 10000;

    explicit Tform_debug(WindowContext& context, QWidget* parent = nullptr);

    // Adds text + "\n" + category name to list_debug and scrolls by one line.
    void Append(const std::string& text, std::uint8_t category);
    // The main window enables the edit, "Envoyer" and "Insérer une tabulation" while the
    // chat connection is up.
    void SetSendEnabled(bool enabled);
    // Where typed lines go; the session's SendLine unless replaced.
    void SetLineSender(LineSender sender);

    QListWidget* list_debug;
    QLineEdit* text_debug;
    QPushButton* btn_envoyer;
    QPushButton* btn_tab;
    QPushButton* FlatButton1;
    QPushButton* btn_detail;
    QPushButton* btn_effacer;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void btn_envoyerClick();
    void btn_tabClick();
    void FlatButton1Click();
    void btn_detailClick();
    void btn_effacerClick();

    LineSender send_;
};
