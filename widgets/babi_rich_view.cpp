#include "widgets/babi_rich_view.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>
#include <utility>
#include <vector>

#include "widgets/span_style.h"

namespace {

// A hot-link run's character format carries the link's number in its paragraph, and the
// paragraph's block keeps the tags (LinkTags): a document keeps every format it was ever given
// for its whole life, so a tag in the format would keep one format per member who ever spoke,
// long after the scrollback dropped their lines.
constexpr int kHotLinkProperty = QTextFormat::UserProperty + 0x7A1;
constexpr int kPictureKeyProperty = QTextFormat::UserProperty + 0x7A3;

// The tags of one paragraph's hot links, by link number; removed with the paragraph.
struct LinkTags : QTextBlockUserData {
    explicit LinkTags(QStringList tags) : tags(std::move(tags)) {}
    QStringList tags;
};

QStringList TagsOf(const QTextBlock& block) {
    const auto* links = dynamic_cast<const LinkTags*>(block.userData());
    return links != nullptr ? links->tags : QStringList();
}

constexpr int kNotchDelta = 120;
const QString kPictureScheme = QStringLiteral("tamaris-picture:");

QFont StyleFont(const RichTextStyle& style) {
    QFont font(style.font);
    if (style.point_size > 0) font.setPointSize(style.point_size);
    font.setWeight(style.bold ? QFont::Bold : QFont::Normal);
    return font;
}

// Characters that QTextCursor::insertText would turn into paragraph or frame breaks become
// blanks, so that one paragraph stays one block whatever the server sent.
QString RunText(const QString& text) {
    const auto breaks = [](QChar ch) {
        switch (ch.unicode()) {
            case u'\n':
            case u'\r':
            case 0x2028:  // line separator
            case 0x2029:  // paragraph separator
            case 0xFDD0:  // QTextBeginningOfFrame
            case 0xFDD1:  // QTextEndOfFrame
                return true;
            default:
                return false;
        }
    };
    if (std::none_of(text.begin(), text.end(), breaks)) return text;
    QString clean = text;
    std::replace_if(clean.begin(), clean.end(), breaks, QChar(u' '));
    return clean;
}

bool SameFormat(const RichRun& a, const RichRun& b) {
    return a.kind == b.kind && a.style == b.style && a.colour == b.colour &&
           (a.kind != RichRun::Kind::HotLink || a.tag == b.tag);
}

QImage ToImage(const QVariant& resource) {
    if (resource.userType() == QMetaType::QPixmap) return resource.value<QPixmap>().toImage();
    return resource.value<QImage>();
}

}  // namespace

const QString BabiRichView::kWordDelimiters = QStringLiteral(" .;,:(){}\"/\\");

bool BabiRichView::IsHotLinkFormat(const QTextFormat& format) {
    return format.hasProperty(kHotLinkProperty);
}

QString BabiRichView::HotLinkTag(const QTextBlock& block, const QTextFormat& format) {
    if (!IsHotLinkFormat(format)) return {};
    return TagsOf(block).value(format.intProperty(kHotLinkProperty));
}

QString BabiRichView::PictureKey(const QTextFormat& format) {
    return format.stringProperty(kPictureKeyProperty);
}

BabiRichView::BabiRichView(const RichStyleSheet& styles, QWidget* parent)
    : QTextBrowser(parent), styles_(styles) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    setUndoRedoEnabled(false);
    // Selectable by mouse only: keyboard selection would show a caret. Ctrl+C still copies.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    document()->setDocumentMargin(kMargin);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    normal_cursor_ = viewport()->cursor().shape();

    // A set direction spares the layout a scan of each paragraph for its first strong letter.
    for (QTextBlockFormat& format : paragraph_formats_) format.setLayoutDirection(Qt::LeftToRight);
    paragraph_formats_[0].setAlignment(Qt::AlignLeft);
    paragraph_formats_[1].setAlignment(Qt::AlignHCenter);

    // Scrolling moves the text under a still mouse: the hovered link follows.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (mouse_inside_) UpdateHover(mouse_pos_, viewport()->mapToGlobal(mouse_pos_), false);
    });
}

void BabiRichView::SetPictureSource(PictureSource source) {
    picture_source_ = std::move(source);
}

