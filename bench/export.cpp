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
#include "widgets/babi_rich_view.h"

namespace {

constexpr int kMessages = 10000;

const std::vector<std::string> kBodies = {
    "0104Salut tout le monde :-) comment \xE7"
    "a va ce soir ? ;-)3 on f\xEAte \xE7"
    "a 8-D",
    "0208Regardez #05 et #12 c'est pour vous :o) B-)7 bisous :-* {accolades} et \\",
    "0011Arc en ciel :-P avec des couleurs partout ;o) et une rose #03 <b>pas gras</b>",
    "0302Ouh l\xE0 :-( je pars demain :'( mais je reviens vite :-D5",
};

const BabiRichView& Conversation() {
    static const std::unique_ptr<BabiRichView> view = [] {
        auto made = std::make_unique<BabiRichView>(ChatStyleSheet());
        made->SetPictureSource([](const QString& key) { return CachedPicture(key); });
        made->SetScrollback(0);
        MemberRecord sender;
        sender.key = "gaston-12";
        sender.nickname = "Gaston";
        sender.age = "31";
        sender.sex = "1";
        sender.town = "Paris";
        for (int i = 0; i < kMessages; ++i) {
            made->AppendParagraph(RoomMessageParagraph(
                sender, "Lucie", kBodies[static_cast<std::size_t>(i) % kBodies.size()], false));
        }
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
