// Cost of appending one typical room message to a shown conversation view that holds 200
// paragraphs, against one that holds 10,000 (the default scrollback): the second must stay
// within 1.5 times the first. The scrollback is set to the number held, so the view stays that
// full and its chunked trimming is part of the cost; the view is repainted every 50 appends.
// Run with QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <vector>

#include "widgets/babi_rich_view.h"

namespace {

constexpr int kRepaintEvery = 50;

QColor FromWindows(QRgb value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// The 97 styles of style_chat (Part 3.4), enough like the real sheet for layout costs.
RichStyleSheet ChatSheet() {
    const QRgb colours[12] = {0x000000, 0xFF0000, 0x0000FF, 0xC800FF, 0x009DFF, 0x646464,
                              0x8C1A1A, 0x00007D, 0x007314, 0x5F266E, 0x149B9B, 0x000000};
    const QRgb link_colours[4] = {0xFF0000, 0xC800FF, 0x149B9B, 0x646464};
    const int sizes[3] = {8, 10, 12};
    RichStyleSheet sheet(97);
    for (int size = 0; size < 3; ++size) {
        for (int bold = 0; bold < 2; ++bold) {
            for (int colour = 0; colour < 12; ++colour) {
                sheet[size * 24 + bold * 12 + colour] = {
                    "", "Tahoma", sizes[size], bold == 1, FromWindows(colours[colour]), false};
            }
            for (int link = 0; link < 4; ++link) {
                sheet[72 + bold * 12 + link * 3 + size] = {
                    "", "Tahoma", sizes[size], bold == 1, FromWindows(link_colours[link]), true};
            }
        }
    }
    sheet[96] = {"mini", "Tahoma", 8, false, Qt::black, false};
    return sheet;
}

QImage Face(QColor fill) {
    QImage image(17, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(fill);
    painter.drawEllipse(0, 0, 15, 15);
    painter.drawLine(5, 10, 10, 10);
    return image;
}

// Nickname link, a blank, about 60 characters of text in 3 runs and 2 pictures.
RichParagraph Message(int n) {
    static const char* const kNames[] = {"Gaston", "Zoé", "Maxime", "Léa", "Nono"};
    const QString name = QString::fromUtf8(kNames[n % 5]);
    RichParagraph paragraph;
    paragraph.runs = {
        {RichRun::Kind::HotLink,
         name + ">",
         73 + 3 * (n % 3),
         {},
         name + "\nbleu\n25 ; H ; Paris\n",
         {}},
        {RichRun::Kind::Text, " ", 0, {}, {}, {}},
        {RichRun::Kind::Text, QString::fromUtf8("Salut à tous, ça va ? "), 25, {}, {}, {}},
        {RichRun::Kind::Picture, {}, 0, {}, {}, ":-)"},
        {RichRun::Kind::Text, QString::fromUtf8(" On se retrouve "), 28, {}, {}, {}},
        {RichRun::Kind::Text,
         QString::fromUtf8("à la fête ce soir n°") + QString::number(n),
         25,
         {},
         {},
         {}},
        {RichRun::Kind::Picture, {}, 0, {}, {}, "#05"},
    };
    return paragraph;
}

void BM_AppendMessage(benchmark::State& state) {
    const int held = static_cast<int>(state.range(0));
    const RichStyleSheet sheet = ChatSheet();
    BabiRichView view(sheet);
    view.resize(640, 480);
    view.SetScrollback(held);
    view.SetPictureSource([](const QString& key) {
        return Face(key == ":-)" ? QColor(255, 255, 128) : QColor(64, 192, 255));
    });
    view.show();
    std::vector<RichParagraph> messages;
    for (int i = 0; i < 100; ++i) messages.push_back(Message(i));
    for (int i = 0; i < held; ++i) view.AppendParagraph(messages[i % messages.size()]);
    QCoreApplication::processEvents();

    size_t n = 0;
    for (auto _ : state) {
        view.AppendParagraph(messages[n % messages.size()]);
        if (++n % kRepaintEvery == 0) QCoreApplication::processEvents();
    }
    state.counters["held"] = view.ParagraphCount();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendMessage)->Arg(200)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
