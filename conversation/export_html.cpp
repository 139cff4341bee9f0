#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include "conversation/conversation_export.h"
#include "widgets/span_style.h"

namespace {

// The pictures of one page: each resource gets its file name on first use and is saved once.
class PictureFiles {
  public:
    PictureFiles(const QTextDocument& document, const QFileInfo& page)
        : document_(document),
          folder_(page.absoluteDir()),
          prefix_(QStringLiteral("smiley_") + page.completeBaseName() + u'_') {}

    // The relative name of the picture's file; empty when it could not be written.
    QString FileName(const QString& resource) {
        auto it = names_.constFind(resource);
        if (it != names_.constEnd()) return *it;
        QString name = prefix_ + QString::number(names_.size() + 1) + QStringLiteral(".png");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        const QImage image = DocumentPicture(document_, resource);
        if (image.isNull() || !image.save(&buffer, "PNG") ||
            !SaveFileWhole(folder_.filePath(name), png)) {
            failed_ = true;
            name.clear();
        }
        return *names_.insert(resource, name);
    }
    bool Failed() const { return failed_; }

  private:
    const QTextDocument& document_;
    QDir folder_;
    QString prefix_;
    QHash<QString, QString> names_;
    bool failed_ = false;
};

}  // namespace

bool ExportHtml(const QTextDocument& document, const QString& title, const QString& path) {
    PictureFiles pictures(document, QFileInfo(path));
    // One class per character format of the document, declared once in the page's head.
    QHash<int, QString> span_starts;
    QString rules;
    QString body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const bool centered = block.blockFormat().alignment() & Qt::AlignHCenter;
        body += centered ? QStringLiteral("<p align=\"center\">") : QStringLiteral("<p>");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const QTextImageFormat image = format.toImageFormat();
                const QString file = pictures.FileName(image.name());
                if (file.isEmpty()) continue;
                const QString tag =
                    QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"\">")
                        .arg(QString::fromLatin1(QUrl::toPercentEncoding(file)))
                        .arg(image.width())
                        .arg(image.height());
                for (int i = 0; i < fragment.length(); ++i) body += tag;
                continue;
            }
            auto start = span_starts.constFind(fragment.charFormatIndex());
            if (start == span_starts.constEnd()) {
                const QString name = QStringLiteral("s") + QString::number(span_starts.size());
                rules += QStringLiteral("span.%1 { %2 }\n").arg(name, SpanStyle(format));
                start = span_starts.insert(fragment.charFormatIndex(),
                                           QStringLiteral("<span class=\"%1\">").arg(name));
            }
            QString text = fragment.text().toHtmlEscaped();
            text.replace(QChar::LineSeparator, QStringLiteral("<br>"));
            body += *start + text + QStringLiteral("</span>");
        }
        body += QStringLiteral("</p>\n");
    }
    if (pictures.Failed()) return false;
    const QString html = QStringLiteral(
                             "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
                             "<title>") +
                         title.toHtmlEscaped() +
                         QStringLiteral(
                             "</title>\n<style>\nbody { background: #ffffff; }\n"
                             "p { margin: 0; white-space: pre-wrap; }\n") +
                         rules + QStringLiteral("</style></head>\n<body>\n") + body +
                         QStringLiteral("</body></html>\n");
    return SaveFileWhole(path, html.toUtf8());
}
