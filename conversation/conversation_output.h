#pragma once

#include <QString>

class BabiRichView;
class QToolButton;
class QWidget;

// The print and export buttons of the room and private windows.

enum class ConversationKind { Room, Private };

// Nothing when the view is empty; else the print dialog over the view's pages, then the
// pages under the header of the kind, with the job title of the kind.
void PrintConversationView(const BabiRichView& view, ConversationKind kind, const QString& caption,
                           QWidget* parent);

// Nothing when the view is empty; else the same pages in Qt's preview window, from which
// they can be printed.
void PreviewConversationView(const BabiRichView& view, ConversationKind kind,
                             const QString& caption, QWidget* parent);

// A click on the print button prints the view under the window's caption; the button's menu
// arrow offers "Aperçu avant impression ...".
void ConnectPrintButton(QToolButton* button, const BabiRichView& view, ConversationKind kind,
                        QWidget* window);

// The save dialog, then the view saved in the format of the chosen filter under the wait
// cursor; a failed save is reported in a message box.
void ExportConversationView(const BabiRichView& view, const QString& caption, QWidget* parent);
