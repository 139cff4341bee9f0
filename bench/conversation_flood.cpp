// Room messages with several emoticons appended to a shown conversation view, repainted every
// 50 messages: the way Tamaris builds them (runs of same-style text, pictures drawn once per
// kind and cached, one edit block per message) beside the literal way (every character its own
// insertion, every emoticon drawn, trimmed and stored anew, the view laid out after each
// message). Also the cost of one message in a view that already holds 200 or 10,000.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <string>
#include <vector>

#include "conversation/chat_styles.h"
#include "conversation/conversation_view.h"
#include "conversation/emoticon_pictures.h"
#include "conversation/message_body.h"
#include "conversation/message_paragraphs.h"
#include "sample_messages.h"
#include "widgets/babi_rich_view.h"

namespace {

constexpr int kRepaintEvery = 50;

struct ShownView {
    ShownView() : view(NewUnboundedView()) {
        view->resize(700, 500);
        view->show();
    }
    ~ShownView() { delete view; }
    BabiRichView* view;
};

void BM_FloodInRuns(benchmark::State& state) {
    ShownView shown;
    std::size_t n = 0;
    for (auto _ : state) {
        shown.view->AppendParagraph(SampleMessage(n));
        if (++n % kRepaintEvery == 0) shown.view->viewport()->repaint();
    }
    state.SetItemsProcessed(static_cast<int64_t>(n));
}
BENCHMARK(BM_FloodInRuns)->Iterations(3000)->Unit(benchmark::kMicrosecond);

// The literal way: each character of a body is an insertion of its own, each emoticon is
// drawn and trimmed again and stored as a new picture, and the view scrolls after each message.
void AppendLiterally(BabiRichView* view, const RichStyleSheet& styles, const std::string& coded,
                     int& picture_number) {
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    auto format_of = [&styles](int index) {
        QTextCharFormat format;
        const RichTextStyle& style = styles[index];
        format.setFontFamilies({style.font});
        format.setFontPointSize(style.point_size);
        format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(style.colour);
        return format;
    };
    cursor.insertText("Gaston>", format_of(kStyleHyper_N_P_Bleu));
    cursor.insertText(" ", format_of(kStyleM_N_Noir));
    const int style = BodyStyle(coded[1] - '0', (coded[2] - '0') * 10 + coded[3] - '0', false);
    for (const BodyItem& item : ParseBody(std::string_view(coded).substr(4))) {
        if (item.kind == BodyItem::Kind::Text) {
            for (char c : item.text)
                cursor.insertText(QString(QChar::fromLatin1(c)), format_of(style));
            continue;
        }
        const QImage picture =
            item.kind == BodyItem::Kind::Smiley
                ? TrimPicture(DrawSmiley(item.eyes, item.nose, item.mouth, item.digit))
                : TrimPicture(SpecialPicture(item.special));
        const QString name = QStringLiteral("literal:%1").arg(picture_number++);
        view->document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
        cursor.insertImage(name);
    }
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

void BM_FloodLiterally(benchmark::State& state) {
    ShownView shown;
    const RichStyleSheet& styles = ChatStyleSheet();
    std::size_t n = 0;
    int picture_number = 0;
    for (auto _ : state) {
        AppendLiterally(shown.view, styles, SampleBodies()[n % SampleBodies().size()],
                        picture_number);
        if (++n % kRepaintEvery == 0) shown.view->viewport()->repaint();
    }
    state.SetItemsProcessed(static_cast<int64_t>(n));
}
BENCHMARK(BM_FloodLiterally)->Iterations(3000)->Unit(benchmark::kMicrosecond);

// One message into a view already holding range(0) messages, its scrollback at that number so
// that trimming is part of the cost.
void BM_AppendIntoAFullView(benchmark::State& state) {
    ShownView shown;
    const int held = static_cast<int>(state.range(0));
    shown.view->SetScrollback(held);
    for (int i = 0; i < held; ++i) shown.view->AppendParagraph(SampleMessage(i));
    shown.view->viewport()->repaint();
    std::size_t n = 0;
    for (auto _ : state) {
        shown.view->AppendParagraph(SampleMessage(n));
        if (++n % kRepaintEvery == 0) shown.view->viewport()->repaint();
    }
    state.SetItemsProcessed(static_cast<int64_t>(n));
}
BENCHMARK(BM_AppendIntoAFullView)
    ->Arg(200)
    ->Arg(10000)
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
