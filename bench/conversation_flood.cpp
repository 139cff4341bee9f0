// Room messages with several emoticons appended to a shown conversation view, repainted every
// 50 messages: the way Tamaris builds them (runs of same-style text, pictures drawn once per
// kind and cached, one edit block per message) beside the literal way (every character its own
// insertion, every emoticon drawn, trimmed and stored anew), which also reformats the view once
// per message: the two differ in the insertions and the pictures, not in the layout. Also the
// cost of one message in a view held at 200 or 10,000 messages, its trims included.

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
// drawn and trimmed again and stored as a new picture, the message is one edit block (the view
// reformats once per message) and the view scrolls after each message.
void AppendLiterally(BabiRichView* view, const RichStyleSheet& styles, const std::string& coded,
                     int& picture_number) {
    QTextCursor cursor(view->document());
    cursor.beginEditBlock();
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
    cursor.endEditBlock();
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

// One message into a view held at its scrollback of range(0) messages. Once full, the view
// drops its oldest tenth each time it holds a tenth more: a cycle of range(0) / 10 + 1 appends
// with one trim. The timed appends start at the limit and make whole cycles (3003 is a multiple
// of both 21 and 1001), so that every trim they cause is inside the measure.
constexpr int kAppendsIntoAFullView = 3003;

void BM_AppendIntoAFullView(benchmark::State& state) {
    ShownView shown;
    const int held = static_cast<int>(state.range(0));
    shown.view->SetScrollback(held);
    for (int i = 0; i < held; ++i) shown.view->AppendParagraph(SampleMessage(i));
    shown.view->viewport()->repaint();
    std::size_t n = 0;
    int trims = 0;
    for (auto _ : state) {
        const int before = shown.view->ParagraphCount();
        shown.view->AppendParagraph(SampleMessage(n));
        if (shown.view->ParagraphCount() <= before) ++trims;
        if (++n % kRepaintEvery == 0) shown.view->viewport()->repaint();
    }
    state.SetItemsProcessed(static_cast<int64_t>(n));
    state.counters["trims"] = trims;
    state.counters["held_at_end"] = shown.view->ParagraphCount();
}
BENCHMARK(BM_AppendIntoAFullView)
    ->Arg(200)
    ->Arg(10000)
    ->Iterations(kAppendsIntoAFullView)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
