#include "conversation/message_html.h"

#include "widgets/ansi_text.h"

namespace {

QString SexColour(const std::string& sex) {
    if (sex == "1") return QStringLiteral("#0000ff");
    if (sex == "0") return QStringLiteral("#ff00ff");
    if (sex == "-1") return QStringLiteral("#808000");
    return QStringLiteral("#808080");
}

}  // namespace

QString MessageHtml(const std::string& alias, const std::string& sex, const std::string& body,
                    bool bold) {
    const std::string text =
        body.size() < kCodePrefixLength ? std::string() : body.substr(kCodePrefixLength);
    QString html = QStringLiteral("<span style=\"color:%1;%2\">%3&gt;</span> ")
                       .arg(SexColour(sex), bold ? QStringLiteral("font-weight:bold") : QString(),
                            FromAnsi(alias).toHtmlEscaped());
    const QString escaped = FromAnsi(text).toHtmlEscaped();
    html += bold ? QStringLiteral("<b>%1</b>").arg(escaped) : escaped;
    return html;
}

QString NoticeHtml(const std::string& text) {
    return QStringLiteral("<span style=\"color:#ff0000;font-weight:bold\">%1</span>")
        .arg(FromAnsi(text).toHtmlEscaped());
}
