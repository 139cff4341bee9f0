#include "directory/sex_combo_box.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

class SexItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(option.rect,
                          option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
        SexComboBox::DrawItem(
            *painter, option.rect, index.data().toString(),
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->restore();
    }
};

}  // namespace

SexComboBox::SexComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new SexItemDelegate(this));
}

QColor SexComboBox::SexColour(const QString& item) {
    if (item == QLatin1String("Homme")) return {0, 0, 255};
    if (item == QLatin1String("Femme")) return {255, 0, 255};
    if (item == QString::fromUtf8("Indifférent")) return {0, 0, 0};
    return {128, 128, 0};
}

void SexComboBox::DrawItem(QPainter& painter, const QRect& rect, const QString& item,
                           const QColor& text_colour) {
    const QRect square(QPoint(rect.left() + 2, rect.top() + 2),
                       QPoint(rect.left() + 16, rect.bottom() - 2));
    painter.setPen(Qt::black);
    painter.setBrush(SexColour(item));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    painter.setPen(text_colour);
    const QRect text(QPoint(square.right() + 6, rect.top()), rect.bottomRight());
    // No mnemonic: an "&" in an item is shown as it is.
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item);
}

void SexComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawItem(painter, field, currentText(), palette().color(QPalette::Text));
}
