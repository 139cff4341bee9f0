#pragma once

#include <QColor>
#include <QString>
#include <vector>

// One item of a conversation paragraph: a run of text in one style, a hot link (a run with a
// tag, clickable), a picture named by a key that the view knows (BabiRichView::AddPicture), or
// a line break inside the paragraph, as tall as its style.
struct RichRun {
    enum class Kind { Text, HotLink, Picture, LineBreak };
    Kind kind = Kind::Text;
    QString text;      // Text and HotLink: what is shown
    int style = 0;     // index into the view's style sheet
    QColor colour;     // when valid, overrides the style's colour (rainbow text)
    QString tag;       // HotLink: handed back on hover and click
    QString picture;   // Picture: the key given to AddPicture
};

// A paragraph as the view appends it, in one edit block.
struct RichParagraph {
    std::vector<RichRun> runs;
    bool centered = false;  // paragraph style 1 "Centered", else 0 "Paragraph Style"
};
