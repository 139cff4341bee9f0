#include "conversation/conversation_print.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "conversation/clock_text.h"
#include "conversation/conversation_document.h"

namespace {

const QString kDate = QStringLiteral("09/12/2026 20:40");

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
    const QString info = RunTool("pdfinfo", {pdf});
    for (const QString& line : info.split(u'\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QString PageText(const QString& pdf, int page) {
    return RunTool("pdftotext",
                   {"-f", QString::number(page), "-l", QString::number(page), "-layout", pdf, "-"});
}

// The conversation of ConversationDocument, then enough lines to fill several pages.
struct LongConversation : ConversationDocument {
    explicit LongConversation(int lines) {
        for (int i = 0; i < lines; ++i) {
            RichParagraph line;
            line.runs.push_back(Text(QStringLiteral("Ligne %1 ").arg(i), BodyStyle(1, 1, false)));
            line.runs.push_back(Picture("smile"));
            view->AppendParagraph(line);
        }
    }
};

QString PrintToPdf(const QTextDocument& document, const QString& pdf, int copies, bool collate,
                   int from, int to) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setCopyCount(copies);
    printer.setCollateCopies(collate);
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    const bool printed = PrintConversation(
        document, printer, QFont("Tahoma", 8),
        [](int page, int count) { return RoomPageHeader("Amis", kDate, page, count); });
    return printed ? pdf : QString();
}

// The caption goes in as it is, whatever "%" it holds; the date is short and the time keeps its
// seconds without its zone.
TEST(ConversationPrint, HeaderTakesItsTextsAsTheyAre) {
    const QString date_time = DateTimeText(QLocale(QLocale::French, QLocale::France),
                                           QDateTime(QDate(2026, 12, 9), QTime(14, 5, 33)));
    EXPECT_EQ(date_time, "09/12/2026 14:05:33");
    EXPECT_EQ(RoomPageHeader(QString::fromUtf8("Zo%1é 50%"), date_time, 2, 7),
              QString::fromUtf8("Tamaris - Salon \"Zo%1é 50%\" - 09/12/2026 14:05:33 - Page 2 "
                                "sur 7"));
    EXPECT_EQ(PrivatePageHeader("%2 et %3", "%1", 1, 3),
              QString::fromUtf8("Tamaris - Privé avec \"%2 et %3\" - %1 - Page 1 sur 3"));
}

// Every printed page carries its own header, the pages come in the order the copies and
// collation ask, and the pictures are printed.
TEST(ConversationPrint, PagesCarryHeadersInCopyOrder) {
    LongConversation conversation(150);
    const QTextDocument& document = *conversation.view->document();
    QPrinter measure(QPrinter::HighResolution);
    measure.setOutputFormat(QPrinter::PdfFormat);
    const int count = ConversationPageCount(document, measure);
    ASSERT_GE(count, 3);

    const struct {
        int copies;
        bool collate;
        int from, to;
        std::vector<int> pages;
    } rows[] = {
        {1, false, 0, 0, {}},  // all pages once
        {2, true, 1, 2, {1, 2, 1, 2}},
        {2, false, 2, 3, {2, 2, 3, 3}},
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        std::vector<int> pages = row.pages;
        if (pages.empty()) {
            for (int page = 1; page <= count; ++page) pages.push_back(page);
        }
        SCOPED_TRACE(testing::Message() << row.copies << " copies, collate " << row.collate);
        const QString pdf = PrintToPdf(document, dir.filePath("salon.pdf"), row.copies, row.collate,
                                       row.from, row.to);
        ASSERT_FALSE(pdf.isEmpty());
        ASSERT_EQ(PdfPages(pdf), int(pages.size()));
        for (std::size_t sheet = 0; sheet < pages.size(); ++sheet) {
            const QString text = PageText(pdf, int(sheet) + 1);
            EXPECT_TRUE(text.contains(RoomPageHeader("Amis", kDate, pages[sheet], count)))
                << "sheet " << sheet + 1 << ":\n"
                << text.left(300).toStdString();
        }
    }

    const QString first = PrintToPdf(document, dir.filePath("premiere.pdf"), 1, false, 1, 1);
    RunTool("pdftoppm", {"-png", "-r", "50", "-singlefile", first, dir.filePath("premiere")});
    const QImage picture(dir.filePath("premiere.png"));
    ASSERT_FALSE(picture.isNull());
    int smile_pixels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            smile_pixels += c.red() > 200 && c.green() > 200 && c.blue() < 180;
        }
    }
    EXPECT_GT(smile_pixels, 100) << "the pale yellow pictures are printed";
}

}  // namespace
