#include "main/window_registry.h"

#include <algorithm>
#include <cctype>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "auxiliary/form_browser.h"
#include "config/form_connex.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_debug.h"
#include "directory/form_infos.h"
#include "directory/form_salons.h"
#include "main/window_disposal.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"
#include "widgets/mdi_tab.h"

namespace {

enum TabIcon {
    kIconConnexion = 0,
    kIconDebug = 2,
    kIconNews = 1,
    kIconRoomList = 3,
    kIconSearch = 4,
    kIconInfos = 5,
    kIconFriends = 6,
    kIconRoom = 7,
    kIconPrivate = 8,
    kIconProfile = 9,
    kIconMail = 10,
};

// A nickname in an address: "&", "#", "?", "/" or a blank would change what the page is
// asked for, so every ASCII byte but letters, digits and "-._~" travels %-coded. Accented
// letters stay as they are: the address coding turns them into UTF-8.
std::string QueryValue(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string coded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || std::isalnum(byte) != 0 || c == '-' || c == '.' || c == '_' ||
            c == '~') {
            coded += c;
        } else {
            coded += '%';
            coded += kHex[byte >> 4];
            coded += kHex[byte & 0x0F];
        }
    }
    return coded;
}

// The user cannot close a standard window: its Close item is greyed.
void GreyCloseItem(QMdiSubWindow* window) {
    window->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint);
    for (QAction* action : window->systemMenu()->actions()) {
        if (action->shortcuts().contains(QKeySequence(QKeySequence::Close))) {
            action->setEnabled(false);
        }
    }
}

}  // namespace

WindowRegistry::WindowRegistry(WindowContext& context, QMdiArea& area, MDITab& tabs,
                               AddTab add_tab, RegistryMenuItems items)
    : context_(context), area_(area), tabs_(tabs), add_tab_(std::move(add_tab)), items_(items) {}

// No dialog runs any more when the main window goes: what still waits goes now, while the
// session and the state that the windows reach are there.
WindowRegistry::~WindowRegistry() {
    CloseAllWindows();
    CloseConnexWindow();
    for (const QPointer<QWidget>& window : leaving_) delete window.data();
}

Tform_debug* WindowRegistry::DebugWindow() const {
    return form_debug;
}
Tform_browser* WindowRegistry::NewsWindow() const {
    return form_news;
}
Tform_salons* WindowRegistry::RoomListWindow() const {
    return form_salons;
}
Tform_connectes* WindowRegistry::SearchWindow() const {
    return form_connectes;
}
Tform_infos* WindowRegistry::InfoWindow() const {
    return form_infos;
}
Tform_amis* WindowRegistry::FriendsWindow() const {
    return form_amis;
}
Tform_salon* WindowRegistry::RoomWindow() const {
    return form_salon;
}
Tform_connex* WindowRegistry::ConnexWindow() const {
    return form_connex;
}

QMdiSubWindow* WindowRegistry::AddChild(QWidget* form, int icon) {
    QMdiSubWindow* window = area_.addSubWindow(form);
    window->setWindowIcon(QIcon(tabs_.Image(icon)));
    window->show();
    return window;
}

void WindowRegistry::AddStandard(QWidget* form, int icon, std::initializer_list<QAction*> items) {
    QMdiSubWindow* window = AddChild(form, icon);
    GreyCloseItem(window);
    for (QAction* item : items) {
        if (item) item->setEnabled(true);
    }
    add_tab_(window, icon);
}

void WindowRegistry::Dispose(QWidget* form) {
    if (!form) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    QWidget* window = sub ? sub : form;
    std::erase_if(leaving_, [](const QPointer<QWidget>& left) { return left.isNull(); });
    leaving_.emplace_back(window);
    DisposeWindow(window, [this, sub] {
        if (sub) area_.removeSubWindow(sub);
    });
}

template <typename Form>
void WindowRegistry::Close(QPointer<Form>& form, std::initializer_list<QAction*> items) {
    for (QAction* item : items) {
        if (item) item->setEnabled(false);
    }
    Dispose(form);
    form = nullptr;
}

void WindowRegistry::ShowChild(QWidget* form) {
    if (!form) return;
    auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    if (!window) return;
    if (window->isMinimized()) window->showNormal();
    area_.setActiveSubWindow(window);
}

void WindowRegistry::CreateDebugWindow() {
    auto* form = new Tform_debug(context_);
    form_debug = form;
    QMdiSubWindow* window = AddChild(form, kIconDebug);
    GreyCloseItem(window);
    window->showNormal();
    if (items_.debug) items_.debug->setEnabled(true);
    add_tab_(window, kIconDebug);
}

std::string WindowRegistry::IdentificationServerUrl() const {
    return "http://" + context_.session.IDAddress + ":" + std::to_string(context_.session.IDPort);
}

