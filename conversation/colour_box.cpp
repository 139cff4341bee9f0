#include "conversation/colour_box.h"

#include <QPainter>
#include <QStylePainter>

#include "conversation/composition.h"

namespace {

constexpr int kSwatchLeft = 2;
constexpr int kSwatchMargin = 2;  // from the top and the bottom of the entry
constexpr int kSwatchWidth = 15;
constexpr int kTextGap = 5;

}  // namespace

void ColourItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    const QRect& r = option.rect;
    const QString name = index.data(Qt::DisplayRole).toString();

    painter->save();
    painter->fillRect(r, selected ? palette.highlight() : palette.base());

    const QRect swatch(r.left() + kSwatchLeft, r.top() + kSwatchMargin, kSwatchWidth,
                       r.height() - 2 * kSwatchMargin);
    painter->fillRect(swatch, Qt::black);
    painter->fillRect(swatch.adjusted(1, 1, -1, -1), ColourOfName(name));

    const QRect text_rect(swatch.right() + 1 + kTextGap, r.top(),
                          r.right() - swatch.right() - kTextGap, r.height());
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter->drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
    painter->restore();
}

QSize ColourItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    return {kSwatchLeft + kSwatchWidth + kTextGap + text.width(), kEntryHeight};
}

ColourComboBox::ColourComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new ColourItemDelegate(this));
    addItems(ColourNames());
}

QSize ColourComboBox::sizeHint() const {
    return QComboBox::sizeHint() + QSize(kSwatchLeft + kSwatchWidth + kTextGap, 0);
}

QSize ColourComboBox::minimumSizeHint() const {
    return QComboBox::minimumSizeHint() + QSize(kSwatchLeft + kSwatchWidth + kTextGap, 0);
}

void ColourComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = {};
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;

    QStyleOptionViewItem entry;
    entry.initFrom(this);
    entry.state &= ~QStyle::State_Selected;
    entry.rect =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    itemDelegate()->paint(&painter, entry, model()->index(currentIndex(), modelColumn()));
}
