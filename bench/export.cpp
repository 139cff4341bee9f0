// Saving a 10,000-message room conversation with emoticons and special pictures in each
// export format, to a file in a temporary folder.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "conversation/conversation_export.h"
#include "conversation/conversation_view.h"
#include "conversation/emoticon_pictures.h"
#include "conversation/message_paragraphs.h"
#include "sample_messages.h"
#include "widgets/babi_rich_view.h"

namespace {

constexpr int kMessages = 10000;

const BabiRichView& Conversation() {
    static const std::unique_ptr<BabiRichView> view = [] {
        std::unique_ptr<BabiRichView> made(NewUnboundedView());
        for (int i = 0; i < kMessages; ++i) made->AppendParagraph(SampleMessage(i));
        return made;
    }();
    return *view;
}

void BM_Export(benchmark::State& state) {
    const auto format = static_cast<ExportFormat>(state.range(0));
    const QTextDocument& document = *Conversation().document();
    QTemporaryDir dir;
    const QString path = dir.filePath("salon");
    for (auto _ : state) {
        if (!ExportConversation(document, format, "Amis", path)) state.SkipWithError("not saved");
    }
    state.SetLabel(QFileInfo(path).size() > 0
                       ? std::to_string(QFileInfo(path).size() / 1024) + " KiB"
                       : std::string("empty"));
}
BENCHMARK(BM_Export)
    ->ArgName("format")
    ->Arg(int(ExportFormat::Text))
    ->Arg(int(ExportFormat::Html))
    ->Arg(int(ExportFormat::Rtf))
    ->Unit(benchmark::kMillisecond);

}  // namespace