void BabiRichView::AddPicture(const QString& key, const QImage& image) {
    PictureEntry& entry = pictures_[key];
    if (entry.resource.isEmpty())
        entry.resource = kPictureScheme + QString::number(next_picture_++);
    entry.image = image;
    entry.format = QTextImageFormat();
    if (!image.isNull()) {
        entry.format.setName(entry.resource);
        entry.format.setProperty(kPictureKeyProperty, key);
        entry.format.setWidth(image.width());
        entry.format.setHeight(image.height());
    }
    if (entry.in_document) {
        document()->addResource(QTextDocument::ImageResource, QUrl(entry.resource),
                                QPixmap::fromImage(image));
    }
}

bool BabiRichView::HasPicture(const QString& key) const {
    return pictures_.contains(key);
}

QImage BabiRichView::Picture(const QString& key) const {
    return pictures_.value(key).image;
}

const QTextImageFormat* BabiRichView::PictureFormat(const QString& key) {
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
        AddPicture(key, picture_source_ ? picture_source_(key) : QImage());
        it = pictures_.find(key);
    }
    PictureEntry& entry = *it;
    if (entry.image.isNull()) return nullptr;
    if (!entry.in_document) {
        // Stored as a pixmap: the document draws it as it is, without a conversion per paint.
        document()->addResource(QTextDocument::ImageResource, QUrl(entry.resource),
                                QPixmap::fromImage(entry.image));
        entry.in_document = true;
    }
    return &entry.format;
}

bool BabiRichView::IsHotLinkStyle(int style) const {
    return style >= 0 && style < static_cast<int>(styles_.size()) && styles_[style].hot_link;
}

QTextCharFormat BabiRichView::StyleFormat(int style, const QColor& colour) {
    const quint64 key = (quint64(quint32(style)) << 33) |
                        (colour.isValid() ? (quint64(1) << 32) | colour.rgba() : 0);
    auto it = formats_.constFind(key);
    if (it != formats_.constEnd()) return *it;
    QTextCharFormat format;
    QColor foreground = Qt::black;
    if (style >= 0 && style < static_cast<int>(styles_.size())) {
        format.setFont(StyleFont(styles_[style]), QTextCharFormat::FontPropertiesSpecifiedOnly);
        foreground = styles_[style].colour;
    }
    if (colour.isValid()) foreground = colour;
    format.setForeground(foreground);
    return *formats_.insert(key, format);
}

void BabiRichView::StylesChanged() {
    formats_.clear();
}

void BabiRichView::AppendParagraph(const RichParagraph& paragraph) {
    QTextCursor cursor(document());
    // Inside the edit block the cursor does not lay out the last line to find its x.
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);

    const QTextBlockFormat& block_format = paragraph_formats_[paragraph.centered ? 1 : 0];
    const auto first_text =
        std::find_if(paragraph.runs.begin(), paragraph.runs.end(),
                     [](const RichRun& run) { return run.kind != RichRun::Kind::Picture; });
    const QTextCharFormat mark_format = first_text == paragraph.runs.end()
                                            ? StyleFormat(0, QColor())
                                            : StyleFormat(first_text->style, first_text->colour);
    if (paragraph_count_ == 0) {
        cursor.setBlockFormat(block_format);
        cursor.setBlockCharFormat(mark_format);
    } else {
        cursor.insertBlock(block_format, mark_format);
    }
    ++paragraph_count_;

    QStringList tags;
    const auto& runs = paragraph.runs;
    for (size_t i = 0; i < runs.size();) {
        const RichRun& run = runs[i];
        if (run.kind == RichRun::Kind::Picture) {
            if (const QTextImageFormat* format = PictureFormat(run.picture)) {
                cursor.insertImage(*format);
            }
            ++i;
            continue;
        }
        if (run.kind == RichRun::Kind::LineBreak) {
            cursor.insertText(QString(QChar::LineSeparator), StyleFormat(run.style, run.colour));
            ++i;
            continue;
        }
        // Runs of the same format go in with one insertion.
        size_t next = i + 1;
        while (next < runs.size() && SameFormat(runs[next], run)) ++next;
        QString text = run.text;
        for (size_t j = i + 1; j < next; ++j) text += runs[j].text;
        i = next;
        if (text.isEmpty()) continue;
        if (run.kind == RichRun::Kind::HotLink || IsHotLinkStyle(run.style)) {
            QTextCharFormat format = StyleFormat(run.style, run.colour);
            format.setProperty(kHotLinkProperty, static_cast<int>(tags.size()));
            tags.append(run.tag);
            cursor.insertText(RunText(text), format);
        } else {
            cursor.insertText(RunText(text), StyleFormat(run.style, run.colour));
        }
    }
    if (!tags.isEmpty()) cursor.block().setUserData(new LinkTags(std::move(tags)));
    cursor.endEditBlock();

    TrimScrollback();
    if (auto_scroll_) ScrollToEnd();
    if (mouse_inside_) UpdateHover(mouse_pos_, viewport()->mapToGlobal(mouse_pos_), false);
}

