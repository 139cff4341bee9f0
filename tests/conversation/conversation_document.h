#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "conversation/chat_styles.h"
#include "conversation/conversation_view.h"
#include "widgets/babi_rich_view.h"

// A conversation view holding markup characters, RTF's own characters, accents, a character
// outside Windows-1252, coloured runs, a centred paragraph and two pictures, one of them
// shown four times.
struct ConversationDocument {
    static constexpr int kPictureOccurrences = 5;
    static constexpr int kDistinctPictures = 2;

    std::unique_ptr<BabiRichView> view = std::make_unique<BabiRichView>(ChatStyleSheet());
    QImage smile = Filled(12, 10, QColor(255, 255, 128));
    QImage wink = Filled(9, 14, QColor(64, 192, 255));

    static QImage Filled(int width, int height, const QColor& colour) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    static QString RedText() { return QString::fromUtf8("<b>&amp; {x} \\par é € œ 漢"); }

    ConversationDocument() {
        view->AddPicture("smile", smile);
        view->AddPicture("wink", wink);
        RichParagraph first;
        first.runs.push_back(Link("Bea> "));
        first.runs.push_back(Text(RedText(), BodyStyle(2, 2, false)));
        first.runs.push_back(Picture("smile"));
        first.runs.push_back(Text(" fin", BodyStyle(1, 8, true)));
        first.runs.push_back(Picture("smile"));
        view->AppendParagraph(first);
        RichParagraph second;
        second.centered = true;
        second.runs.push_back(Text("Notice", kStyleM_N_Noir));
        second.runs.push_back(Picture("wink"));
        second.runs.push_back(Picture("smile"));
        second.runs.push_back(Picture("smile"));
        view->AppendParagraph(second);
    }

    static QString ExpectedText() { return "Bea> " + RedText() + " fin\nNotice\n"; }

    static RichRun Text(const QString& text, int style) {
        RichRun run;
        run.text = text;
        run.style = style;
        return run;
    }
    static RichRun Link(const QString& text) {
        RichRun run = Text(text, kStyleHyper_N_P_Rose);
        run.kind = RichRun::Kind::HotLink;
        run.tag = "k-1";
        return run;
    }
    static RichRun Picture(const QString& key) {
        RichRun run;
        run.kind = RichRun::Kind::Picture;
        run.picture = key;
        return run;
    }
};
