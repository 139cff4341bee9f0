#pragma once

#include <QFont>
#include <QString>
#include <functional>

class QPrinter;
class QTextDocument;

// Laying out and printing a conversation on pages with 20 mm margins and a header above each.

inline constexpr double kPrintMarginMm = 20;
// The header's text ends this many device units above the printable area.
inline constexpr int kHeaderGap = 10;

// The header of one page, given its number (from 1) and the number of pages.
using PageHeader = std::function<QString(int page, int count)>;

// "Tamaris - Salon "room" - date - Page p sur n", or "Tamaris - Privé avec ..." for a private
// conversation.
QString RoomPageHeader(const QString& caption, const QString& date_time, int page, int count);
QString PrivatePageHeader(const QString& caption, const QString& date_time, int page, int count);

// Sets the margins on the printer and returns the number of pages the document takes there.
int ConversationPageCount(const QTextDocument& document, QPrinter& printer);

// Prints the printer's page range (all pages when it has none), the copies and collation it
// holds, each page under its header in header_font. Returns false when the printer could not
// be started.
bool PrintConversation(const QTextDocument& document, QPrinter& printer, const QFont& header_font,
                       const PageHeader& header);
