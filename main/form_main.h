#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "program/chat_windows.h"
#include "program/window_context.h"
#include "session/babillon.h"

class Dispatcher;
class MDITab;
class PrivateModes;
class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class Tform_browser;
class Tform_config;
class Tform_stats;
class Tform_connex;
class WindowRegistry;
struct RegistryMenuItems;

// Options of the main window's start-up; tests turn the splash off.
struct MainWindowOptions {
    bool show_splash = true;
};

// The program's MDI frame: the session, the registry of child windows and their tab strip,
// the main menu with the private-message modes, and the status bar.
class Tform_main : public QMainWindow, public ChatWindows {
    Q_OBJECT
  public:
    static constexpr int kStatusPanelCount = 6;
    static constexpr int kFirstPrivateTab = 7;
    static constexpr int kAddTabRowGrowth = 24;
    static constexpr int kResizeRowGrowth = 25;
    static constexpr int kTabPanelHeight = 28;

    explicit Tform_main(ProgramState& state, MainWindowOptions options = {},
                        QWidget* parent = nullptr);
    ~Tform_main() override;

    TBabillon Babillon;

    // ChatWindows
    Tform_debug* DebugWindow() override;
    Tform_salons* RoomListWindow() override;
    Tform_connectes* SearchWindow() override;
    Tform_infos* InfoWindow() override;
    Tform_amis* FriendsWindow() override;
    Tform_salon* RoomWindow() override;
    Tform_prive* PrivateWindow(int index) override;
    int FindPrivateWindow(const std::string& chat_id) override;
    int OpenPrivateWindow(const std::string& chat_id, const std::string& alias,
                          const std::string& age, const std::string& sex, const std::string& town,
                          const std::string& first_body, bool own) override;
    void OpenStandardWindows() override;
    void ToggleIgnore(const std::string& chat_id) override;
    void ShowPrivateWindow(int slot) override;
    void ShowRoomWindow() override;
    void ClearRoomConversation() override;
    std::vector<std::string> ListedRooms() override;
    void NotifyFriendGone(const std::string& chat_id) override;
    bool IsFriend(const std::string& alias) override;
    void ShowStatistics() override;
    void OpenConfiguration(int page) override;
    void ShowProfile(const std::string& alias) override;
    void ShowMailPage(const std::string& alias) override;
    void CloseAllWindows() override;
    void CreateDebugWindow() override;
    void SetStatusPanel(StatusPanel panel, const std::string& text) override;
    void SetRoomTabCaption(const std::string& caption) override;
    int SelectedTab() const override;
    void RepaintTabs() override;

    // Adds an MDI child to the tab strip; grows the tab panel by a row when the strip now
    // needs one more. Returns the selected tab index.
    int AddTabWindow(QMdiSubWindow* window, int icon);

    Tform_browser* NewsWindow();
    Tform_connex* ConnexWindow();
    int PrivateWindowCount() const;
    int BrowserPageCount() const;
    Tform_browser* BrowserPage(int index) const;

    MDITab* Tabs() { return mdi_tab_; }
    QWidget* TabPanel() { return Panel_MDITab; }
    QMdiArea* MdiArea() { return mdi_; }
    QString StatusPanelText(StatusPanel panel) const;
    QAction* ConnectionAction() { return SM_Connexion; }
    QMenu* PrivateMenu() { return Menu_Prives; }
    // One minute of TimeOccupe, in milliseconds; tests shorten it.
    void SetAutoBusyMinute(int milliseconds);
    ProgramState& State() { return state_; }
    WindowContext& Context() { return context_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Construction
    void BuildTabPanel();
    void BuildStatusBar();
    RegistryMenuItems BuildMenus();
    RegistryMenuItems BuildModulesMenu();
    void BuildToolsMenu();
    void BuildPrivateMenu();
    void BuildWindowsMenu();
    void BuildHelpMenu();
    void WireSession();

    QWidget* TabForm(int index) const;

    // Tab strip
    void MDITabChange(int index);
    void MDITabDrawTab(QPainter& painter, int index, const QRect& rect);
    void MDITabResize();
    bool IsTabHighlighted(int index) const;
    void SubWindowActivated(QMdiSubWindow* window);

    // Menu commands
    void SM_ConnexionClick();
    void ConfigurationClick();
    // The configuration dialog stored new settings: the background, the open conversations
    // and the automatic busy mode take them now.
    void TakeNewSettings();
    void AboutClick();
    void QuitClick();

    // Session events
    void BabillonConnect();
    void BabillonConnected();
    void BabillonDisconnected();
    void BabillonError(TVekError error_code, TVekState state);
    void BabillonChatWarning(const std::string& text);
    void BabillonDebug(const std::string& text, DebugCategory category);

    // F1..F9 put the EasyPhrases into the conversation's input line.
    bool ApplicationEventsShortCut(int key);

    ProgramState& state_;
    WindowContext context_;
    std::unique_ptr<Dispatcher> dispatcher_;
    bool debug_created_on_show_ = false;

    std::unique_ptr<PrivateModes> modes_;
    std::unique_ptr<WindowRegistry> registry_;
    QPointer<Tform_config> form_config;
    QPointer<Tform_stats> form_stats;
    // The one box that tells of chat connection trouble: a new warning replaces its text.
    QPointer<QMessageBox> chat_warning_;

    // Controls
    QWidget* Panel_MDITab = nullptr;
    MDITab* mdi_tab_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    std::array<QLabel*, kStatusPanelCount> status_panels_{};

    // Menu items
    QAction* SM_Connexion = nullptr;
    QMenu* Menu_Prives = nullptr;
};
