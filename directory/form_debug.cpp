#include "directory/form_debug.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "directory/debug_category.h"
#include "program/program_title.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"
#include "widgets/send_key.h"

namespace {

constexpr int kMaxTypedLine = 80;

// An item's text is "text\ncategory": only the text is drawn, on the category's colours.
class DebugItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString item = index.data(Qt::DisplayRole).toString();
        // The category is the item's last line, so that a text of several lines (an HTTP
        // answer) keeps its colour; only its first line is drawn.
        const qsizetype first_feed = item.indexOf('\n');
        const qsizetype last_feed = item.lastIndexOf('\n');
        const QString text = first_feed < 0 ? item : item.left(first_feed);
        const QString category = last_feed < 0 ? QString() : item.mid(last_feed + 1);

        QColor background;
        QColor foreground;
        if (option.state & QStyle::State_Selected) {
            background = option.palette.color(QPalette::Highlight);
            foreground = option.palette.color(QPalette::HighlightedText);
        } else {
            const CategoryColours colours = ColoursOfCategory(ToAnsi(category));
            background =
                QColor(colours.background.red, colours.background.green, colours.background.blue);
            foreground = QColor(colours.text.red, colours.text.green, colours.text.blue);
        }
        painter->save();
        painter->fillRect(option.rect, background);
        painter->setPen(foreground);
        painter->setFont(option.font);
        const QRect text_rect = option.rect.adjusted(1, 1, 0, 0);
        painter->drawText(text_rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          option.fontMetrics.elidedText(text, Qt::ElideRight, text_rect.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), option.fontMetrics.height() + 2};
    }
};

}  // namespace

Tform_debug::Tform_debug(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      list_debug(new QListWidget(this)),
      text_debug(new QLineEdit(this)),
      btn_envoyer(new QPushButton(QStringLiteral("Envoyer"), this)),
      btn_tab(new QPushButton(QStringLiteral("Insérer une tabulation"), this)),
      FlatButton1(new QPushButton(QStringLiteral("Copier"), this)),
      btn_detail(new QPushButton(QStringLiteral("Détail"), this)),
      btn_effacer(new QPushButton(QStringLiteral("Effacer"), this)) {
    setObjectName("form_debug");
    setWindowTitle(QStringLiteral("Debug"));
    list_debug->setObjectName("list_debug");
    text_debug->setObjectName("text_debug");
    btn_envoyer->setObjectName("btn_envoyer");
    btn_tab->setObjectName("btn_tab");
    FlatButton1->setObjectName("FlatButton1");
    btn_detail->setObjectName("btn_detail");
    btn_effacer->setObjectName("btn_effacer");

    list_debug->setItemDelegate(new DebugItemDelegate(list_debug));
    list_debug->setUniformItemSizes(true);
    list_debug->setSelectionMode(QAbstractItemView::SingleSelection);
    text_debug->setMaxLength(kMaxTypedLine);
    text_debug->installEventFilter(this);
    btn_envoyer->setToolTip(QStringLiteral("Envoyer le texte dans le salon"));
    btn_effacer->setToolTip(QStringLiteral("RAZ du debug"));
    for (QPushButton* button : {btn_envoyer, btn_tab, FlatButton1, btn_detail, btn_effacer}) {
        button->setFlat(true);
        button->setAutoDefault(false);
    }

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(4, 4, 4, 4);
    bottom->addWidget(text_debug, 1);
    for (QPushButton* button : {btn_envoyer, btn_tab, FlatButton1, btn_detail, btn_effacer}) {
        bottom->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(list_debug, 1);
    layout->addLayout(bottom);

    connect(btn_envoyer, &QPushButton::clicked, this, &Tform_debug::btn_envoyerClick);
    connect(btn_tab, &QPushButton::clicked, this, &Tform_debug::btn_tabClick);
    connect(FlatButton1, &QPushButton::clicked, this, &Tform_debug::FlatButton1Click);
    connect(btn_detail, &QPushButton::clicked, this, &Tform_debug::btn_detailClick);
    connect(list_debug, &QListWidget::itemDoubleClicked, this, &Tform_debug::btn_detailClick);
    connect(btn_effacer, &QPushButton::clicked, this, &Tform_debug::btn_effacerClick);

    SetSendEnabled(false);
}

void Tform_debug::SetLineSender(LineSender sender) {
    send_ = std::move(sender);
}

void Tform_debug::SetSendEnabled(bool enabled) {
    text_debug->setEnabled(enabled);
    btn_envoyer->setEnabled(enabled);
    btn_tab->setEnabled(enabled);
}

void Tform_debug::Append(const std::string& text, std::uint8_t category) {
    QScrollBar* scroll = list_debug->verticalScrollBar();
    const bool following = scroll->value() >= scroll->maximum();
    list_debug->addItem(FromAnsi(text + "\n" + std::string(CategoryName(category))));
    if (list_debug->count() > kKeptLines + kKeptLines / 10) {
        list_debug->model()->removeRows(0, list_debug->count() - kKeptLines);
    }
    // Keep showing the newest line while the user reads the end of the list; leave the
    // view alone while they read further up. The scroll waits for the event loop: scrolling
    // at once lays the whole list out again for every line, which costs more than a busy room
    // leaves the program between two lines; later, one layout serves the whole burst.
    if (following) {
        QMetaObject::invokeMethod(list_debug, &QListWidget::scrollToBottom, Qt::QueuedConnection);
    }
}

bool Tform_debug::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_debug && IsSendKey(event)) {
        btn_envoyerClick();
        return true;
    }
    return StandardWindow::eventFilter(watched, event);
}

void Tform_debug::btn_envoyerClick() {
    const std::string line = ToAnsi(text_debug->text());
    text_debug->clear();
    if (send_) {
        send_(line);
    } else {
        context_.session.SendLine(line);
    }
}

void Tform_debug::btn_tabClick() {
    text_debug->insert(QStringLiteral("\t"));
    if (text_debug->isEnabled()) {
        text_debug->setFocus();
        text_debug->end(false);
    }
}

void Tform_debug::FlatButton1Click() {
    QListWidgetItem* item = list_debug->currentItem();
    if (item == nullptr || !item->isSelected() || !text_debug->isEnabled()) return;
    QApplication::clipboard()->setText(item->text());
}

void Tform_debug::btn_detailClick() {
    QListWidgetItem* item = list_debug->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kProgramTitle), item->text(),
                    QMessageBox::Ok, this);
    box.setObjectName("detail_debug");
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Tform_debug::btn_effacerClick() {
    list_debug->clear();
    list_debug->scrollToTop();
}