void BabiRichView::ScrollToEnd() {
    QScrollBar* bar = verticalScrollBar();
    if (bar->value() == bar->maximum()) return;
    // Scrolling a shown viewport moves its pixels in the backing store, a copy of the whole
    // window per append; with updates off it only asks for one repaint, merged with the others.
    viewport()->setUpdatesEnabled(false);
    bar->setValue(bar->maximum());
    viewport()->setUpdatesEnabled(true);
}

void BabiRichView::Clear() {
    ClearHover();
    // QTextDocument::clear drops the resources and the formats with the text.
    document()->clear();
    document()->setDocumentMargin(kMargin);
    for (PictureEntry& entry : pictures_) entry.in_document = false;
    paragraph_count_ = 0;
    pressed_link_ = -1;
}

void BabiRichView::SetScrollback(int paragraphs) {
    scrollback_ = std::max(0, paragraphs);
    if (scrollback_ > 0 && paragraph_count_ > scrollback_) {
        RemoveOldest(paragraph_count_ - scrollback_);
    }
}

void BabiRichView::TrimScrollback() {
    if (scrollback_ <= 0) return;
    const int chunk = std::max(1, scrollback_ / 10);
    if (paragraph_count_ > scrollback_ + chunk) RemoveOldest(paragraph_count_ - scrollback_);
}

void BabiRichView::RemoveOldest(int paragraphs) {
    QTextDocument* doc = document();
    const QTextBlock first_kept = doc->findBlockByNumber(paragraphs);
    if (!first_kept.isValid()) return;
    // Removing up to a block start merges into the first removed block's formats: the kept
    // paragraph gets its own back.
    const QTextBlockFormat block_format = first_kept.blockFormat();
    const QTextCharFormat mark_format = first_kept.charFormat();
    const QStringList tags = TagsOf(first_kept);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.setPosition(first_kept.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setBlockFormat(block_format);
    cursor.setBlockCharFormat(mark_format);
    cursor.block().setUserData(tags.isEmpty() ? nullptr : new LinkTags(tags));
    cursor.endEditBlock();
    paragraph_count_ -= paragraphs;
}

QPointF BabiRichView::ToDocument(const QPoint& viewport_pos) const {
    const QScrollBar* bar = horizontalScrollBar();
    const int x = isRightToLeft() ? bar->maximum() - bar->value() : bar->value();
    return QPointF(viewport_pos.x() + x, viewport_pos.y() + verticalScrollBar()->value());
}

int BabiRichView::CharacterAt(const QPoint& viewport_pos) const {
    const QPointF point = ToDocument(viewport_pos);
    const int hit = document()->documentLayout()->hitTest(point, Qt::ExactHit);
    if (hit < 0) return -1;
    const QTextBlock block = document()->findBlock(hit);
    const QTextLayout* layout = block.layout();
    if (!block.isValid() || layout == nullptr) return -1;
    const QPointF local = point - layout->position();
    // The hit is a boundary: the character drawn under the point is on one side of it.
    for (const int index : {hit - block.position(), hit - block.position() - 1}) {
        if (index < 0 || index >= block.length() - 1) continue;
        const QTextLine line = layout->lineForTextPosition(index);
        if (!line.isValid() || local.y() < line.y() || local.y() >= line.y() + line.height()) {
            continue;
        }
        const qreal left = line.cursorToX(index, QTextLine::Leading);
        const qreal right = line.cursorToX(index, QTextLine::Trailing);
        if (local.x() >= std::min(left, right) && local.x() < std::max(left, right)) {
            return block.position() + index;
        }
    }
    return -1;
}

BabiRichView::Link BabiRichView::LinkAtPosition(int position) const {
    const QTextBlock block = document()->findBlock(position);
    std::vector<QTextFragment> fragments;
    int hit = -1;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        if (fragment.contains(position)) hit = static_cast<int>(fragments.size());
        fragments.push_back(fragment);
    }
    if (hit < 0 || !IsHotLinkFormat(fragments[hit].charFormat())) return {};
    Link link;
    link.tag = HotLinkTag(block, fragments[hit].charFormat());
    const auto same_link = [&](int i) {
        const QTextCharFormat format = fragments[i].charFormat();
        return IsHotLinkFormat(format) && HotLinkTag(block, format) == link.tag;
    };
    int first = hit;
    int last = hit;
    while (first > 0 && same_link(first - 1)) --first;
    while (last + 1 < static_cast<int>(fragments.size()) && same_link(last + 1)) ++last;
    link.start = fragments[first].position();
    link.end = fragments[last].position() + fragments[last].length();
    link.text = block.text().mid(link.start - block.position(), link.end - link.start);
    return link;
}

