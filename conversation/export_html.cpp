#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include "conversation/conversation_export.h"

namespace {

QString SpanStyle(const QTextCharFormat& format) {
    const QFont font = format.font();
    QString style = QStringLiteral("font-family:'%1'; font-size:%2pt; font-weight:%3; color:%4;")
                        .arg(font.family().toHtmlEscaped())
                        .arg(font.pointSizeF())
                        .arg(font.bold() ? 700 : 400)
                        .arg(format.foreground().color().name());
    if (font.underline()) style += QStringLiteral(" text-decoration:underline;");
    return style;
}

QImage ResourceImage(const QTextDocument& document, const QString& name) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.userType() == QMetaType::QPixmap) return resource.value<QPixmap>().toImage();
    return resource.value<QImage>();
}

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
        const QImage image = ResourceImage(document_, resource);
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
    QHash<int, QString> span_starts;  // per format index of the document
    QString html = QStringLiteral(
                       "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>") +
                   title.toHtmlEscaped() +
                   QStringLiteral("</title></head>\n<body style=\"background:#ffffff;\">\n");
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const bool centered = block.blockFormat().alignment() & Qt::AlignHCenter;
        html += centered ? QStringLiteral("<p align=\"center\" style=\"margin:0; "
                                          "white-space:pre-wrap;\">")
                         : QStringLiteral("<p style=\"margin:0; white-space:pre-wrap;\">");
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
                for (int i = 0; i < fragment.length(); ++i) html += tag;
                continue;
            }
            auto start = span_starts.constFind(fragment.charFormatIndex());
            if (start == span_starts.constEnd()) {
                start = span_starts.insert(fragment.charFormatIndex(),
                                           QStringLiteral("<span style=\"%1\">")
                                               .arg(SpanStyle(format).toHtmlEscaped()));
            }
            QString text = fragment.text().toHtmlEscaped();
            text.replace(QChar::LineSeparator, QStringLiteral("<br>"));
            html += *start + text + QStringLiteral("</span>");
        }
        html += QStringLiteral("</p>\n");
    }
    html += QStringLiteral("</body></html>\n");
    if (pictures.Failed()) return false;
    return SaveFileWhole(path, html.toUtf8());
}
