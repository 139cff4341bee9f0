// The room window's controls: the toolbar row above the conversation, the member panel on
// the right, the composition bar below, and the member list's context menu.
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/form_config.h"
#include "conversation/composition_bar.h"
#include "conversation/conversation_output.h"
#include "conversation/form_salon.h"
#include "conversation/member_list_view.h"
#include "program/chat_windows.h"
#include "widgets/babi_rich_view.h"
#include "widgets/hint_window.h"

namespace {

constexpr int kMemberPanelWidth = 230;
// Member entries are 15 pixels high: the list's text is sized to fit.
constexpr int kMemberFontPixels = 11;

template <typename Button>
Button* NewButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new Button(parent);
    button->setText(caption);
    button->setObjectName(name);
    return button;
}

QToolButton* NewFlatButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = NewButton<QToolButton>(caption, name, parent);
    button->setAutoRaise(true);
    button->setToolTip(caption);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton* NewSortButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = NewButton<QToolButton>(caption, name, parent);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QFrame* NewSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

void Tform_salon::BuildLayout() {
    btn_play = NewFlatButton(QStringLiteral("Pause / Lecture"), "btn_play", this);
    btn_play->setToolButtonStyle(Qt::ToolButtonIconOnly);
    FlatButton1 = NewFlatButton(QStringLiteral("Insérer un smiley"), "FlatButton1", this);
    FlatButton1->setEnabled(false);
    FlatButton4 = NewFlatButton(QStringLiteral("Insérer Macro / EasyPhrase"), "FlatButton4", this);
    FlatButton2 = NewFlatButton(QStringLiteral("Imprimer"), "FlatButton2", this);
    FlatButton3 = NewFlatButton(QStringLiteral("Exporter"), "FlatButton3", this);
    FlatButton6 = NewFlatButton(QStringLiteral("Statistiques sur le salon"), "FlatButton6", this);
    FlatButton6->hide();

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    toolbar->addWidget(btn_play);
    toolbar->addWidget(NewSeparator(this));
    toolbar->addWidget(FlatButton1);
    toolbar->addWidget(FlatButton4);
    toolbar->addWidget(NewSeparator(this));
    toolbar->addWidget(FlatButton2);
    toolbar->addWidget(FlatButton3);
    toolbar->addWidget(FlatButton6);
    toolbar->addStretch(1);

    auto* panel = new QFrame(this);
    panel->setObjectName("panel_membres");
    panel->setFixedWidth(kMemberPanelWidth);
    panel_header_membres = new QLabel(panel);
    panel_header_membres->setObjectName("panel_header_membres");
    panel_header_membres->setTextFormat(Qt::PlainText);
    panel_header_membres->setAlignment(Qt::AlignCenter);
    QFont header_font = panel_header_membres->font();
    header_font.setBold(true);
    panel_header_membres->setFont(header_font);

    btn_tri_sexe = NewSortButton(QStringLiteral("Sexe"), "btn_tri_sexe", panel);
    btn_tri_nom = NewSortButton(QStringLiteral("Nom"), "btn_tri_nom", panel);
    btn_tri_age = NewSortButton(QStringLiteral("Age"), "btn_tri_age", panel);
    btn_tri_nom->setEnabled(false);
    btn_tri_age->setEnabled(false);
    auto* sort_row = new QHBoxLayout;
    sort_row->setSpacing(2);
    for (QToolButton* button : {btn_tri_sexe, btn_tri_nom, btn_tri_age})
        sort_row->addWidget(button);

    list_membres = new QListView(panel);
    list_membres->setObjectName("list_membres");
    list_membres->setModel(list_model_);
    list_membres->setItemDelegate(new MemberEntryDelegate(context_.state, context_.session, this));
    list_membres->setUniformItemSizes(true);
    list_membres->setSelectionMode(QAbstractItemView::SingleSelection);
    list_membres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_membres->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont list_font = list_membres->font();
    list_font.setPixelSize(kMemberFontPixels);
    list_membres->setFont(list_font);
    list_membres->viewport()->installEventFilter(this);

    btn_pv = NewButton<QPushButton>(QStringLiteral("Dialoguer en privé"), "btn_pv", panel);
    btn_mail = NewButton<QPushButton>(QStringLiteral("Envoyer un E-Mail"), "btn_mail", panel);
    btn_profil = NewButton<QPushButton>(QStringLiteral("Profil ..."), "btn_profil", panel);
    btn_ignorer = NewButton<QPushButton>(QStringLiteral("Ignorer/Aut."), "btn_ignorer", panel);
    auto* actions = new QGridLayout;
    actions->setSpacing(3);
    actions->addWidget(btn_pv, 0, 0, 1, 2);
    actions->addWidget(btn_mail, 1, 0, 1, 2);
    actions->addWidget(btn_profil, 2, 0);
    actions->addWidget(btn_ignorer, 2, 1);

    auto* panel_layout = new QVBoxLayout(panel);
    panel_layout->setContentsMargins(0, 0, 0, 0);
    panel_layout->setSpacing(3);
    panel_layout->addWidget(panel_header_membres);
    panel_layout->addLayout(sort_row);
    panel_layout->addWidget(list_membres, 1);
    panel_layout->addLayout(actions);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(rich_salon, 1);
    middle->addWidget(panel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(3);
    layout->addLayout(toolbar);
    layout->addLayout(middle, 1);
    layout->addWidget(composition);
}

void Tform_salon::BuildPopup() {
    popup = new QMenu(this);
    popup->setObjectName("popup");
    auto add = [this](const QString& caption, auto action) {
        QAction* item = popup->addAction(caption);
        connect(item, &QAction::triggered, this, [this, action] {
            if (const auto member = PopupMember()) (this->*action)(*member);
        });
        return item;
    };
    add(QStringLiteral("Parler à ..."), &Tform_salon::TalkToAlone);
    add(QStringLiteral("Parler aussi à ..."), &Tform_salon::TalkToAlso);
    popup->addSeparator();
    add(QStringLiteral("Dialoguer en privé"), &Tform_salon::OpenPrivate);
    add(QStringLiteral("Envoyer un E-Mail"), &Tform_salon::ShowMail);
    add(QStringLiteral("Profil"), &Tform_salon::ShowProfile);
    popup->addSeparator();
    popup->addAction(QStringLiteral("Ignorer"))->setEnabled(false);
}

void Tform_salon::ConnectControls() {
    connect(composition, &CompositionBar::SendRequested, this, &Tform_salon::btn_envoyerClick);
    connect(rich_salon, &BabiRichView::HotLinkClicked, this,
            [this](const QString& text, const QString&, Qt::KeyboardModifiers modifiers) {
                rich_salonJump(text, modifiers);
            });
    connect(rich_salon, &BabiRichView::HotLinkHovered, this,
            [this](const QString&, const QString& tag, const QPoint& global_pos) {
                rich_salonRVMouseMove(tag, global_pos);
            });
    connect(rich_salon, &BabiRichView::HotLinkLeft, hint_, &QWidget::hide);
    ConnectPrintButton(FlatButton2, *rich_salon, ConversationKind::Room, this);
    connect(FlatButton3, &QToolButton::clicked, this,
            [this] { ExportConversationView(*rich_salon, windowTitle(), this); });

    auto on_selected = [this](QAbstractButton* button,
                              void (Tform_salon::*action)(const MemberRecord&)) {
        connect(button, &QAbstractButton::clicked, this, [this, action] {
            if (const auto member = SelectedMember()) (this->*action)(*member);
        });
    };
    on_selected(btn_pv, &Tform_salon::OpenPrivate);
    on_selected(btn_mail, &Tform_salon::ShowMail);
    on_selected(btn_profil, &Tform_salon::ShowProfile);
    on_selected(btn_ignorer, &Tform_salon::ToggleIgnore);
    connect(list_membres, &QAbstractItemView::doubleClicked, this, [this] {
        if (const auto member = SelectedMember()) OpenPrivate(*member);
    });

    connect(btn_tri_sexe, &QToolButton::clicked, this, [this] { SetSortMode('S'); });
    connect(btn_tri_nom, &QToolButton::clicked, this, [this] { SetSortMode('N'); });
    connect(btn_tri_age, &QToolButton::clicked, this, [this] { SetSortMode('A'); });
    connect(btn_play, &QToolButton::clicked, this, [this] {
        rich_salon->SetAutoScroll(!rich_salon->AutoScroll());
        ShowPlayState();
    });
    connect(FlatButton4, &QToolButton::clicked, this,
            [this] { context_.windows.OpenConfiguration(Tform_config::kPageEasyPhrases); });
    connect(FlatButton6, &QToolButton::clicked, this,
            [this] { context_.windows.ShowStatistics(); });
}
