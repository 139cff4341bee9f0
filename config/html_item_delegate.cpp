#include "config/html_item_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace {

constexpr int kMargin = 2;

// Lists of the item start at the left edge rather than a tab stop in.
void Fill(QTextDocument& document, const QStyleOptionViewItem& option, const QString& html) {
    document.setDefaultFont(option.font);
    document.setDocumentMargin(kMargin);
    document.setIndentWidth(12);
    document.setDefaultStyleSheet("ul { margin-top: 0px; margin-bottom: 0px; }");
    // A line break before a list would show as an empty line here.
    document.setHtml(QString(html).replace("<BR><UL>", "<UL>", Qt::CaseInsensitive));
}

}  // namespace

void HtmlItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    painter->save();
    painter->fillRect(opt.rect, opt.palette.base());
    if (opt.state & QStyle::State_Selected) {
        QColor tint = opt.palette.highlight().color();
        tint.setAlpha(60);
        painter->fillRect(opt.rect, tint);
        painter->setPen(opt.palette.highlight().color());
        painter->drawRect(opt.rect.adjusted(0, 0, -1, -1));
    }
    QTextDocument document;
    Fill(document, opt, index.data(Qt::UserRole).toString());
    document.setTextWidth(opt.rect.width());
    painter->translate(opt.rect.topLeft());
    document.drawContents(painter, QRectF(0, 0, opt.rect.width(), opt.rect.height()));
    painter->restore();
}

QSize HtmlItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QTextDocument document;
    Fill(document, option, index.data(Qt::UserRole).toString());
    return {static_cast<int>(document.idealWidth()), static_cast<int>(document.size().height())};
}
