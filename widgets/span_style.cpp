#include "widgets/span_style.h"

#include <QTextCharFormat>

namespace {

// A CSS string in single quotes. A backslash before a quote or a backslash stands for that
// character, in browsers and in Qt's own reader alike. "<" and ">" are dropped: escaped or
// not, they could still close a style element, and no font name needs them; a line break
// cannot stand in a CSS string at all.
QString CssString(const QString& text) {
    QString quoted = QStringLiteral("'");
    for (const QChar ch : text) {
        if (ch == u'<' || ch == u'>' || ch.category() == QChar::Other_Control) continue;
        if (ch == u'\'' || ch == u'\\') quoted += u'\\';
        quoted += ch;
    }
    return quoted + u'\'';
}

}  // namespace

QString SpanStyle(const QTextCharFormat& format) {
    const QFont font = format.font();
    QString style =
        QStringLiteral("font-family:%1; font-size:%2pt; font-weight:%3; color:%4;")
            .arg(CssString(font.family()), QString::number(font.pointSizeF()),
                 QString::number(font.bold() ? 700 : 400), format.foreground().color().name());
    if (font.underline()) style += QStringLiteral(" text-decoration:underline;");
    return style;
}
