#include "directory/form_amis.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "conversation/form_prive.h"
#include "directory/notification_sound.h"
#include "directory/send_key.h"
#include "program/chat_windows.h"
#include "program/dispatch_fields.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"

namespace {

constexpr int kFriendsTab = 5;
constexpr std::size_t kInfoRecord = 7;
constexpr int kMaxStatusLine = 255;
const std::string kGone = "null";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

struct ListedFriend {
    std::string text;
    QColor colour;
};

}  // namespace

Tform_amis::Tform_amis(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      list_amis(new QListWidget(this)),
      lbl_etat(new QLabel(this)),
      text_etat(new QLineEdit(this)) {
    setObjectName("form_amis");
    setWindowTitle(QStringLiteral("Ami(e)s"));
    list_amis->setObjectName("list_amis");
    lbl_etat->setObjectName("lbl_etat");
    text_etat->setObjectName("text_etat");
    text_etat->setMaxLength(kMaxStatusLine);
    text_etat->installEventFilter(this);
    auto* btn_diffuser = new QPushButton(QStringLiteral("Diffuser"), this);
    btn_diffuser->setObjectName("btn_diffuser");
    btn_diffuser->setToolTip(QStringLiteral("Diffuser votre nouvel état"));
    btn_diffuser->setAutoDefault(false);

    auto* current = new QHBoxLayout;
    current->addWidget(new QLabel(QStringLiteral("Etat actuel :"), this));
    current->addWidget(lbl_etat, 1);
    auto* next = new QHBoxLayout;
    next->addWidget(new QLabel(QStringLiteral("Nouvel etat :"), this));
    next->addWidget(text_etat, 1);
    next->addWidget(btn_diffuser);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel(QStringLiteral("Liste de mes ami(e)s"), this));
    layout->addWidget(list_amis, 1);
    layout->addLayout(current);
    layout->addLayout(next);

    connect(btn_diffuser, &QPushButton::clicked, this, &Tform_amis::SendStatus);
}

void Tform_amis::AddFriends(const std::vector<std::string>& fields, bool reset) {
    if (reset) friends_.clear();
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::string& entry = fields[i];
        const std::size_t colon = entry.find(':');
        const std::string nickname = entry.substr(0, colon);
        const std::string after = colon == std::string::npos ? "" : entry.substr(colon + 1);
        const std::size_t zero = after.find('0');
        const std::string account = zero == std::string::npos ? "" : after.substr(zero + 1);
        FriendRecord record;
        record.nickname = nickname;
        record.account = account;
        const bool known = std::any_of(friends_.begin(), friends_.end(), [&](const auto& f) {
            return f.nickname == record.nickname.str() && f.account == record.account.str();
        });
        if (!known) friends_.push_back(record);
    }
    RebuildFriendsList();
}

void Tform_amis::UpdateFriendInfo(const std::vector<std::string>& fields) {
    for (std::size_t j = 1; j + 1 < fields.size(); j += kInfoRecord) {
        for (FriendRecord& record : friends_) {
            if (record.nickname != FieldAt(fields, j + 1)) continue;
            record.chat_id = FieldAt(fields, j);
            record.age = FieldAt(fields, j + 3);
            record.sex = FieldAt(fields, j + 4);
            record.town = FieldAt(fields, j + 5);
            record.status = FieldAt(fields, j + 6);
        }
    }
    RebuildFriendsList();
}

void Tform_amis::MarkFriendsGone(const std::vector<std::string>& fields) {
    for (std::size_t i = 1; i + 1 < fields.size(); i += 2) {
        for (FriendRecord& record : friends_) {
            if (record.nickname != fields[i]) continue;
            const int slot = context_.windows.FindPrivateWindow(record.chat_id);
            record.chat_id = kGone;
            if (Tform_prive* window = context_.windows.PrivateWindow(slot)) {
                window->NotifyFriendGone();
            }
        }
    }
    RebuildFriendsList();
}

void Tform_amis::RebuildFriendsList() {
    // Women, men, sex not given, then the friends who left.
    std::vector<ListedFriend> groups[4];
    for (const FriendRecord& record : friends_) {
        if (record.nickname.empty()) continue;
        const std::string head = record.nickname.str() + " - " + record.account.str() + " - ";
        if (record.chat_id == kGone) {
            groups[3].push_back({head + "n'est plus connect\xE9", QColor(128, 128, 128)});
        } else if (record.sex == "0") {
            groups[0].push_back({head + record.status.str(), QColor(255, 0, 255)});
        } else if (record.sex == "1") {
            groups[1].push_back({head + record.status.str(), QColor(0, 0, 255)});
        } else if (record.sex == "-1") {
            groups[2].push_back({head + record.status.str(), QColor(128, 128, 0)});
        }
    }
    list_amis->clear();
    for (auto& group : groups) {
        std::stable_sort(group.begin(), group.end(), [](const auto& a, const auto& b) {
            return Lower(a.text) < Lower(b.text);
        });
        for (const ListedFriend& listed : group) {
            auto* item = new QListWidgetItem(FromAnsi(listed.text));
            item->setForeground(listed.colour);
            list_amis->addItem(item);
        }
    }
    RaiseActivityAlert(context_, context_.windows.SelectedTab() == kFriendsTab, new_text_, {});
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
    return StandardWindow::eventFilter(watched, event);
}

void Tform_amis::SendStatus() {
    const std::string text = ToAnsi(text_etat->text());
    text_etat->clear();
    context_.session.SendLine(StatusLine(text));
}
