#include "conversation/conversation_print.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <memory>

namespace {

// A copy of the document laid out on the printer's printable area. The pictures are resources
// of the view's document: the copy gets them too.
std::unique_ptr<QTextDocument> PageDocument(const QTextDocument& document, QPrinter& printer) {
    printer.setPageMargins(QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm,
                                     kPrintMarginMm),
                           QPageLayout::Millimeter);
    std::unique_ptr<QTextDocument> pages(document.clone());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            const QUrl name(format.toImageFormat().name());
            if (pages->resource(QTextDocument::ImageResource, name).isNull()) {
                pages->addResource(QTextDocument::ImageResource, name,
                                   document.resource(QTextDocument::ImageResource, name));
            }
        }
    }
    pages->documentLayout()->setPaintDevice(&printer);
    pages->setDocumentMargin(0);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    pages->setPageSize(area.size());
    return pages;
}

void PrintPage(QPainter& painter, QTextDocument& pages, int page, int count,
               const QFont& header_font, const PageHeader& header) {
    const QSizeF size = pages.pageSize();
    painter.save();
    painter.setFont(header_font);
    painter.setPen(Qt::black);
    const int height = painter.fontMetrics().height();
    painter.drawText(QRectF(0, -kHeaderGap - height, size.width(), height),
                     Qt::AlignHCenter | Qt::AlignBottom, header(page, count));
    painter.restore();

    painter.save();
    const QRectF view(0, (page - 1) * size.height(), size.width(), size.height());
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    pages.documentLayout()->draw(&painter, context);
    painter.restore();
}

}  // namespace

QString RoomPageHeader(const QString& caption, const QString& date_time, int page, int count) {
    return QStringLiteral("Tamaris - Salon \"%1\" - %2 - Page %3 sur %4")
        .arg(caption, date_time)
        .arg(page)
        .arg(count);
}

QString PrivatePageHeader(const QString& caption, const QString& date_time, int page, int count) {
    return QString::fromUtf8("Tamaris - Privé avec \"%1\" - %2 - Page %3 sur %4")
        .arg(caption, date_time)
        .arg(page)
        .arg(count);
}

int ConversationPageCount(const QTextDocument& document, QPrinter& printer) {
    return PageDocument(document, printer)->pageCount();
}

bool PrintConversation(const QTextDocument& document, QPrinter& printer, const QFont& header_font,
                       const PageHeader& header) {
    const std::unique_ptr<QTextDocument> pages = PageDocument(document, printer);
    const int count = pages->pageCount();
    int first = 1;
    int last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : count);
    }
    if (first > last) return true;
    // A printer that makes copies itself was given the count; otherwise the copies are ours.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const bool collate = printer.collateCopies();

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    bool first_sheet = true;
    const auto print = [&](int page) {
        if (!first_sheet) printer.newPage();
        first_sheet = false;
        PrintPage(painter, *pages, page, count, header_font, header);
    };
    for (int round = 0; round < (collate ? copies : 1); ++round) {
        for (int page = first; page <= last; ++page) {
            for (int copy = 0; copy < (collate ? 1 : copies); ++copy) print(page);
        }
    }
    return painter.end();
}
