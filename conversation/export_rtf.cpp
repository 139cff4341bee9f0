#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include "conversation/conversation_export.h"
#include "platform/cp1252.h"

namespace {

constexpr int kTwipsPerPixel = 15;  // at 96 pixels per inch
constexpr int kHexPerLine = 128;

void AppendEscaped(QByteArray& out, QStringView text) {
    static const char kHex[] = "0123456789abcdef";
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit == u'\t') {
            out += "\\tab ";
        } else if (unit == u'\n' || unit == QChar::LineSeparator) {
            out += "\\line ";
        } else if (unit < 0x20) {
            continue;
        } else if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else if (const char ansi = platform::UnitToAnsi(unit); ansi != '?') {
            const auto byte = static_cast<unsigned char>(ansi);
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            // One unit of a character outside the code page; '?' for readers without \u.
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + '?';
        }
    }
}

QByteArray PictureGroup(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) return {};
    QByteArray group = "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
                       QByteArray::number(image.height()) + "\\picwgoal" +
                       QByteArray::number(image.width() * kTwipsPerPixel) + "\\pichgoal" +
                       QByteArray::number(image.height() * kTwipsPerPixel);
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += kHexPerLine) {
        group += '\n';
        group += hex.mid(i, kHexPerLine);
    }
    return group + "}";
}

// The font and colour tables fill while the body is written; the header goes in front last.
class RtfWriter {
  public:
    explicit RtfWriter(const QTextDocument& document) : document_(document) {}

    QByteArray Write() {
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            const bool centered = block.blockFormat().alignment() & Qt::AlignHCenter;
            body_ += centered ? "\\pard\\qc " : "\\pard\\ql ";
            for (auto it = block.begin(); !it.atEnd(); ++it) AppendFragment(it.fragment());
            body_ += "\\par\n";
        }
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            rtf += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            AppendEscaped(rtf, fonts_[i]);
            rtf += ";}";
        }
        rtf += "}\n{\\colortbl;";
        for (const QColor& colour : colours_) {
            rtf += "\\red" + QByteArray::number(colour.red()) + "\\green" +
                   QByteArray::number(colour.green()) + "\\blue" +
                   QByteArray::number(colour.blue()) + ';';
        }
        rtf += "}\n\\viewkind4\n";
        return rtf + body_ + "}\n";
    }

  private:
    void AppendFragment(const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            const QString name = format.toImageFormat().name();
            auto picture = pictures_.constFind(name);
            if (picture == pictures_.constEnd())
                picture = pictures_.insert(name, PictureGroup(DocumentPicture(document_, name)));
            for (int i = 0; i < fragment.length(); ++i) body_ += *picture;
            return;
        }
        auto start = run_starts_.constFind(fragment.charFormatIndex());
        if (start == run_starts_.constEnd())
            start = run_starts_.insert(fragment.charFormatIndex(), RunStart(format));
        body_ += *start;
        AppendEscaped(body_, fragment.text());
        body_ += '}';
    }

    QByteArray RunStart(const QTextCharFormat& format) {
        const QFont font = format.font();
        const QColor colour = format.foreground().color();
        qsizetype font_index = fonts_.indexOf(font.family());
        if (font_index < 0) {
            font_index = fonts_.size();
            fonts_.append(font.family());
        }
        qsizetype colour_index = colours_.indexOf(colour);
        if (colour_index < 0) {
            colour_index = colours_.size();
            colours_.append(colour);
        }
        const int half_points = qRound(font.pointSizeF() * 2);
        return "{\\f" + QByteArray::number(font_index) + "\\fs" +
               QByteArray::number(half_points > 0 ? half_points : 16) +
               (font.bold() ? "\\b" : "\\b0") + (font.underline() ? "\\ul" : "\\ul0") + "\\cf" +
               QByteArray::number(colour_index + 1) + ' ';
    }

    const QTextDocument& document_;
    QByteArray body_;
    QList<QString> fonts_;
    QList<QColor> colours_;  // \cf0 is the reader's default: ours start at 1
    QHash<int, QByteArray> run_starts_;
    QHash<QString, QByteArray> pictures_;
};

}  // namespace

QByteArray ConversationRtf(const QTextDocument& document) {
    return RtfWriter(document).Write();
}

bool ExportRtf(const QTextDocument& document, const QString& path) {
    return SaveFileWhole(path, ConversationRtf(document));
}
