#pragma once

#include <string>

#include "program/notification_sound.h"
#include "program/standard_window.h"

class BabiRichView;

// The information window (tab 4): server notices that concern no other window.
class Tform_infos : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_infos(WindowContext& context, QWidget* parent = nullptr);

    // One notice in bold red; marks the tab and plays the sound when tab 4 is not selected.
    void AddInfoLine(const std::string& text);

    bool HasNewText() const { return new_text_; }
    void SetNewText(bool flag) { new_text_ = flag; }
    void SetSoundPlayer(SoundPlayer player);

    BabiRichView* Rich_Infos;

  private:
    bool new_text_ = false;
    SoundPlayer play_sound_;
};
