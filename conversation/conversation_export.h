#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QTextDocument;

// Saving a conversation view's document to a file. Every file is written beside its target
// under a temporary name and renamed over it once complete, so that a failed save leaves an
// existing file whole; each function returns false when anything could not be written.

enum class ExportFormat { Html, Rtf, Text };

// A web page titled with the caption. Each picture of the document is written once, whatever
// the number of its occurrences, as "smiley_<page name>_<n>.png" beside the page and named
// by that relative name: two pages saved in one folder keep their own pictures.
bool ExportHtml(const QTextDocument& document, const QString& title, const QString& path);
// Rich text: fonts, sizes, weights, colours and alignment per run, pictures as PNG.
bool ExportRtf(const QTextDocument& document, const QString& path);
// The text in UTF-8, one line per paragraph; pictures leave nothing.
bool ExportText(const QTextDocument& document, const QString& path);

bool ExportConversation(const QTextDocument& document, ExportFormat format, const QString& title,
                        const QString& path);

// The contents that the functions above write.
QByteArray ConversationRtf(const QTextDocument& document);
QString ConversationText(const QTextDocument& document);

// The image of a picture resource of the document; a null image when it has none.
QImage DocumentPicture(const QTextDocument& document, const QString& resource);

// Writes the bytes to path through a temporary file beside it.
bool SaveFileWhole(const QString& path, const QByteArray& bytes);
