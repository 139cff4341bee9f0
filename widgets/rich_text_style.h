#pragma once

#include <QColor>
#include <QString>
#include <vector>

// One named text style of a style sheet shared by conversation views. A hot-link style makes
// its runs clickable and gives them the hover background.
struct RichTextStyle {
    QString name;
    QString font;
    int point_size = 8;
    bool bold = false;
    QColor colour = Qt::black;
    bool hot_link = false;
};

// Styles by index; a view keeps a reference to the sheet and never copies it.
using RichStyleSheet = std::vector<RichTextStyle>;
