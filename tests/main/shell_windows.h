#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_debug.h"
#include "directory/form_infos.h"
#include "directory/form_salons.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "program/window_context.h"
#include "session/babillon.h"
#include "widgets/babi_rich_view.h"

// A window registry over the real child windows, without the main window: each window is a
// plain top-level widget. It records what the main window would show (status panels, room
// tab caption) and how often the registry operations ran.
class ShellWindows : public ChatWindows {
  public:
    ShellWindows() : context_{session, state, *this} {}
    ~ShellWindows() override { CloseAllWindows(); }

    WindowContext& context() { return context_; }

    Tform_debug* DebugWindow() override { return debug_.get(); }
    Tform_salons* RoomListWindow() override { return salons_.get(); }
    Tform_connectes* SearchWindow() override { return connectes_.get(); }
    Tform_infos* InfoWindow() override { return infos_.get(); }
    Tform_amis* FriendsWindow() override { return amis_.get(); }
    Tform_salon* RoomWindow() override { return salon_.get(); }
    Tform_prive* PrivateWindow(int index) override {
        if (index < 0 || index >= static_cast<int>(privates_.size())) return nullptr;
        return privates_[index].get();
    }

    int FindPrivateWindow(const std::string& chat_id) override {
        for (std::size_t i = 0; i < privates_.size(); ++i) {
            if (privates_[i] && privates_[i]->ChatId() == chat_id) return static_cast<int>(i);
        }
        return -1;
    }
    int OpenPrivateWindow(const std::string& chat_id, const std::string& alias,
                          const std::string& age, const std::string& sex, const std::string& town,
                          const std::string& first_body, bool own) override {
        if (chat_id == session.ServerId.str()) return -1;
        const int slot = static_cast<int>(privates_.size());
        auto window = std::make_unique<Tform_prive>(context_);
        window->SetPartner(chat_id, alias, age, sex, town);
        window->SetSlotIndex(slot);
        window->SetTabIndex(kFirstPrivateTab + slot);
        if (!first_body.empty()) window->AppendPrivateText(first_body, own);
        privates_.push_back(std::move(window));
        return slot;
    }
    void ClosePrivateWindow(int slot) { privates_.at(slot).reset(); }
    void ClosePrivateWindows() { privates_.clear(); }
    int PrivateSlotCount() const { return static_cast<int>(privates_.size()); }

    void OpenStandardWindows() override {
        ++standard_opened;
        salons_ = std::make_unique<Tform_salons>(context_);
        connectes_ = std::make_unique<Tform_connectes>(context_);
        infos_ = std::make_unique<Tform_infos>(context_);
        amis_ = std::make_unique<Tform_amis>(context_);
        salon_ = std::make_unique<Tform_salon>(context_);
    }
    void ToggleIgnore(const std::string& chat_id) override { toggled.push_back(chat_id); }
    void ShowPrivateWindow(int slot) override { shown_private = slot; }
    void ShowRoomWindow() override { ++room_shown; }
    void ClearRoomConversation() override {
        if (salon_) salon_->rich_salon->Clear();
    }
    std::vector<std::string> ListedRooms() override {
        return salons_ ? salons_->RoomItems() : std::vector<std::string>{};
    }
    void NotifyFriendGone(const std::string& chat_id) override {
        if (Tform_prive* window = PrivateWindow(FindPrivateWindow(chat_id))) {
            window->NotifyFriendGone();
        }
    }
    bool IsFriend(const std::string& alias) override {
        return std::find(friends.begin(), friends.end(), alias) != friends.end();
    }
    void ShowStatistics() override { ++statistics_shown; }
    void OpenConfiguration(int page) override { configuration_pages.push_back(page); }
    void ShowProfile(const std::string& alias) override { profiles.push_back(alias); }
    void ShowMailPage(const std::string& alias) override { mail_pages.push_back(alias); }
    void CloseAllWindows() override {
        ++all_closed;
        debug_.reset();
        salons_.reset();
        connectes_.reset();
        infos_.reset();
        amis_.reset();
        salon_.reset();
        privates_.clear();
    }
    void CreateDebugWindow() override {
        ++debug_created;
        debug_ = std::make_unique<Tform_debug>(context_);
    }

    void SetStatusPanel(StatusPanel panel, const std::string& text) override {
        panels.at(static_cast<std::size_t>(panel)) = text;
    }
    void SetRoomTabCaption(const std::string& caption) override { room_tab_caption = caption; }
    int SelectedTab() const override { return selected_tab; }
    void RepaintTabs() override { ++tab_repaints; }

    static constexpr int kFirstPrivateTab = 7;

    TBabillon session;
    ProgramState state;
    std::array<std::string, 6> panels;
    std::string room_tab_caption;
    int selected_tab = 0;
    int tab_repaints = 0;
    int standard_opened = 0;
    int all_closed = 0;
    int debug_created = 0;
    std::vector<std::string> toggled;
    std::vector<std::string> profiles;
    std::vector<std::string> mail_pages;
    std::vector<std::string> friends;
    std::vector<int> configuration_pages;
    int shown_private = -1;
    int room_shown = 0;
    int statistics_shown = 0;

  private:
    WindowContext context_;
    std::unique_ptr<Tform_debug> debug_;
    std::unique_ptr<Tform_salons> salons_;
    std::unique_ptr<Tform_connectes> connectes_;
    std::unique_ptr<Tform_infos> infos_;
    std::unique_ptr<Tform_amis> amis_;
    std::unique_ptr<Tform_salon> salon_;
    std::vector<std::unique_ptr<Tform_prive>> privates_;
};
