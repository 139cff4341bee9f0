#include "directory/form_salons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "directory/form_salons_rech.h"
#include "directory/item_order.h"
#include "directory/room_entry.h"
#include "directory/room_item_painter.h"
#include "directory/wildcard.h"
#include "platform/text_trim.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "program/program_title.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "session/room_names.h"
#include "store/favourite_rooms.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/hint_window.h"
#include "widgets/send_key.h"

namespace {

constexpr int kMaxNameLength = 32;
constexpr int kItemHeight = 15;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Text(caption), parent);
    if (name) button->setObjectName(name);
    return button;
}

// A listed room is known by its name as the server sent it.
QString RoomKey(const QString& item) {
    return BabiListBox::ItemLine(item, 0);
}

}  // namespace

Tform_salons::Tform_salons(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      list_dessalons(new BabiListBox(this)),
      lbl_nb_salons(new QLabel(QStringLiteral("0"), this)),
      btn_rejoindre_liste(Button("Rejoindre le salon", nullptr, this)),
      btn_forcer(Button("Forcer l'entrée", nullptr, this)),
      btn_salon_tamaris(Button("Salon Tamaris", nullptr, this)),
      FlatButton2(Button("Publics", "FlatButton2", this)),
      FlatButton3(Button("Permanents", "FlatButton3", this)),
      text_salon(new QLineEdit(this)),
      btn_prive(Button("Privé", "btn_prive", this)),
      btn_public(Button("Public", "btn_public", this)),
      list_salons_preferes(new QListWidget(this)),
      btn_rejoindre_pref(Button("Rejoindre le salon", "btn_rejoindre_pref", this)),
      btn_add(Button("+", "btn_add", this)),
      btn_del(Button("-", "btn_del", this)),
      text_rech(new QLineEdit(this)),
      btn_rech(Button("Démarrer la recherche", "btn_rech", this)),
      FlatButton6(Button("?", "FlatButton6", this)),
      menu_salons(new QMenu(this)),
      menu_target_(RoomKey) {
    setObjectName("form_salons");
    setWindowTitle(QStringLiteral("Salons"));
    list_dessalons->setObjectName("list_dessalons");
    list_dessalons->SetLastSelectedIndex(&context_.state.LastSelectedIndex);
    list_dessalons->SetItemHeight(kItemHeight);
    list_dessalons->SetItemPainter(
        [](QPainter& painter, const QRect& rect, int, const QString& item, bool) {
            PaintRoomItem(painter, rect, item);
        });
    list_dessalons->viewport()->installEventFilter(this);
    lbl_nb_salons->setObjectName("lbl_nb_salons");
    text_salon->setObjectName("text_salon");
    text_salon->setMaxLength(kMaxNameLength);
    text_salon->installEventFilter(this);
    text_rech->setObjectName("text_rech");
    text_rech->setMaxLength(kMaxNameLength);
    text_rech->installEventFilter(this);
    list_salons_preferes->setObjectName("list_salons_preferes");
    btn_add->setToolTip(Text("Ajouter un salon préféré"));
    btn_del->setToolTip(Text("Supprimer le salon séléctionné"));
    FlatButton6->setToolTip(Text("Comment faire une recherche complexe ?"));
    menu_salons->setObjectName("menu_salons");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(BuildListPane(), 1);
    layout->addWidget(BuildActionsPane());
    BuildContextMenu();

    connect(btn_rejoindre_liste, &QPushButton::clicked, this,
            [this] { JoinListedRoom(list_dessalons->CurrentItemText(), false); });
    connect(list_dessalons, &QListWidget::itemDoubleClicked, this,
            [this] { JoinListedRoom(list_dessalons->CurrentItemText(), false); });
    connect(btn_forcer, &QPushButton::clicked, this,
            [this] { JoinListedRoom(list_dessalons->CurrentItemText(), true); });
    connect(btn_salon_tamaris, &QPushButton::clicked, this, [this] {
        JoinByName(ProgramRoomName(context_.state.Config.AdrID.str()), "1");
    });
    connect(FlatButton2, &QPushButton::clicked, this,
            [this] { AskForList(PublicRoomListLine()); });
    connect(FlatButton3, &QPushButton::clicked, this,
            [this] { AskForList(PermanentRoomListLine()); });
    connect(btn_public, &QPushButton::clicked, this,
            [this] { JoinByName(ToAnsi(text_salon->text()), "0"); });
    connect(btn_prive, &QPushButton::clicked, this,
            [this] { JoinByName(ToAnsi(text_salon->text()), "1"); });
    connect(btn_rejoindre_pref, &QPushButton::clicked, this, &Tform_salons::JoinFavourite);
    connect(list_salons_preferes, &QListWidget::itemDoubleClicked, this,
            &Tform_salons::JoinFavourite);
    connect(btn_add, &QPushButton::clicked, this, &Tform_salons::btn_addClick);
    connect(btn_del, &QPushButton::clicked, this, &Tform_salons::btn_delClick);
    connect(btn_rech, &QPushButton::clicked, this, &Tform_salons::StartSearch);
    connect(FlatButton6, &QPushButton::clicked, this, &Tform_salons::ShowSearchHelp);
}

QWidget* Tform_salons::BuildListPane() {
    auto* pane = new QWidget(this);
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Nombre de salons :"), pane));
    count->addWidget(lbl_nb_salons, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_rejoindre_liste);
    buttons->addWidget(btn_forcer);
    buttons->addWidget(btn_salon_tamaris);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* header = new QLabel(QStringLiteral("Liste des salons publics ou permanents"), pane);
    header->setStyleSheet(QStringLiteral("font-weight: bold"));
    layout->addWidget(header);
    layout->addWidget(list_dessalons, 1);
    layout->addLayout(count);
    layout->addLayout(buttons);
    return pane;
}

QWidget* Tform_salons::BuildActionsPane() {
    auto* pane = new QGroupBox(QStringLiteral("Actions / Propriétés"), this);
    pane->setFixedWidth(250);
    auto group = [pane](const char* title) { return new QGroupBox(Text(title), pane); };

    QGroupBox* lists = group(" Liste des salons ");
    auto* lists_layout = new QHBoxLayout(lists);
    lists_layout->addWidget(FlatButton3);
    lists_layout->addWidget(FlatButton2);

    QGroupBox* by_name = group(" Créer ou rejoindre un salon ");
    auto* by_name_buttons = new QHBoxLayout;
    by_name_buttons->addWidget(btn_prive);
    by_name_buttons->addWidget(btn_public);
    auto* by_name_layout = new QVBoxLayout(by_name);
    by_name_layout->addWidget(text_salon);
    by_name_layout->addLayout(by_name_buttons);

    QGroupBox* favourites = group(" Mes salons préférés ");
    btn_add->setFixedWidth(28);
    btn_del->setFixedWidth(28);
    auto* favourite_buttons = new QHBoxLayout;
    favourite_buttons->addWidget(btn_rejoindre_pref, 1);
    favourite_buttons->addWidget(btn_add);
    favourite_buttons->addWidget(btn_del);
    auto* favourites_layout = new QVBoxLayout(favourites);
    favourites_layout->addWidget(list_salons_preferes, 1);
    favourites_layout->addLayout(favourite_buttons);

    QGroupBox* search = group(" Rechercher un salon ");
    FlatButton6->setFixedWidth(28);
    auto* search_buttons = new QHBoxLayout;
    search_buttons->addWidget(btn_rech, 1);
    search_buttons->addWidget(FlatButton6);
    auto* search_layout = new QVBoxLayout(search);
    search_layout->addWidget(text_rech);
    search_layout->addLayout(search_buttons);

    auto* layout = new QVBoxLayout(pane);
    layout->addWidget(lists);
    layout->addWidget(by_name);
    layout->addWidget(favourites, 1);
    layout->addWidget(search);
    return pane;
}

void Tform_salons::BuildContextMenu() {
    QAction* join = menu_salons->addAction(QStringLiteral("Rejoindre le salon"), this,
                                           [this] { JoinListedRoom(MenuItem(), false); });
    menu_salons->setDefaultAction(join);
    menu_salons->addAction(Text("Forcer l'entrée"), this,
                           [this] { JoinListedRoom(MenuItem(), true); });
    menu_salons->addAction(QStringLiteral("Ajouter aux favoris"), this, [this] {
        const QString item = MenuItem();
        if (!item.isEmpty()) AddFavourite(ParseRoomEntry(ToAnsi(item)).display_name);
    });
    menu_salons->addSeparator();
    menu_salons->addAction(QStringLiteral("Salon Tamaris"), this, [this] {
        JoinByName(ProgramRoomName(context_.state.Config.AdrID.str()), "0");
    });
}

void Tform_salons::SetLineSender(LineSender send) {
    send_line_ = std::move(send);
}

Tform_salons_rech* Tform_salons::SearchResults() const {
    return results_;
}

void Tform_salons::SendLine(const std::string& line) {
    if (send_line_) {
        send_line_(line);
    } else {
        context_.session.SendLine(line);
    }
}

void Tform_salons::FillRoomList(const std::vector<std::string>& fields) {
    std::vector<std::string> rooms = RoomListItems(fields);
    SortListItems(rooms);
    QStringList items;
    items.reserve(static_cast<qsizetype>(rooms.size()));
    for (const std::string& item : rooms) items.push_back(FromAnsi(item));
    list_dessalons->SetItems(items);
    lbl_nb_salons->setText(QString::number(list_dessalons->count()));
}

std::vector<std::string> Tform_salons::RoomItems() const {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(list_dessalons->count()));
    for (int i = 0; i < list_dessalons->count(); ++i) {
        items.push_back(ToAnsi(list_dessalons->ItemText(i)));
    }
    return items;
}

