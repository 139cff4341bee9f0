#include "conversation/conversation_output.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolButton>

#include "conversation/chat_styles.h"
#include "conversation/clock_text.h"
#include "conversation/conversation_export.h"
#include "conversation/conversation_print.h"
#include "conversation/conversation_view.h"
#include "widgets/babi_rich_view.h"

namespace {

const QString kFilterHtml = QStringLiteral("Page web  (*.htm *.html)");
const QString kFilterRtf = QStringLiteral("RichText  (*.rtf)");
const QString kFilterText = QStringLiteral("Texte simple  (*.txt)");

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The dialog gives its filters back with blanks collapsed: they are told apart by pattern.
ExportFormat FormatOfFilter(const QString& name_filter) {
    if (name_filter.contains(QStringLiteral("*.htm"))) return ExportFormat::Html;
    if (name_filter.contains(QStringLiteral("*.rtf"))) return ExportFormat::Rtf;
    return ExportFormat::Text;
}

QString SuffixOfFilter(const QString& name_filter) {
    switch (FormatOfFilter(name_filter)) {
        case ExportFormat::Html:
            return QStringLiteral("html");
        case ExportFormat::Rtf:
            return QStringLiteral("rtf");
        case ExportFormat::Text:
            break;
    }
    return QStringLiteral("txt");
}

// The save dialog "exportdialog": its filters pick the format, and the suffix added to a
// name typed without one follows the chosen filter.
QFileDialog* NewExportDialog(QWidget* parent) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("Sauvegarder la conversation"));
    dialog->setObjectName("exportdialog");
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({kFilterHtml, kFilterRtf, kFilterText});
    // The default extension is "txt": the plain text filter goes with it.
    dialog->selectNameFilter(dialog->nameFilters().constLast());
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(SuffixOfFilter(filter));
    });
    return dialog;
}

QFont HeaderFont() {
    const RichTextStyle& mini = ChatStyleSheet()[kStyleMini];
    QFont font(mini.font);
    font.setPointSize(mini.point_size);
    font.setBold(mini.bold);
    return font;
}

// The pages under the header of the kind, with the job title of the kind.
bool PrintPages(const BabiRichView& view, ConversationKind kind, const QString& caption,
                QPrinter& printer) {
    const bool room = kind == ConversationKind::Room;
    printer.setDocName(room ? QStringLiteral("Impression d'un salon - Tamaris")
                            : QString::fromUtf8("Impression d'un privé - Tamaris"));
    const QString date_time = DateTimeText(QLocale::system(), QDateTime::currentDateTime());
    WaitCursor wait;
    return PrintConversation(*view.document(), printer, HeaderFont(), [&](int page, int pages) {
        return room ? RoomPageHeader(caption, date_time, page, pages)
                    : PrivatePageHeader(caption, date_time, page, pages);
    });
}

}  // namespace

void ExportConversationView(const BabiRichView& view, const QString& caption, QWidget* parent) {
    QFileDialog* dialog = NewExportDialog(parent);
    const bool confirmed =
        dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty();
    const QString path = confirmed ? dialog->selectedFiles().constFirst() : QString();
    const ExportFormat format = FormatOfFilter(dialog->selectedNameFilter());
    delete dialog;
    if (!confirmed) return;
    bool saved;
    {
        WaitCursor wait;
        saved = ExportConversation(*view.document(), format, caption, path);
    }
    if (!saved) {
        QMessageBox::critical(parent, QStringLiteral("Erreur"),
                              QString::fromUtf8("Erreur durant l'éxportation"));
    }
}

void PrintConversationView(const BabiRichView& view, ConversationKind kind, const QString& caption,
                           QWidget* parent) {
    if (view.ParagraphCount() == 0 || view.document()->isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    int count;
    {
        WaitCursor wait;
        count = ConversationPageCount(*view.document(), printer);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, count);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintPages(view, kind, caption, printer)) {
        QMessageBox::critical(parent, QStringLiteral("Erreur"),
                              QString::fromUtf8("Erreur durant l'impression"));
    }
}

void PreviewConversationView(const BabiRichView& view, ConversationKind kind,
                             const QString& caption, QWidget* parent) {
    if (view.ParagraphCount() == 0 || view.document()->isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("apercu");
    preview.setWindowTitle(QString::fromUtf8("Aperçu avant impression"));
    preview.resize(800, 900);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PrintPages(view, kind, caption, *target); });
    preview.exec();
}

void ConnectPrintButton(QToolButton* button, const BabiRichView& view, ConversationKind kind,
                        QWidget* window) {
    QObject::connect(button, &QToolButton::clicked, window, [&view, kind, window] {
        PrintConversationView(view, kind, window->windowTitle(), window);
    });
    auto* menu = new QMenu(button);
    QAction* preview = menu->addAction(QString::fromUtf8("Aperçu avant impression ..."));
    preview->setObjectName("apercu_impression");
    QObject::connect(preview, &QAction::triggered, window, [&view, kind, window] {
        PreviewConversationView(view, kind, window->windowTitle(), window);
    });
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
}
