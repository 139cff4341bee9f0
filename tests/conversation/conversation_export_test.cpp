#include "conversation/conversation_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "conversation/conversation_document.h"
#include "platform/cp1252.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a reader of our RTF gets back: the text of each paragraph, the colour of each character
// and the pictures in order.
struct RtfContents {
    QStringList paragraphs{QString()};
    QList<QColor> char_colours;
    QList<QImage> pictures;
};

// A small RTF reader: groups, control words with their parameter, \'xx in Windows-1252,
// \uN with its one-character fallback, the colour table and PNG pictures. Destinations other
// than the colour table and pictures are skipped.
RtfContents ReadRtf(const QByteArray& rtf) {
    RtfContents out;
    QList<QColor> colours;  // the first entry stands for the reader's default, \cf0
    struct Group {
        int colour = 0;
        enum { Body, Skip, ColourTable, Picture } kind = Body;
    };
    QList<Group> groups{Group{}};
    QColor pending(0, 0, 0);
    QByteArray hex;
    int skip_fallback = 0;
    const auto add_char = [&](QChar ch) {
        if (skip_fallback > 0) {
            --skip_fallback;
            return;
        }
        if (groups.last().kind != Group::Body) return;
        out.paragraphs.last() += ch;
        out.char_colours.append(colours.value(groups.last().colour, Qt::black));
    };
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            groups.append(groups.last());
        } else if (c == '}') {
            if (groups.last().kind == Group::Picture)
                out.pictures.append(QImage::fromData(QByteArray::fromHex(hex), "PNG"));
            groups.removeLast();
            if (groups.size() == 1) {
                EXPECT_EQ(rtf.mid(i + 1).trimmed(), QByteArray()) << "text after the document";
                return out;
            }
        } else if (c == '\\') {
            const char next = i + 1 < rtf.size() ? rtf[i + 1] : char(0);
            if (next == '\\' || next == '{' || next == '}') {
                add_char(QLatin1Char(next));
                ++i;
            } else if (next == '\'') {
                const char byte = static_cast<char>(rtf.mid(i + 2, 2).toInt(nullptr, 16));
                add_char(QChar(platform::AnsiToUtf16(std::string(1, byte))[0]));
                i += 3;
            } else {
                qsizetype end = i + 1;
                while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end])))
                    ++end;
                const QByteArray word = rtf.mid(i + 1, end - i - 1);
                qsizetype number_end = end;
                if (number_end < rtf.size() && rtf[number_end] == '-') ++number_end;
                while (number_end < rtf.size() &&
                       std::isdigit(static_cast<unsigned char>(rtf[number_end])))
                    ++number_end;
                const int value = rtf.mid(end, number_end - end).toInt();
                i = number_end < rtf.size() && rtf[number_end] == ' ' ? number_end : number_end - 1;
                Group& group = groups.last();
                if (word == "fonttbl") group.kind = Group::Skip;
                if (word == "colortbl") group.kind = Group::ColourTable;
                if (word == "pict") {
                    group.kind = Group::Picture;
                    hex.clear();
                }
                if (word == "red") pending.setRed(value);
                if (word == "green") pending.setGreen(value);
                if (word == "blue") pending.setBlue(value);
                if (word == "cf") group.colour = value;
                if (word == "par") out.paragraphs.append(QString());
                if (word == "u") {
                    add_char(QChar(static_cast<char16_t>(value)));
                    skip_fallback = 1;
                }
            }
        } else if (groups.last().kind == Group::ColourTable && c == ';') {
            colours.append(pending);
            pending = QColor(0, 0, 0);
        } else if (groups.last().kind == Group::Picture) {
            if (std::isxdigit(static_cast<unsigned char>(c))) hex += c;
        } else if (c != '\n' && c != '\r') {
            add_char(QLatin1Char(c));
        }
    }
    ADD_FAILURE() << "RTF not closed";
    return out;
}

TEST(ConversationExport, PlainTextIsTheViewsTextWithoutPictures) {
    ConversationDocument conversation;
    QTemporaryDir dir;
    const QString path = dir.filePath("conversation.txt");
    ASSERT_TRUE(ExportText(*conversation.view->document(), path));
    EXPECT_EQ(QString::fromUtf8(ReadAll(path)), ConversationDocument::ExpectedText());
}

