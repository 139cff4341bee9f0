#pragma once

#include <array>
#include <memory>
#include <string>

#include "program/window_context.h"

class IdleWatch;
class QAction;
class QMenu;
class QWidget;

// The private-message modes of the "Privés" menu: normal, no new private conversations,
// busy with a reason, answering machine; and the automatic busy mode after TimeOccupe
// minutes without input.
class PrivateModes {
  public:
    // The reason box opens over parent.
    PrivateModes(WindowContext& context, QWidget* parent);
    ~PrivateModes();
    PrivateModes(const PrivateModes&) = delete;
    PrivateModes& operator=(const PrivateModes&) = delete;

    // The four modes as one radio group, then "Configuration du répondeur ...".
    void FillMenu(QMenu* menu);

    void FonctionnementNormal1Click();
    void Pasdenouveaupriv1Click();
    void Occupe1Click();
    void Repondeur1Click();
    void Configurationdurpondeur1Click();

    // The settings changed: the automatic busy mode counts with the new delay.
    void RestartIdleWatch();
    // One minute of TimeOccupe, in milliseconds; tests shorten it.
    void SetAutoBusyMinute(int milliseconds);

  private:
    // Checks the mode's item and sets the mode and the busy flag; false when the mode was
    // already the current one.
    bool Enter(int mode);
    // Tells the server of the change from the mode left.
    void Tell(int from, int to, const std::string& reason);
    // Enters the mode and tells the server; send false changes only our side.
    void Choose(int mode, bool send = true);
    std::string AskBusyReason();
    void UserIdle();
    void UserBack();

    WindowContext& context_;
    QWidget* parent_;
    // The four items, by mode.
    std::array<QAction*, 4> items_{};
    std::unique_ptr<IdleWatch> idle_watch_;
    int auto_busy_minute_ms_ = 60000;
    // The mode the automatic busy mode left, -1 while it is not on.
    int auto_busy_from_ = -1;
};