void WindowRegistry::OpenStandardWindows() {
    // The server may welcome twice: the second one finds them open.
    if (form_news || form_salons || form_connectes || form_infos || form_amis || form_salon) {
        return;
    }
    auto* news = new Tform_browser();
    news->setObjectName("form_news");
    news->setWindowTitle("News");
    news->RefuseClose();
    form_news = news;
    AddStandard(news, kIconNews, {});
    const TConfig& config = context_.state.Config;
    news->Navigate("http://" + config.AdrID.str() + ":" + config.PortID.str() + "/news");

    form_salons = new Tform_salons(context_);
    AddStandard(form_salons, kIconRoomList, {items_.room_list});
    form_connectes = new Tform_connectes(context_);
    AddStandard(form_connectes, kIconSearch, {items_.search});
    form_infos = new Tform_infos(context_);
    AddStandard(form_infos, kIconInfos, {items_.infos});
    form_amis = new Tform_amis(context_);
    AddStandard(form_amis, kIconFriends, {items_.friends});
    form_salon = new Tform_salon(context_);
    AddStandard(form_salon, kIconRoom, {items_.room, items_.statistics});

    if (tabs_.Count() > 2) tabs_.SetTabIndex(1);
    if (QMdiSubWindow* active = area_.activeSubWindow()) active->showMaximized();
}

void WindowRegistry::CloseAllWindows() {
    Close(form_debug, {items_.debug});
    Close(form_news);
    Close(form_salons, {items_.room_list});
    Close(form_connectes, {items_.search});
    Close(form_infos, {items_.infos});
    Close(form_amis, {items_.friends});
    Close(form_salon, {items_.room, items_.statistics});
    for (QPointer<Tform_prive>& window : PrivateWindows) Close(window);
    PrivateWindows.clear();
    for (QPointer<Tform_browser>& page : BrowserPages) Close(page);
    BrowserPages.clear();
    // The connection dialog keeps its own tab; only the tabs of the closed windows go.
    QWidget* connex = form_connex ? form_connex->parentWidget() : nullptr;
    for (int i = tabs_.Count() - 1; i >= 0; --i) {
        if (!connex || tabs_.Window(i) != connex) tabs_.RemoveTab(i);
    }
}

void WindowRegistry::OpenConnexWindow(const ConnexHooks& hooks) {
    auto* form = new Tform_connex(context_.session, context_.state, hooks);
    form_connex = form;
    add_tab_(AddChild(form, kIconConnexion), kIconConnexion);
}

void WindowRegistry::CloseConnexWindow() {
    Close(form_connex);
}

Tform_prive* WindowRegistry::PrivateWindow(int index) const {
    if (index < 0 || index >= static_cast<int>(PrivateWindows.size())) return nullptr;
    return PrivateWindows[index];
}

int WindowRegistry::FindPrivateWindow(const std::string& chat_id) const {
    for (int i = 0; i < static_cast<int>(PrivateWindows.size()); ++i) {
        if (PrivateWindows[i] && PrivateWindows[i]->ChatId() == chat_id) return i;
    }
    return -1;
}

int WindowRegistry::OpenPrivateWindow(const std::string& chat_id, const std::string& alias,
                                      const std::string& age, const std::string& sex,
                                      const std::string& town, const std::string& first_body,
                                      bool own) {
    if (chat_id == context_.session.ServerId.str()) return -1;
    const int slot = static_cast<int>(PrivateWindows.size());
    auto* form = new Tform_prive(context_);
    PrivateWindows.emplace_back(form);
    form->SetPartner(chat_id, alias, age, sex, town);
    form->SetSlotIndex(slot);
    QMdiSubWindow* window = AddChild(form, kIconPrivate);
    // Its own buttons end the conversation.
    GreyCloseItem(window);
    if (!first_body.empty()) form->AppendPrivateText(first_body, own);
    form->SetTabIndex(add_tab_(window, kIconPrivate));
    return slot;
}

Tform_browser* WindowRegistry::BrowserPage(int index) const {
    if (index < 0 || index >= static_cast<int>(BrowserPages.size())) return nullptr;
    return BrowserPages[index];
}

Tform_browser* WindowRegistry::OpenBrowserPage(const QString& caption, int icon,
                                               const std::string& url) {
    auto* page = new Tform_browser();
    BrowserPages.emplace_back(page);
    page->setWindowTitle(caption);
    Tform_browser::SetCookie("http://" + context_.session.IDAddress,
                             "IDENTIFIANT=" + context_.session.Cookie);
    QMdiSubWindow* window = AddChild(page, icon);
    page->Navigate(url);
    add_tab_(window, icon);
    return page;
}

void WindowRegistry::ShowPrivateWindow(int slot) {
    ShowChild(PrivateWindow(slot));
}

void WindowRegistry::ShowRoomWindow() {
    if (!form_salon) return;
    const int tab = tabs_.IndexOf(form_salon->parentWidget());
    if (tab >= 0) tabs_.SetTabIndexQuietly(tab);
    ShowChild(form_salon);
}

void WindowRegistry::ShowProfile(const std::string& alias) {
    OpenBrowserPage("Profil [" + FromAnsi(alias) + "]", kIconProfile,
                    IdentificationServerUrl() + "/scripts/profil?LOGIN=" + QueryValue(alias));
}

void WindowRegistry::ShowMailPage(const std::string& alias) {
    OpenBrowserPage("E-Mail [" + FromAnsi(alias) + "]", kIconMail,
                    IdentificationServerUrl() + "/cgi-bin/Compose?REPLYTO=" + QueryValue(alias) +
                        "@" + kMailDomain);
}
