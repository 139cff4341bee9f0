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
class IdleWatch;
class MDITab;
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

// Options of the main window's start-up; tests turn the splash off.
struct MainWindowOptions {
    bool show_splash = true;
};

// The program's MDI frame: the session, the registry of child windows and their tab strip,
// the main menu and the status bar.
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
    bool IsFriend(const std::string& alias) override;
    void ShowStatistics() override;
    void OpenConfiguration(int page) override;
    void ShowProfile(const std::string& alias) override;
    void ShowMailPage(const std::string& alias) override;
    void CloseAllWindows() override;
    void CreateDebugWindow() override;
    void SetStatusPanel(int panel, const std::string& text) override;
    void SetRoomTabCaption(const std::string& caption) override;
    int SelectedTab() const override;
    void RepaintTabs() override;

    // Adds an MDI child to the tab strip; grows the tab panel by a row when the strip now
    // needs one more. Returns the selected tab index.
    int AddTabWindow(QMdiSubWindow* window, int icon);

    Tform_browser* NewsWindow();
    Tform_connex* ConnexWindow();
    int PrivateWindowCount() const { return static_cast<int>(PrivateWindows.size()); }
    int BrowserPageCount() const { return static_cast<int>(BrowserPages.size()); }
    Tform_browser* BrowserPage(int index) const;

    MDITab* Tabs() { return mdi_tab_; }
    QWidget* TabPanel() { return Panel_MDITab; }
    QMdiArea* MdiArea() { return mdi_; }
    QString StatusPanelText(int panel) const;
    QAction* ConnectionAction() { return SM_Connexion; }
    QMenu* PrivateMenu() { return Menu_Prives; }
    // One minute of TimeOccupe, in milliseconds; tests shorten it.
    void SetAutoBusyMinute(int milliseconds);
    ProgramState& State() { return state_; }
    WindowContext& Context() { return context_; }

    // The service's mail domain, for the e-mail pages.
    static constexpr const char* kMailDomain = "babillon.fr";

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Construction
    void BuildTabPanel();
    void BuildStatusBar();
    void BuildMenus();
    void BuildModulesMenu();
    void BuildToolsMenu();
    void BuildPrivateMenu();
    void BuildWindowsMenu();
    void BuildHelpMenu();
    void WireSession();

    // Registry
    QMdiSubWindow* AddChild(QWidget* form, int icon);
    void DestroyChild(QWidget* form);
    void EnableWhileAlive(QWidget* form, QAction* action);
    void ShowChild(QWidget* form);
    Tform_browser* OpenBrowserPage(const QString& caption, int icon, const std::string& url);
    std::string IdentificationServerUrl() const;
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

    // The private-message modes menu
    void FonctionnementNormal1Click();
    void Pasdenouveaupriv1Click();
    void Occupe1Click();
    void Repondeur1Click();
    void Configurationdurpondeur1Click();
    // Checks the mode's item, sets the mode and the busy flag and tells the server; nothing
    // when the mode is already the current one. send false changes only our side.
    void ChoosePrivateMode(int mode, const std::string& reason, bool send = true);
    std::string AskBusyReason();
    // TimeOccupe: busy after the user left the program alone, back on their next input.
    void WatchIdleness();
    void UserIdle();
    void UserBack();

    // Session events
    void BabillonConnect();
    void BabillonConnected();
    void BabillonDisconnected();
    void BabillonError(std::uint8_t error_code, std::uint8_t state);
    void BabillonChatWarning(const std::string& text);
    void BabillonDebug(const std::string& text, std::uint8_t category);

    // F1..F9 put the EasyPhrases into the conversation's input line.
    bool ApplicationEventsShortCut(int key);

    ProgramState& state_;
    WindowContext context_;
    std::unique_ptr<Dispatcher> dispatcher_;
    bool debug_created_on_show_ = false;

    // Registry
    QPointer<Tform_debug> form_debug;
    QPointer<Tform_browser> form_news;
    QPointer<Tform_salons> form_salons;
    QPointer<Tform_connectes> form_connectes;
    QPointer<Tform_infos> form_infos;
    QPointer<Tform_amis> form_amis;
    QPointer<Tform_salon> form_salon;
    std::vector<QPointer<Tform_prive>> PrivateWindows;
    std::vector<QPointer<Tform_browser>> BrowserPages;
    QPointer<Tform_connex> form_connex;
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
    QAction* SM_A_Debug = nullptr;
    QAction* SM_A_Salons = nullptr;
    QAction* SM_A_Connectes = nullptr;
    QAction* SM_A_Infos = nullptr;
    QAction* SM_A_Amis = nullptr;
    QAction* SM_A_Salon = nullptr;
    QAction* SM_Stats = nullptr;
    QMenu* Menu_Prives = nullptr;
    // The four items of the private-message modes, by mode.
    std::array<QAction*, 4> PrivateModeItems{};

    std::unique_ptr<IdleWatch> idle_watch_;
    int auto_busy_minute_ms_ = 60000;
    // The mode the automatic busy mode left, -1 while it is not on.
    int auto_busy_from_ = -1;
};
