#include "conversation/conversation_print.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A copy of the document laid out on the printer's printable area. The pictures are resources
// of the view's document: the copy gets them too.
std::unique_ptr<QTextDocument> PageDocument(const QTextDocument& document, QPrinter& printer) {
    printer.setPageMargins(
        QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
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

// Where the lines of each page end. A picture taller than its line reaches above the line's
// top, so a line pushed to the next page could show its pictures' tops at the bottom of the
// page before: each page shows what lies between the end of the lines of the page before and
// the end of its own lines.
std::vector<qreal> LineEnds(const QTextDocument& pages, int count) {
    const qreal height = pages.pageSize().height();
    std::vector<qreal> ends(static_cast<std::size_t>(count));
    for (int page = 0; page < count; ++page) ends[static_cast<std::size_t>(page)] = page * height;
    QAbstractTextDocumentLayout* layout = pages.documentLayout();
    for (QTextBlock block = pages.begin(); block.isValid(); block = block.next()) {
        const qreal block_top = layout->blockBoundingRect(block).top();
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QRectF line = lines->lineAt(i).rect().translated(0, block_top);
            const auto page = static_cast<std::size_t>(
                std::clamp(static_cast<int>(line.top() / height), 0, count - 1));
            ends[page] = std::max(ends[page], line.bottom());
        }
    }
    return ends;
}

void PrintPage(QPainter& painter, QTextDocument& pages, int page, int count,
               const std::vector<qreal>& line_ends, const QFont& header_font,
               const PageHeader& header) {
    const QSizeF size = pages.pageSize();
    painter.save();
    painter.setFont(header_font);
    painter.setPen(Qt::black);
    const int height = painter.fontMetrics().height();
    painter.drawText(QRectF(0, -kHeaderGap - height, size.width(), height),
                     Qt::AlignHCenter | Qt::AlignBottom, header(page, count));
    painter.restore();

    painter.save();
    const qreal page_top = (page - 1) * size.height();
    const qreal shown_top =
        page > 1 ? std::max(line_ends[static_cast<std::size_t>(page - 2)], page_top - kHeaderGap)
                 : page_top;
    const qreal shown_bottom = std::max(line_ends[static_cast<std::size_t>(page - 1)], page_top);
    const QRectF view(0, shown_top, size.width(), shown_bottom - shown_top);
    painter.translate(0, -page_top);
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    pages.documentLayout()->draw(&painter, context);
    painter.restore();
}

}  // namespace

// All four in one go: a "%1" in a room name or an alias stays text.
QString RoomPageHeader(const QString& caption, const QString& date_time, int page, int count) {
    return QStringLiteral("Tamaris - Salon \"%1\" - %2 - Page %3 sur %4")
        .arg(caption, date_time, QString::number(page), QString::number(count));
}

QString PrivatePageHeader(const QString& caption, const QString& date_time, int page, int count) {
    return QString::fromUtf8("Tamaris - Privé avec \"%1\" - %2 - Page %3 sur %4")
        .arg(caption, date_time, QString::number(page), QString::number(count));
}

int ConversationPageCount(const QTextDocument& document, QPrinter& printer) {
    return PageDocument(document, printer)->pageCount();
}

bool PrintConversation(const QTextDocument& document, QPrinter& printer, const QFont& header_font,
                       const PageHeader& header) {
    const std::unique_ptr<QTextDocument> pages = PageDocument(document, printer);
    const int count = pages->pageCount();
    const std::vector<qreal> line_ends = LineEnds(*pages, count);
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
        PrintPage(painter, *pages, page, count, line_ends, header_font, header);
    };
    for (int round = 0; round < (collate ? copies : 1); ++round) {
        for (int page = first; page <= last; ++page) {
            for (int copy = 0; copy < (collate ? 1 : copies); ++copy) print(page);
        }
    }
    return painter.end();
}
