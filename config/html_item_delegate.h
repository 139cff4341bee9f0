#pragma once

#include <QStyledItemDelegate>

// Draws list items whose Qt::UserRole holds HTML, as formatted text. A selected item keeps
// its text colours on a light tint of the highlight colour.
class HtmlItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