BabiRichView::Link BabiRichView::LinkAt(const QPoint& viewport_pos) const {
    const int position = CharacterAt(viewport_pos);
    return position < 0 ? Link{} : LinkAtPosition(position);
}

bool BabiRichView::HotLinkAt(const QPoint& viewport_pos, QString* text, QString* tag) const {
    const Link link = LinkAt(viewport_pos);
    if (link.start < 0) return false;
    if (text != nullptr) *text = link.text;
    if (tag != nullptr) *tag = link.tag;
    return true;
}

void BabiRichView::UpdateHover(const QPoint& viewport_pos, const QPoint& global_pos,
                               bool send_hovered) {
    const Link link = LinkAt(viewport_pos);
    const bool same = !hovered_.isNull() && hovered_.selectionStart() == link.start &&
                      hovered_.selectionEnd() == link.end && hovered_tag_ == link.tag;
    if (!same) {
        ClearHover();
        if (link.start < 0) return;
        hovered_ = QTextCursor(document());
        hovered_.setPosition(link.start);
        hovered_.setPosition(link.end, QTextCursor::KeepAnchor);
        hovered_text_ = link.text;
        hovered_tag_ = link.tag;
        ExtraSelection highlight;
        highlight.cursor = hovered_;
        highlight.format.setBackground(QColor::fromRgba(kHotLinkHover));
        setExtraSelections({highlight});
        viewport()->setCursor(Qt::PointingHandCursor);
    }
    if (send_hovered) emit HotLinkHovered(hovered_text_, hovered_tag_, global_pos);
}

void BabiRichView::ClearHover() {
    if (hovered_.isNull()) return;
    hovered_ = QTextCursor();
    hovered_text_.clear();
    hovered_tag_.clear();
    setExtraSelections({});
    viewport()->setCursor(normal_cursor_);
    emit HotLinkLeft();
}

void BabiRichView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        QTextCursor cursor = textCursor();
        if (cursor.hasSelection()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        press_pos_ = event->position().toPoint();
        pressed_link_ = LinkAt(press_pos_).start;
    }
    QTextBrowser::mousePressEvent(event);
}

void BabiRichView::mouseMoveEvent(QMouseEvent* event) {
    QTextBrowser::mouseMoveEvent(event);
    mouse_inside_ = true;
    mouse_pos_ = event->position().toPoint();
    UpdateHover(mouse_pos_, event->globalPosition().toPoint(), true);
}

void BabiRichView::mouseReleaseEvent(QMouseEvent* event) {
    QTextBrowser::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || pressed_link_ < 0) return;
    const QPoint pos = event->position().toPoint();
    const Link link = LinkAt(pos);
    const bool click = link.start == pressed_link_ &&
                       (pos - press_pos_).manhattanLength() < QApplication::startDragDistance();
    pressed_link_ = -1;
    if (click) emit HotLinkClicked(link.text, link.tag, event->modifiers());
}

