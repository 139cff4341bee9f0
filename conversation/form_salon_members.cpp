// The room window's member table, its list and the actions on a member.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

#include "conversation/active_conversation.h"
#include "conversation/form_salon.h"
#include "conversation/member_hint.h"
#include "conversation/member_list_view.h"
#include "program/chat_windows.h"
#include "program/ignore_list.h"
#include "program/program_state.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"
#include "widgets/hint_window.h"

void Tform_salon::SetMembers(const std::vector<std::string>& fields, bool clear) {
    if (clear) members_.Clear();
    members_.AddGroups(fields,
                       [this](const std::string& key) { return IsIgnored(context_.state, key); });
    RebuildMemberList();
}

void Tform_salon::RemoveMembers(const std::vector<std::string>& fields) {
    members_.Remove(fields);
    RebuildMemberList();
}

bool Tform_salon::UpdateMember(const std::string& chat_id, bool ignored, const std::string& alias,
                               const std::string& status_code, const std::string& age,
                               const std::string& sex, const std::string& town) {
    return members_.Update(chat_id, ignored, alias, status_code, age, sex, town);
}

MemberRecord Tform_salon::FindMember(const std::string& chat_id) const {
    return members_.Find(chat_id);
}

void Tform_salon::RebuildMemberList() {
    const std::optional<MemberRecord> selected = SelectedMember();
    RoomCounts counts = list_model_->Rebuild(members_);
    counts.room = std::move(context_.state.RoomCounts.room);
    context_.state.RoomCounts = counts;
    panel_header_membres->setText(FromAnsi(MemberCountsCaption(counts)));
    emit MembersRebuilt();
    if (selected) {
        const int row = list_model_->RowOfKey(selected->key);
        if (row >= 0) list_membres->setCurrentIndex(list_model_->index(row));
    }
    if (static_cast<std::size_t>(counts.entries) > kMembersPerAnswer) {
        SendLine(MemberListLine());
    }
}

std::optional<MemberRecord> Tform_salon::SelectedMember() const {
    const QModelIndexList rows = list_membres->selectionModel()->selectedIndexes();
    if (rows.isEmpty()) return std::nullopt;
    return ParseMemberEntry(list_model_->Entry(rows.front().row()));
}

std::optional<MemberRecord> Tform_salon::PopupMember() const {
    if (popup_index_ < 0 || popup_index_ >= list_model_->rowCount()) return std::nullopt;
    return ParseMemberEntry(list_model_->Entry(popup_index_));
}

bool Tform_salon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_membres->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = list_membres->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::RightButton && index.isValid()) {
            popup_index_ = index.row();
            list_membres->setCurrentIndex(index);
            popup->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return StandardWindow::eventFilter(watched, event);
}

void Tform_salon::OpenPrivate(const MemberRecord& member) {
    ChatWindows& windows = context_.windows;
    const int slot = windows.FindPrivateWindow(member.key);
    if (slot >= 0) {
        windows.ShowPrivateWindow(slot);
    } else {
        windows.OpenPrivateWindow(member.key, member.nickname, member.age, member.sex, member.town,
                                  "", false);
    }
}

void Tform_salon::ShowMail(const MemberRecord& member) {
    context_.windows.ShowMailPage(member.nickname);
}

void Tform_salon::ShowProfile(const MemberRecord& member) {
    context_.windows.ShowProfile(member.nickname);
}

void Tform_salon::ToggleIgnore(const MemberRecord& member) {
    context_.windows.ToggleIgnore(member.key);
}

void Tform_salon::TalkToAlone(const MemberRecord& member) {
    text_envoi->setText(FromAnsi(member.nickname.str() + "> "));
    text_envoi->setFocus();
    text_envoi->end(false);
}

void Tform_salon::TalkToAlso(const MemberRecord& member) {
    text_envoi->setText(FromAnsi(member.nickname.str() + "> ") + text_envoi->text());
    text_envoi->setFocus();
    text_envoi->end(false);
}

void Tform_salon::SetSortMode(char mode) {
    context_.state.SortMode = mode;
    const QIcon glyph = style()->standardIcon(QStyle::SP_ArrowDown);
    btn_tri_sexe->setIcon(mode == 'S' ? glyph : QIcon());
    btn_tri_nom->setIcon(mode == 'N' ? glyph : QIcon());
    btn_tri_age->setIcon(mode == 'A' ? glyph : QIcon());
}

void Tform_salon::ShowPlayState() {
    btn_play->setIcon(style()->standardIcon(rich_salon->AutoScroll() ? QStyle::SP_MediaPause
                                                                     : QStyle::SP_MediaPlay));
}

void Tform_salon::rich_salonRVMouseMove(const QString& tag, const QPoint& global_pos) {
    hint_->hide();
    if (QGuiApplication::applicationState() != Qt::ApplicationActive ||
        !IsActiveConversation(*this)) {
        return;
    }
    const MemberHint hint = HintForRoomLinkTag(ToAnsi(tag));
    hint_->ShowHint(hint.text, hint.tint, global_pos);
}
