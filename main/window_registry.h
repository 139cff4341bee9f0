#pragma once

#include <QPointer>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "program/window_context.h"

class MDITab;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QString;
class QWidget;
class Tform_amis;
class Tform_browser;
class Tform_connectes;
class Tform_connex;
class Tform_debug;
class Tform_infos;
class Tform_prive;
class Tform_salon;
class Tform_salons;
struct ConnexHooks;

// The items of the main menu that show a registry window, enabled while it is open.
struct RegistryMenuItems {
    QAction* debug = nullptr;
    QAction* room_list = nullptr;
    QAction* search = nullptr;
    QAction* infos = nullptr;
    QAction* friends = nullptr;
    QAction* room = nullptr;
    QAction* statistics = nullptr;
};

// The main window's child windows, each in its MDI subwindow with a tab: the debug console,
// the standard windows of a connection, the private conversations, the browser pages and the
// connection dialog. A window that the registry closes leaves the area, its tab and its
// variable at once; it is destroyed later, never under one of its dialogs.
class WindowRegistry {
  public:
    // Adds a subwindow to the tab strip with the icon, returns the selected tab index.
    using AddTab = std::function<int(QMdiSubWindow* window, int icon)>;
    // The service's mail domain, for the e-mail pages.
    static constexpr const char* kMailDomain = "babillon.fr";

    WindowRegistry(WindowContext& context, QMdiArea& area, MDITab& tabs, AddTab add_tab,
                   RegistryMenuItems items);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    Tform_debug* DebugWindow() const;
    Tform_browser* NewsWindow() const;
    Tform_salons* RoomListWindow() const;
    Tform_connectes* SearchWindow() const;
    Tform_infos* InfoWindow() const;
    Tform_amis* FriendsWindow() const;
    Tform_salon* RoomWindow() const;
    Tform_connex* ConnexWindow() const;
    // The window in that slot, nullptr for an empty slot or a bad index.
    Tform_prive* PrivateWindow(int index) const;
    int PrivateWindowCount() const { return static_cast<int>(PrivateWindows.size()); }
    Tform_browser* BrowserPage(int index) const;
    int BrowserPageCount() const { return static_cast<int>(BrowserPages.size()); }

    // The debug console in normal state, in the tab strip with icon 2.
    void CreateDebugWindow();
    // The news, room list, search, information, friends and room windows, at the welcome;
    // nothing while they are open.
    void OpenStandardWindows();
    // Every window but the connection dialog, which keeps its tab.
    void CloseAllWindows();
    void CloseConnexWindow();
    void OpenConnexWindow(const ConnexHooks& hooks);

    int FindPrivateWindow(const std::string& chat_id) const;
    int OpenPrivateWindow(const std::string& chat_id, const std::string& alias,
                          const std::string& age, const std::string& sex, const std::string& town,
                          const std::string& first_body, bool own);
    void ShowProfile(const std::string& alias);
    void ShowMailPage(const std::string& alias);

    // Brings a registry window forward, restored when minimized.
    void ShowChild(QWidget* form);
    void ShowPrivateWindow(int slot);
    void ShowRoomWindow();

  private:
    QMdiSubWindow* AddChild(QWidget* form, int icon);
    void AddStandard(QWidget* form, int icon, std::initializer_list<QAction*> items);
    Tform_browser* OpenBrowserPage(const QString& caption, int icon, const std::string& url);
    std::string IdentificationServerUrl() const;
    template <typename Form>
    void Close(QPointer<Form>& form, std::initializer_list<QAction*> items = {});
    void Dispose(QWidget* form);

    WindowContext& context_;
    QMdiArea& area_;
    MDITab& tabs_;
    AddTab add_tab_;
    RegistryMenuItems items_;

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
    // Closed windows that wait for their dialogs to end.
    std::vector<QPointer<QWidget>> leaving_;
};