QString Tform_salons::MenuItem() const {
    return menu_target_.Item(*list_dessalons);
}

void Tform_salons::AskForList(const std::string& line) {
    list_dessalons->SetItems({FromAnsi(kRoomListPlaceholder)});
    SendLine(line);
}

void Tform_salons::EndForcedEntry() {
    // Left set, the dispatcher would take the user away from the room asked for now.
    context_.state.ForcedRoom.clear();
    context_.state.ForcedRoomHop = false;
}

void Tform_salons::JoinListedRoom(const QString& item, bool forced) {
    EndForcedEntry();
    if (item.isEmpty()) return;
    const RoomEntry entry = ParseRoomEntry(ToAnsi(item));
    if (entry.IsPlaceholder()) return;
    if (forced) {
        context_.windows.ClearRoomConversation();
        context_.state.ForcedRoom = entry.raw_name;
    }
    SendLine(JoinRoomLine(entry.raw_name.str(), "0"));
    ShowRoom();
}

void Tform_salons::JoinByName(const std::string& name, const char* kind) {
    EndForcedEntry();
    SendLine(JoinRoomLine(name, kind));
    ShowRoom();
}

void Tform_salons::ShowRoom() {
    context_.windows.ShowRoomWindow();
}

void Tform_salons::StartSearch() {
    const std::string pattern = platform::TrimBlanks(ToAnsi(text_rech->text()));
    text_rech->setText(FromAnsi(pattern));
    if (list_dessalons->count() == 0 || pattern.empty()) return;
    QStringList found;
    for (int i = 0; i < list_dessalons->count(); ++i) {
        const QString item = list_dessalons->ItemText(i);
        if (MatchWildcard(ParseRoomEntry(ToAnsi(item)).display_name.str(), pattern)) {
            found.push_back(item);
        }
    }
    auto* results = new Tform_salons_rech(found, &context_.state.LastSelectedIndex,
                                          [this](const std::string& line) {
                                              EndForcedEntry();
                                              SendLine(line);
                                          },
                                          this);
    results_ = results;
    results->show();
}

