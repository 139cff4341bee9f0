#include "widgets/babi_list_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "widgets/hint_window.h"

namespace {

const QColor kSelectedFill(230, 230, 255);

}  // namespace

class BabiListBoxDelegate : public QStyledItemDelegate {
  public:
    explicit BabiListBoxDelegate(BabiListBox* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        if (selected) {
            *list_->last_selected_ = index.row();
            painter->fillRect(option.rect, kSelectedFill);
        } else {
            painter->fillRect(option.rect, Qt::white);
        }
        painter->setPen(Qt::black);
        painter->setFont(option.font);
        if (list_->painter_) {
            list_->painter_(*painter, option.rect, index.row(), index.data().toString(), selected);
        } else {
            painter->drawText(option.rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                              BabiListBox::ItemLine(index.data().toString(), 0));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {list_->viewport()->width(), list_->item_height_};
    }

  private:
    BabiListBox* list_;
};

BabiListBox::BabiListBox(QWidget* parent)
    : QListWidget(parent), last_selected_(&own_last_selected_), hint_(new HintWindow(this)) {
    setItemDelegate(new BabiListBoxDelegate(this));
    setUniformItemSizes(true);
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    rest_timer_.setSingleShot(true);
    rest_timer_.setInterval(kHintDelayMs);
    connect(&rest_timer_, &QTimer::timeout, this, &BabiListBox::ShowHintNow);
}

void BabiListBox::SetLastSelectedIndex(int* last_selected) {
    last_selected_ = last_selected ? last_selected : &own_last_selected_;
}

void BabiListBox::SetItemPainter(ItemPainter painter) {
    painter_ = std::move(painter);
    viewport()->update();
}

void BabiListBox::SetItemHeight(int height) {
    item_height_ = height;
    doItemsLayout();
}

void BabiListBox::SetItems(const QStringList& items) {
    setUpdatesEnabled(false);
    clear();
    hovered_ = -1;
    // A sorted list orders the items by their whole text.
    addItems(items);
    setUpdatesEnabled(true);
}

QString BabiListBox::ItemText(int index) const {
    const QListWidgetItem* found = item(index);
    return found ? found->text() : QString();
}

QString BabiListBox::CurrentItemText() const {
    return ItemText(currentRow());
}

QString BabiListBox::ItemLine(const QString& item, int line) {
    qsizetype start = 0;
    for (int i = 0; i < line; ++i) {
        const qsizetype feed = item.indexOf(QLatin1Char('\n'), start);
        if (feed < 0) return {};
        start = feed + 1;
    }
    const qsizetype end = item.indexOf(QLatin1Char('\n'), start);
    return item.mid(start, end < 0 ? -1 : end - start);
}

QColor BabiListBox::HintTint(const QString& colour_name) {
    if (colour_name == QLatin1String("bleu")) return {190, 215, 255};
    if (colour_name == QLatin1String("rose")) return {255, 200, 230};
    if (colour_name == QLatin1String("gris")) return {215, 215, 215};
    if (colour_name == QLatin1String("oran")) return {255, 200, 140};
    return {255, 255, 200};
}

void BabiListBox::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    const int index = indexAt(event->position().toPoint()).row();
    hover_global_ = event->globalPosition().toPoint();
    if (index == hovered_) return;
    hovered_ = index;
    hint_->hide();
    if (index >= 0) {
        rest_timer_.start();
    } else {
        rest_timer_.stop();
    }
}

void BabiListBox::leaveEvent(QEvent* event) {
    QListWidget::leaveEvent(event);
    hovered_ = -1;
    rest_timer_.stop();
    hint_->hide();
}

void BabiListBox::ShowHintNow() {
    const QString item = ItemText(hovered_);
    const QString text = ItemLine(item, 2);
    if (hovered_ < 0 || text.isEmpty() || text == QLatin1String("null")) return;
    hint_->ShowHint(text, HintTint(ItemLine(item, 1)), hover_global_);
}
