#include "directory/form_connectes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "directory/sex_combo_box.h"
#include "directory/user_search.h"
#include "program/chat_windows.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/hint_window.h"
#include "widgets/send_key.h"

namespace {

// A person found is known by the chat id; a message of the list has none.
QString PersonKey(const QString& item) {
    return BabiListBox::ItemLine(item, 3);
}

}  // namespace

Tform_connectes::Tform_connectes(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent), popup_target_(PersonKey) {
    setObjectName("form_connectes");
    setWindowTitle(QStringLiteral("Connectés"));
    BuildLayout();
    BuildPopup();

    connect(btn_rech, &QPushButton::clicked, this, &Tform_connectes::btn_rechClick);
    connect(btn_refresh, &QPushButton::clicked, this, &Tform_connectes::btn_refreshClick);
    const auto on_selected = [this](void (Tform_connectes::*action)(const UserEntry&)) {
        return [this, action] {
            if (const auto person = SelectedPerson()) (this->*action)(*person);
        };
    };
    connect(btn_pv, &QPushButton::clicked, this, on_selected(&Tform_connectes::OpenPrivate));
    connect(list_rech, &QListWidget::itemDoubleClicked, this,
            on_selected(&Tform_connectes::OpenPrivate));
    connect(btn_salon, &QPushButton::clicked, this, on_selected(&Tform_connectes::JoinRoom));
    connect(btn_ignorer, &QPushButton::clicked, this, on_selected(&Tform_connectes::ToggleIgnore));
    connect(btn_profil, &QPushButton::clicked, this, on_selected(&Tform_connectes::ShowProfile));
    connect(FlatButton1, &QPushButton::clicked, this, on_selected(&Tform_connectes::ShowMail));
}

void Tform_connectes::FillUserResults(const std::vector<std::string>& fields) {
    ShowItems(UserResultItems(fields));
}

void Tform_connectes::FillUserResultsOneSex(const std::vector<std::string>& fields,
                                            const std::string& criterion) {
    ShowItems(UserResultItemsOneSex(fields, criterion));
}

void Tform_connectes::ShowNoResult() {
    ShowMessage(kNoResultItem);
}

void Tform_connectes::SetConnectedCount(const std::string& text) {
    lbl_nb_connectes->setText(FromAnsi(text));
}

void Tform_connectes::ShowItems(const std::vector<std::string>& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts.append(FromAnsi(item));
    list_rech->SetItems(texts);
}

void Tform_connectes::ShowMessage(const char* item) {
    list_rech->SetItems({FromAnsi(item)});
}

void Tform_connectes::Activated() {
    text_rech->setFocus();
    btn_refreshClick();
}

bool Tform_connectes::event(QEvent* event) {
    // Inside the main window the frame is a sub-window, whose activation is ours.
    if (event->type() == QEvent::ParentChange) {
        disconnect(activation_);
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
            activation_ = connect(frame, &QMdiSubWindow::windowStateChanged, this,
                                  [this](Qt::WindowStates before, Qt::WindowStates now) {
                                      if (!(before & Qt::WindowActive) && (now & Qt::WindowActive))
                                          Activated();
                                  });
        }
    }
    return StandardWindow::event(event);
}

bool Tform_connectes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_rech && IsSendKey(event)) {
        btn_rechClick();
        return true;
    }
    if (watched == list_rech->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = list_rech->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::RightButton) {
            // Below the items too, where "Effacer la recherche" still has a use.
            if (index.isValid()) list_rech->setCurrentIndex(index);
            popup_target_.Remember(*list_rech, index.row());
            list_rech->Hint()->hide();
            popup->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return StandardWindow::eventFilter(watched, event);
}

void Tform_connectes::btn_rechClick() {
    list_rech->clear();
    const std::optional<UserSearch> search =
        MakeUserSearch(combo_rech_type->currentIndex(), ToAnsi(text_rech->text()),
                       combo_rech_sexe->currentIndex(), combo_rech_age->currentIndex());
    if (!search) {
        ShowMessage(kShortSearchItem);
        return;
    }
    ShowMessage(kSearchingItem);
    context_.session.Debug(search->trace, DebugCategory::Ok);
    context_.session.SendLine(search->line);
}

void Tform_connectes::btn_refreshClick() {
    context_.session.SendLine(ConnectedCountLine());
}

std::optional<UserEntry> Tform_connectes::PersonOf(const QString& item) const {
    if (item.isEmpty()) return std::nullopt;
    UserEntry entry = ParseUserEntry(ToAnsi(item));
    // The messages of the list ("Recherche en cours ...") carry nobody to act on.
    if (!entry.IsPerson()) return std::nullopt;
    return entry;
}

std::optional<UserEntry> Tform_connectes::SelectedPerson() const {
    const QList<QListWidgetItem*> selected = list_rech->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return PersonOf(selected.front()->text());
}

std::optional<UserEntry> Tform_connectes::PopupPerson() const {
    return PersonOf(popup_target_.Item(*list_rech));
}

void Tform_connectes::OpenPrivate(const UserEntry& person) {
    ChatWindows& windows = context_.windows;
    const int slot = windows.FindPrivateWindow(person.chat_id);
    if (slot >= 0) {
        windows.ShowPrivateWindow(slot);
    } else {
        windows.OpenPrivateWindow(person.chat_id, person.nickname, person.age, person.sex,
                                  person.town, "", false);
    }
}

void Tform_connectes::JoinRoom(const UserEntry& person) {
    context_.session.SendLine(JoinRoomLine(person.room, "0"));
    context_.windows.ShowRoomWindow();
}

void Tform_connectes::ShowMail(const UserEntry& person) {
    context_.windows.ShowMailPage(person.nickname);
}

void Tform_connectes::ShowProfile(const UserEntry& person) {
    context_.windows.ShowProfile(person.nickname);
}

void Tform_connectes::ToggleIgnore(const UserEntry& person) {
    context_.windows.ToggleIgnore(person.chat_id);
}
