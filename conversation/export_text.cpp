#include <QPixmap>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include "conversation/conversation_export.h"

QString ConversationText(const QTextDocument& document) {
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) continue;
            text += it.fragment().text();
        }
        text += u'\n';
    }
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

bool ExportText(const QTextDocument& document, const QString& path) {
    return SaveFileWhole(path, ConversationText(document).toUtf8());
}

QImage DocumentPicture(const QTextDocument& document, const QString& resource) {
    const QVariant image = document.resource(QTextDocument::ImageResource, QUrl(resource));
    if (image.userType() == QMetaType::QPixmap) return image.value<QPixmap>().toImage();
    return image.value<QImage>();
}

bool SaveFileWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool ExportConversation(const QTextDocument& document, ExportFormat format, const QString& title,
                        const QString& path) {
    switch (format) {
        case ExportFormat::Html:
            return ExportHtml(document, title, path);
        case ExportFormat::Rtf:
            return ExportRtf(document, path);
        case ExportFormat::Text:
            break;
    }
    return ExportText(document, path);
}