void Tform_salons::ShowSearchHelp() {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kProgramTitle),
                    Text("Vous pouvez éfféctuer des recherches complexes dans la liste des salons "
                         "grace à l'emploi de l'étoile (*) et du point d'interrogation (?).\r\n"
                         "\r\nPar exemple, la recherche *te?t va rechercher tous les mots qui se "
                         "terminent par te?t comme teat, tebt, tect, ..."),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Tform_salons::LoadFavourites() {
    std::vector<std::string> names;
    std::string error;
    const bool loaded = LoadFavouriteRooms(FavouriteRoomsPath(), &names, &error);
    list_salons_preferes->clear();
    for (const std::string& name : names) list_salons_preferes->addItem(FromAnsi(name));
    if (!loaded && !unreadable_reported_) {
        unreadable_reported_ = true;
        ShowError(error);
    }
}

void Tform_salons::AddFavourite(const std::string& name) {
    std::string error;
    if (!AddFavouriteRoom(FavouriteRoomsPath(), name, &error)) ShowError(error);
    LoadFavourites();
}

void Tform_salons::DeleteFavourite(const std::string& name) {
    std::string error;
    if (!DeleteFavouriteRoom(FavouriteRoomsPath(), name, &error)) ShowError(error);
    LoadFavourites();
}

void Tform_salons::btn_addClick() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, Text("Ajouter un salon préféré"),
                                               QStringLiteral("Nom du salon"), QLineEdit::Normal,
                                               QString(), &ok);
    if (ok) AddFavourite(ToAnsi(name));
}

void Tform_salons::btn_delClick() {
    if (QListWidgetItem* item = list_salons_preferes->currentItem()) {
        DeleteFavourite(ToAnsi(item->text()));
    }
}

void Tform_salons::JoinFavourite() {
    if (QListWidgetItem* item = list_salons_preferes->currentItem()) {
        JoinByName(ToAnsi(item->text()), "0");
    }
}

// Told once the handler at work is done: the first showing of the window comes within the
// welcome line's handler, which must not wait for the user.
void Tform_salons::ShowError(const std::string& text) {
    QMetaObject::invokeMethod(
        this,
        [this, message = FromAnsi(text)] {
            auto* box = new QMessageBox(QMessageBox::Warning, QString::fromLatin1(kProgramTitle),
                                        message, QMessageBox::Ok, this);
            box->setTextFormat(Qt::PlainText);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        },
        Qt::QueuedConnection);
}

void Tform_salons::showEvent(QShowEvent* event) {
    StandardWindow::showEvent(event);
    LoadFavourites();
}

bool Tform_salons::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == text_salon || watched == text_rech) && IsSendKey(event)) {
        if (watched == text_rech) {
            StartSearch();
        } else {
            JoinByName(ToAnsi(text_salon->text()), "0");
        }
        return true;
    }
    if (watched == list_dessalons->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const int row = list_dessalons->indexAt(mouse->position().toPoint()).row();
            menu_target_.Remember(*list_dessalons, row);
            if (row >= 0) list_dessalons->setCurrentRow(row);
            list_dessalons->Hint()->hide();
            menu_salons->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return StandardWindow::eventFilter(watched, event);
}