void BabiRichView::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_link_ = -1;  // the release that follows is not a click
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const QPoint pos = event->position().toPoint();
    int position = CharacterAt(pos);
    if (position < 0) {
        // Beside the text: the character next to the nearest caret position of the line.
        const QTextCursor nearest = cursorForPosition(pos);
        const QTextBlock block = nearest.block();
        if (block.length() <= 1) {
            event->accept();
            return;
        }
        position = std::min(nearest.position(), block.position() + block.length() - 2);
    }
    const QTextBlock block = document()->findBlock(position);
    const QString text = block.text();
    const auto in_word = [&](int i) {
        const QChar ch = text.at(i);
        return !kWordDelimiters.contains(ch) && ch != QChar::ObjectReplacementCharacter;
    };
    int start = position - block.position();
    int end = start + 1;
    if (in_word(start)) {
        while (start > 0 && in_word(start - 1)) --start;
        while (end < text.size() && in_word(end)) ++end;
    }
    QTextCursor cursor(document());
    cursor.setPosition(block.position() + start);
    cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    event->accept();
}

bool BabiRichView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        mouse_inside_ = false;
        ClearHover();
    }
    return QTextBrowser::viewportEvent(event);
}

int BabiRichView::WheelStep() const {
    const QFont font = styles_.empty() ? this->font() : StyleFont(styles_.front());
    return kWheelLines * QFontMetrics(font).lineSpacing();
}

void BabiRichView::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    if (!event->pixelDelta().isNull() && event->pixelDelta().y() != 0) {
        bar->setValue(bar->value() - event->pixelDelta().y());
    } else if (event->angleDelta().y() != 0) {
        wheel_remainder_ += event->angleDelta().y();
        const int notches = wheel_remainder_ / kNotchDelta;
        wheel_remainder_ -= notches * kNotchDelta;
        bar->setValue(bar->value() - notches * WheelStep());
    } else {
        QTextBrowser::wheelEvent(event);
        return;
    }
    event->accept();
}

void BabiRichView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

QVariant BabiRichView::loadResource(int, const QUrl&) {
    // Every picture is a resource added by the view; nothing is ever fetched from elsewhere.
    return {};
}

QMimeData* BabiRichView::createMimeDataFromSelection() const {
    auto* mime = new QMimeData;
    const QTextCursor selection = textCursor();
    if (!selection.hasSelection()) return mime;
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    const QTextDocument* doc = document();

    QHash<QString, QString> data_urls;  // resource name -> data: URL, each picture encoded once
    const auto picture_url = [&](const QString& name) {
        auto it = data_urls.constFind(name);
        if (it != data_urls.constEnd()) return *it;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ToImage(doc->resource(QTextDocument::ImageResource, QUrl(name))).save(&buffer, "PNG");
        return *data_urls.insert(
            name, QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64()));
    };

    QString plain;
    QString html =
        QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n<!--StartFragment-->");
    QImage single_picture;
    bool first = true;
    for (QTextBlock block = doc->findBlock(start);
         block.isValid() && (first || block.position() <= end); block = block.next()) {
        if (!first) plain += u'\n';
        first = false;
        const bool centered = block.blockFormat().alignment() & Qt::AlignHCenter;
        html +=
            centered
                ? QStringLiteral("<p align=\"center\" style=\"margin:0; white-space:pre-wrap;\">")
                : QStringLiteral("<p style=\"margin:0; white-space:pre-wrap;\">");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(fragment.position(), start);
            const int to = std::min(fragment.position() + fragment.length(), end);
            if (from >= to) continue;
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const QTextImageFormat image = format.toImageFormat();
                const QString tag = QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                                        .arg(picture_url(image.name()))
                                        .arg(image.width())
                                        .arg(image.height());
                for (int i = from; i < to; ++i) html += tag;
                if (end - start == 1) {
                    single_picture =
                        ToImage(doc->resource(QTextDocument::ImageResource, QUrl(image.name())));
                }
                continue;
            }
            const QString text = fragment.text().mid(from - fragment.position(), to - from);
            plain += text;
            html += QStringLiteral("<span style=\"%1\">").arg(SpanStyle(format).toHtmlEscaped()) +
                    text.toHtmlEscaped() + QStringLiteral("</span>");
        }
        html += QStringLiteral("</p>\n");
    }
    html += QStringLiteral("<!--EndFragment-->\n</body></html>\n");
    mime->setText(plain);
    mime->setHtml(html);
    if (!single_picture.isNull()) mime->setImageData(single_picture);
    return mime;
}
