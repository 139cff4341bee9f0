#include <cctype>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

#include "auxiliary/form_browser.h"
#include "config/form_connex.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_debug.h"
#include "directory/form_infos.h"
#include "directory/form_salons.h"
#include "main/form_main.h"
#include "main/ignore_list.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"
#include "widgets/mdi_tab.h"

namespace {

enum TabIcon {
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

Tform_debug* Tform_main::DebugWindow() {
    return form_debug;
}
Tform_salons* Tform_main::RoomListWindow() {
    return form_salons;
}
Tform_connectes* Tform_main::SearchWindow() {
    return form_connectes;
}
Tform_infos* Tform_main::InfoWindow() {
    return form_infos;
}
Tform_amis* Tform_main::FriendsWindow() {
    return form_amis;
}
Tform_salon* Tform_main::RoomWindow() {
    return form_salon;
}
Tform_browser* Tform_main::NewsWindow() {
    return form_news;
}

QMdiSubWindow* Tform_main::AddChild(QWidget* form, int icon) {
    QMdiSubWindow* window = mdi_->addSubWindow(form);
    window->setWindowIcon(QIcon(mdi_tab_->Image(icon)));
    window->show();
    return window;
}

int Tform_main::AddTabWindow(QMdiSubWindow* window, int icon) {
    mdi_tab_->AddTab(window, icon, window->windowTitle());
    connect(window, &QWidget::windowTitleChanged, mdi_tab_, [this, window](const QString& title) {
        mdi_tab_->SetCaption(mdi_tab_->IndexOf(window), title);
    });
    const int selected = mdi_tab_->TabIndex();
    if (mdi_tab_->RowCount() > state_.TabRowCount) {
        ++state_.TabRowCount;
        Panel_MDITab->setFixedHeight(Panel_MDITab->height() + kAddTabRowGrowth);
    }
    return selected;
}

void Tform_main::DestroyChild(QWidget* form) {
    if (!form) return;
    if (auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        delete window;
    } else {
        delete form;
    }
}

void Tform_main::EnableWhileAlive(QWidget* form, QAction* action) {
    action->setEnabled(true);
    connect(form, &QObject::destroyed, action, [action] { action->setEnabled(false); });
}

void Tform_main::ShowChild(QWidget* form) {
    if (!form) return;
    auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    if (!window) return;
    if (window->isMinimized()) window->showNormal();
    mdi_->setActiveSubWindow(window);
}

void Tform_main::CreateDebugWindow() {
    auto* form = new Tform_debug(context_);
    form_debug = form;
    QMdiSubWindow* window = AddChild(form, kIconDebug);
    GreyCloseItem(window);
    window->showNormal();
    EnableWhileAlive(form, SM_A_Debug);
    AddTabWindow(window, kIconDebug);
}

std::string Tform_main::IdentificationServerUrl() const {
    return "http://" + Babillon.IDAddress + ":" + std::to_string(Babillon.IDPort);
}

void Tform_main::OpenStandardWindows() {
    auto* news = new Tform_browser();
    news->setObjectName("form_news");
    news->setWindowTitle("News");
    news->RefuseClose();
    form_news = news;
    QMdiSubWindow* news_window = AddChild(news, kIconNews);
    GreyCloseItem(news_window);
    AddTabWindow(news_window, kIconNews);
    news->Navigate("http://" + state_.Config.AdrID.str() + ":" + state_.Config.PortID.str() +
                   "/news");

    auto add_standard = [this](QWidget* form, int icon, QAction* action) {
        QMdiSubWindow* window = AddChild(form, icon);
        GreyCloseItem(window);
        EnableWhileAlive(form, action);
        AddTabWindow(window, icon);
    };
    form_salons = new Tform_salons(context_);
    add_standard(form_salons, kIconRoomList, SM_A_Salons);
    form_connectes = new Tform_connectes(context_);
    add_standard(form_connectes, kIconSearch, SM_A_Connectes);
    form_infos = new Tform_infos(context_);
    add_standard(form_infos, kIconInfos, SM_A_Infos);
    form_amis = new Tform_amis(context_);
    add_standard(form_amis, kIconFriends, SM_A_Amis);
    form_salon = new Tform_salon(context_);
    add_standard(form_salon, kIconRoom, SM_A_Salon);
    EnableWhileAlive(form_salon, SM_Stats);

    if (mdi_tab_->Count() > 2) mdi_tab_->SetTabIndex(1);
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) active->showMaximized();
}

void Tform_main::CloseAllWindows() {
    for (QWidget* form :
         std::initializer_list<QWidget*>{form_debug, form_news, form_salons, form_connectes,
                                         form_infos, form_amis, form_salon}) {
        DestroyChild(form);
    }
    for (QPointer<Tform_prive>& window : PrivateWindows) {
        DestroyChild(window);
        window = nullptr;
    }
    PrivateWindows.clear();
    for (QPointer<Tform_browser>& page : BrowserPages) {
        DestroyChild(page);
        page = nullptr;
    }
    BrowserPages.clear();
    // The connection dialog keeps its own tab; only the tabs of the closed windows go.
    for (int i = mdi_tab_->Count() - 1; i >= 0; --i) {
        if (!form_connex || TabForm(i) != form_connex) mdi_tab_->RemoveTab(i);
    }
}

Tform_prive* Tform_main::PrivateWindow(int index) {
    if (index < 0 || index >= static_cast<int>(PrivateWindows.size())) return nullptr;
    return PrivateWindows[index];
}

int Tform_main::FindPrivateWindow(const std::string& chat_id) {
    for (int i = 0; i < static_cast<int>(PrivateWindows.size()); ++i) {
        if (PrivateWindows[i] && PrivateWindows[i]->ChatId() == chat_id) return i;
    }
    return -1;
}

int Tform_main::OpenPrivateWindow(const std::string& chat_id, const std::string& alias,
                                  const std::string& age, const std::string& sex,
                                  const std::string& town, const std::string& first_body,
                                  bool own) {
    if (chat_id == Babillon.ServerId.str()) return -1;
    const int slot = static_cast<int>(PrivateWindows.size());
    auto* form = new Tform_prive(context_);
    PrivateWindows.emplace_back(form);
    form->SetPartner(chat_id, alias, age, sex, town);
    form->SetSlotIndex(slot);
    QMdiSubWindow* window = AddChild(form, kIconPrivate);
    // Its own buttons end the conversation.
    GreyCloseItem(window);
    if (!first_body.empty()) form->AppendPrivateText(first_body, own);
    form->SetTabIndex(AddTabWindow(window, kIconPrivate));
    return slot;
}

Tform_browser* Tform_main::BrowserPage(int index) const {
    if (index < 0 || index >= static_cast<int>(BrowserPages.size())) return nullptr;
    return BrowserPages[index];
}

Tform_browser* Tform_main::OpenBrowserPage(const QString& caption, int icon,
                                           const std::string& url) {
    auto* page = new Tform_browser();
    BrowserPages.emplace_back(page);
    page->setWindowTitle(caption);
    Tform_browser::SetCookie("http://" + Babillon.IDAddress, "IDENTIFIANT=" + Babillon.Cookie);
    QMdiSubWindow* window = AddChild(page, icon);
    page->Navigate(url);
    AddTabWindow(window, icon);
    return page;
}

void Tform_main::ShowPrivateWindow(int slot) {
    ShowChild(PrivateWindow(slot));
}

void Tform_main::ShowRoomWindow() {
    if (!form_salon) return;
    const int tab = mdi_tab_->IndexOf(form_salon->parentWidget());
    if (tab >= 0) mdi_tab_->SetTabIndexQuietly(tab);
    ShowChild(form_salon);
}

bool Tform_main::IsFriend(const std::string& alias) {
    return form_amis && form_amis->Friends().HasNickname(alias);
}

void Tform_main::ToggleIgnore(const std::string& chat_id) {
    ::ToggleIgnore(context_, chat_id);
}

void Tform_main::ShowProfile(const std::string& alias) {
    OpenBrowserPage("Profil [" + FromAnsi(alias) + "]", kIconProfile,
                    IdentificationServerUrl() + "/scripts/profil?LOGIN=" + QueryValue(alias));
}

void Tform_main::ShowMailPage(const std::string& alias) {
    OpenBrowserPage("E-Mail [" + FromAnsi(alias) + "]", kIconMail,
                    IdentificationServerUrl() + "/cgi-bin/Compose?REPLYTO=" + QueryValue(alias) +
                        "@" + kMailDomain);
}