// Each picture is written once beside the page however often it occurs, every image of the page
// names one of those files, and markup characters in the text and title stay text.
TEST(ConversationExport, HtmlWritesEachPictureOnceAndEscapesText) {
    ConversationDocument conversation;
    QTemporaryDir dir;
    const QString path = dir.filePath("salon.html");
    const QString title = QStringLiteral("Salon <i>Amis</i> & co");
    ASSERT_TRUE(ExportHtml(*conversation.view->document(), title, path));

    const QStringList files = QDir(dir.path()).entryList({"smiley*.png"}, QDir::Files);
    ASSERT_EQ(files.size(), ConversationDocument::kDistinctPictures);
    const QString html = QString::fromUtf8(ReadAll(path));
    EXPECT_EQ(html.count("<img "), ConversationDocument::kPictureOccurrences);
    QList<QSize> sizes;
    for (const QString& file : files) {
        EXPECT_EQ(html.count("src=\"" + QUrl::toPercentEncoding(file) + "\""),
                  file.endsWith("_1.png") ? 4 : 1)
            << file.toStdString();
        sizes.append(QImage(dir.filePath(file)).size());
    }
    EXPECT_TRUE(sizes.contains(conversation.smile.size()));
    EXPECT_TRUE(sizes.contains(conversation.wink.size()));

    QTextDocument read_back;
    read_back.setHtml(html);
    EXPECT_EQ(read_back.metaInformation(QTextDocument::DocumentTitle), title);
    EXPECT_TRUE(read_back.toPlainText().contains(ConversationDocument::RedText()));
    EXPECT_EQ(read_back.find(ConversationDocument::RedText()).charFormat().foreground().color(),
              QColor(255, 0, 0));
}

// A quote in a font's name stays in it, and markup cannot end the page's style element.
TEST(ConversationExport, HtmlKeepsTheQuotesOfAFontFamily) {
    QTextDocument document;
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("O'Neil </style> \\")});
    QTextCursor(&document).insertText("abc", format);
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    ASSERT_TRUE(ExportHtml(document, "Amis", path));
    QTextDocument read_back;
    read_back.setHtml(QString::fromUtf8(ReadAll(path)));
    EXPECT_EQ(read_back.find("abc").charFormat().font().family(),
              QStringLiteral("O'Neil /style \\"));
}

TEST(ConversationExport, RtfReadsBackWithTextColoursAndPictures) {
    ConversationDocument conversation;
    const RtfContents rtf = ReadRtf(ConversationRtf(*conversation.view->document()));

    const QStringList expected =
        ConversationDocument::ExpectedText().split(u'\n');  // ends with an empty paragraph
    EXPECT_EQ(rtf.paragraphs, expected);
    const QString text = rtf.paragraphs.join(QString());
    const qsizetype red_start = text.indexOf(ConversationDocument::RedText());
    ASSERT_GE(red_start, 0);
    for (qsizetype i = 0; i < ConversationDocument::RedText().size(); ++i)
        ASSERT_EQ(rtf.char_colours.value(red_start + i), QColor(255, 0, 0)) << i;
    EXPECT_EQ(rtf.char_colours.value(text.indexOf("fin")), QColor(0x14, 0x73, 0x00));

    ASSERT_EQ(rtf.pictures.size(), ConversationDocument::kPictureOccurrences);
    const QSize order[] = {conversation.smile.size(), conversation.smile.size(),
                           conversation.wink.size(), conversation.smile.size(),
                           conversation.smile.size()};
    for (int i = 0; i < ConversationDocument::kPictureOccurrences; ++i) {
        EXPECT_EQ(rtf.pictures[i].size(), order[i]) << i;
        EXPECT_EQ(rtf.pictures[i].pixelColor(0, 0), order[i] == conversation.wink.size()
                                                        ? conversation.wink.pixelColor(0, 0)
                                                        : conversation.smile.pixelColor(0, 0));
    }
}

// A target that cannot be written gives false in every format, and a page whose pictures
// cannot be written leaves the page already there whole.
TEST(ConversationExport, FailedSaveReportsAndKeepsTheExistingFile) {
    ConversationDocument conversation;
    const QTextDocument& document = *conversation.view->document();
    QTemporaryDir dir;
    QFile plain_file(dir.filePath("fichier"));
    ASSERT_TRUE(plain_file.open(QIODevice::WriteOnly));
    plain_file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("dossier"));
    const QString targets[] = {dir.filePath("absent/conversation.txt"),
                               dir.filePath("fichier/conversation.txt"), dir.filePath("dossier")};
    for (const QString& target : targets) {
        for (ExportFormat format : {ExportFormat::Html, ExportFormat::Rtf, ExportFormat::Text}) {
            SCOPED_TRACE(target.toStdString() + " format " + std::to_string(int(format)));
            EXPECT_FALSE(ExportConversation(document, format, "Amis", target));
        }
    }

    const QString page = dir.filePath("page.html");
    QFile existing(page);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("ancienne page");
    existing.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("smiley_page_1.png"));
    EXPECT_FALSE(ExportHtml(document, "Amis", page));
    EXPECT_EQ(ReadAll(page), "ancienne page");
}

}  // namespace
