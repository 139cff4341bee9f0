#include "directory/form_amis.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "directory/contact_pictures.h"
#include "directory/friend_item_painter.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/hint_window.h"
#include "widgets/send_key.h"

namespace {

constexpr int kFriendsTab = 5;
constexpr int kMaxStatusLine = 255;

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// A friend who left, or whose first information record has not come, has no chat id to
// talk to or to ignore.
bool Reachable(const FriendRecord& record) {
    return !record.chat_id.empty() && record.chat_id != kFriendGone;
}

// A friend is known by nickname and account, as the server names it.
QString FriendKey(const QString& item) {
    return BabiListBox::ItemLine(item, 0) + QLatin1Char('\n') + BabiListBox::ItemLine(item, 3);
}

}  // namespace

Tform_amis::Tform_amis(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      list_amis(new BabiListBox(this)),
      lbl_etat(new QLabel(this)),
      text_etat(new QLineEdit(this)),
      popup_target_(FriendKey) {
    setObjectName("form_amis");
    setWindowTitle(QStringLiteral("Ami(e)s"));
    list_amis->setObjectName("list_amis");
    list_amis->SetLastSelectedIndex(&context_.state.LastSelectedIndex);
    list_amis->SetItemPainter([](QPainter& painter, const QRect& rect, int, const QString& item,
                                 bool) { PaintFriendItem(painter, rect, item); });
    list_amis->viewport()->installEventFilter(this);
    lbl_etat->setObjectName("lbl_etat");
    lbl_etat->setTextFormat(Qt::PlainText);
    text_etat->setObjectName("text_etat");
    text_etat->setMaxLength(kMaxStatusLine);
    text_etat->installEventFilter(this);
    QPushButton* btn_diffuser = NamedButton("btn_diffuser", QStringLiteral("Diffuser"), this);
    btn_diffuser->setToolTip(QStringLiteral("Diffuser votre nouvel état"));

    auto* header = new QLabel(QStringLiteral("Liste de mes ami(e)s"), this);
    header->setObjectName("panel_header_amis");
    header->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_amis, 1);
    middle->addWidget(BuildContactPane());

    auto* current = new QHBoxLayout;
    current->addWidget(new QLabel(QStringLiteral("Etat actuel :"), this));
    current->addWidget(lbl_etat, 1);
    auto* next = new QHBoxLayout;
    next->addWidget(new QLabel(QStringLiteral("Nouvel etat :"), this));
    next->addWidget(text_etat, 1);
    next->addWidget(btn_diffuser);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(header);
    layout->addLayout(middle, 1);
    layout->addLayout(current);
    layout->addLayout(next);
    BuildPopup();

    connect(btn_diffuser, &QPushButton::clicked, this, &Tform_amis::SendStatus);
    connect(btn_pv, &QPushButton::clicked, this, [this] {
        if (const auto record = SelectedFriend()) OpenPrivate(*record);
    });
    connect(list_amis, &QListWidget::itemDoubleClicked, this, [this] {
        if (const auto record = SelectedFriend()) OpenPrivate(*record);
    });
    connect(btn_mail, &QPushButton::clicked, this, [this] {
        if (const auto record = SelectedFriend()) context_.windows.ShowMailPage(record->nickname);
    });
    connect(btn_profil, &QPushButton::clicked, this, [this] {
        if (const auto record = SelectedFriend()) context_.windows.ShowProfile(record->nickname);
    });
    connect(btn_ignorer, &QPushButton::clicked, this, [this] {
        if (const auto record = SelectedFriend()) ToggleIgnore(*record);
    });
}

QWidget* Tform_amis::BuildContactPane() {
    auto* pane = new QGroupBox(QStringLiteral(" Contacter cette personne ... "), this);
    btn_pv = NamedButton("btn_pv", QStringLiteral("Dialoguer en privé"), pane);
    btn_ignorer = NamedButton("btn_ignorer", QStringLiteral("Ignorer/Aut."), pane);
    btn_profil = NamedButton("btn_profil", QStringLiteral("Profil ..."), pane);
    btn_mail = NamedButton("btn_mail", QStringLiteral("Envoyer un E-Mail"), pane);
    auto* column = new QVBoxLayout(pane);
    for (QPushButton* button : {btn_pv, btn_ignorer, btn_profil, btn_mail}) {
        column->addWidget(button);
    }
    column->addStretch(1);
    return pane;
}

