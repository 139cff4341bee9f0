#pragma once

#include <QString>

class BabiRichView;
class QWidget;

// The print and export buttons of the room and private windows.

enum class ConversationKind { Room, Private };

// Nothing when the view is empty; else the print dialog over the view's pages, then the
// pages under the header of the kind, with the job title of the kind.
void PrintConversationView(const BabiRichView& view, ConversationKind kind, const QString& caption,
                           QWidget* parent);

// The save dialog, then the view saved in the format of the chosen filter under the wait
// cursor; a failed save is reported in a message box.
void ExportConversationView(const BabiRichView& view, const QString& caption, QWidget* parent);