void Tform_amis::BuildPopup() {
    popup = new QMenu(this);
    popup->setObjectName("popup");
    auto add = [this](const QIcon& picture, const QString& caption, auto act) {
        connect(popup->addAction(picture, caption), &QAction::triggered, this, [this, act] {
            if (const auto record = PopupFriend()) act(*record);
        });
    };
    add(PrivatePicture(), QStringLiteral("Dialoguer en privé ..."),
        [this](const FriendRecord& r) { OpenPrivate(r); });
    add(MailPicture(), QStringLiteral("Envoyer un E-Mail ..."),
        [this](const FriendRecord& r) { context_.windows.ShowMailPage(r.nickname); });
    add(ProfilePicture(), QStringLiteral("Profil ..."),
        [this](const FriendRecord& r) { context_.windows.ShowProfile(r.nickname); });
    add(IgnorePicture(), QStringLiteral("Ignorer ..."),
        [this](const FriendRecord& r) { ToggleIgnore(r); });
}

void Tform_amis::SetSoundPlayer(SoundPlayer player) {
    play_sound_ = std::move(player);
}

void Tform_amis::AddFriends(const std::vector<std::string>& fields, bool reset) {
    const std::size_t dropped = friends_.AddEntries(fields, reset);
    if (dropped > 0) {
        context_.session.Debug(ToAnsi(QStringLiteral("Liste d'amis pleine (%1 au plus) : %2 "
                                                     "ami(e)s non ajouté(e)s")
                                          .arg(FriendList::kMaxFriends)
                                          .arg(dropped)),
                               DebugCategory::Warning);
    }
    RebuildFriendsList();
}

void Tform_amis::UpdateFriendInfo(const std::vector<std::string>& fields) {
    friends_.ApplyInfo(fields);
    RebuildFriendsList();
}

void Tform_amis::MarkFriendsGone(const std::vector<std::string>& fields) {
    friends_.MarkGone(fields, [this](const FriendRecord& record) {
        if (Reachable(record)) context_.windows.NotifyFriendGone(record.chat_id);
    });
    RebuildFriendsList();
}

void Tform_amis::RebuildFriendsList() {
    QStringList items;
    for (const std::string& item : FriendItems(friends_.Records())) items.append(FromAnsi(item));
    const QString selected = list_amis->CurrentItemText();
    list_amis->SetItems(items);
    // The same friend stays selected when its item did not change.
    const qsizetype row = selected.isEmpty() ? -1 : items.indexOf(selected);
    if (row >= 0) list_amis->setCurrentRow(static_cast<int>(row));
    SignalFriendsNews();
}

void Tform_amis::SignalFriendsNews() {
    RaiseActivityAlert(context_, context_.windows.SelectedTab() == kFriendsTab, new_text_,
                       play_sound_);
}

std::optional<FriendRecord> Tform_amis::SelectedFriend() const {
    const QString item = list_amis->CurrentItemText();
    if (item.isEmpty()) return std::nullopt;
    return ParseFriendEntry(ToAnsi(item));
}

std::optional<FriendRecord> Tform_amis::PopupFriend() const {
    const QString item = popup_target_.Item(*list_amis);
    if (item.isEmpty()) return std::nullopt;
    return ParseFriendEntry(ToAnsi(item));
}

void Tform_amis::OpenPrivate(const FriendRecord& record) {
    if (!Reachable(record)) return;
    ChatWindows& windows = context_.windows;
    const int slot = windows.FindPrivateWindow(record.chat_id);
    if (slot >= 0) {
        windows.ShowPrivateWindow(slot);
    } else {
        windows.OpenPrivateWindow(record.chat_id, record.nickname, record.age, record.sex,
                                  record.town, "", false);
    }
}

void Tform_amis::ToggleIgnore(const FriendRecord& record) {
    if (Reachable(record)) context_.windows.ToggleIgnore(record.chat_id);
}

void Tform_amis::SetStatusLabel(const std::string& text) {
    lbl_etat->setText(FromAnsi(text));
}

std::string Tform_amis::StatusInput() const {
    return ToAnsi(text_etat->text());
}

void Tform_amis::SetStatusInput(const std::string& text) {
    text_etat->setText(FromAnsi(text));
}

bool Tform_amis::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_etat && IsSendKey(event)) {
        SendStatus();
        return true;
    }
    if (watched == list_amis->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = list_amis->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::RightButton) {
            popup_target_.Remember(*list_amis, index.row());
            if (index.isValid()) list_amis->setCurrentRow(index.row());
            list_amis->Hint()->hide();
            popup->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return StandardWindow::eventFilter(watched, event);
}

void Tform_amis::SendStatus() {
    const std::string text = ToAnsi(text_etat->text()).substr(0, kMaxStatusLine);
    text_etat->clear();
    context_.session.SendLine(StatusLine(text));
}
