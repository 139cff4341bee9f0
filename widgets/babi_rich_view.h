#pragma once

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextImageFormat>
#include <functional>

#include "widgets/rich_paragraph.h"
#include "widgets/rich_text_style.h"

// The conversation view of the room and private windows: paragraphs of text runs in
// the styles of a shared sheet, pictures named by key and hot links with a tag. Server text is
// only ever inserted as plain characters, never read as markup.
//
// Appending costs the same however long the conversation is: each paragraph is one edit block
// at the end of the document, formats are cached per style, and the scrollback is trimmed by
// whole chunks of old paragraphs so that the layout shifts the rest only once per chunk.
class BabiRichView : public QTextBrowser {
    Q_OBJECT
  public:
    static constexpr int kMargin = 5;
    static constexpr int kWheelLines = 3;
    static constexpr int kDefaultScrollback = 10000;
    // Background of the hot link under the mouse: Windows 0xFFE6E6, red in the low byte.
    static constexpr QRgb kHotLinkHover = 0xFFE6E6FF;  // opaque RGB(230, 230, 255)
    // Double click selects the characters between two of these.
    static const QString kWordDelimiters;

    explicit BabiRichView(const RichStyleSheet& styles, QWidget* parent = nullptr);

    // Pictures are named by key. A paragraph naming a key the view does not know yet asks the
    // picture source once; the image is then kept as a resource of the document (one copy per
    // key). A key the source has no image for (null image) is remembered too and shows nothing.
    using PictureSource = std::function<QImage(const QString& key)>;
    void SetPictureSource(PictureSource source);
    void AddPicture(const QString& key, const QImage& image);
    bool HasPicture(const QString& key) const;
    // The image of a known key; a null image otherwise.
    QImage Picture(const QString& key) const;

    // Appends one paragraph (new block) in one edit block, runs of same style merged, then
    // trims the scrollback and scrolls to the end when auto-scroll is on. Each paragraph is
    // one block of the document; text is only added here.
    void AppendParagraph(const RichParagraph& paragraph);
    // Empties the view. QTextEdit's own clear() is hidden: it would leave the count of
    // paragraphs and the pictures kept in the document behind.
    void Clear();
    void clear() = delete;

    void SetAutoScroll(bool on) { auto_scroll_ = on; }
    bool AutoScroll() const { return auto_scroll_; }  // default on

    // Most paragraphs kept, 0 keeps all (default kDefaultScrollback). Once the view is full it
    // holds between paragraphs and paragraphs + paragraphs / 10 of the newest: the oldest are
    // removed a tenth of the limit at a time.
    void SetScrollback(int paragraphs);
    int Scrollback() const { return scrollback_; }
    int ParagraphCount() const { return paragraph_count_; }

    // The hot link under a viewport position: false when none.
    bool HotLinkAt(const QPoint& viewport_pos, QString* text, QString* tag) const;

    // Pixels scrolled by one notch of the mouse wheel (kWheelLines lines).
    int WheelStep() const;

    // Drops the cached formats after the style sheet was changed in place.
    void StylesChanged();

    // What the document's formats carry, for printing and export: whether a
    // character format is a hot link and its tag (kept by its paragraph's block), and the key
    // of a picture's image format.
    static bool IsHotLinkFormat(const QTextFormat& format);
    static QString HotLinkTag(const QTextBlock& block, const QTextFormat& format);
    static QString PictureKey(const QTextFormat& format);

  signals:
    void HotLinkClicked(const QString& text, const QString& tag, Qt::KeyboardModifiers modifiers);
    // Sent on every mouse move over a hot link.
    void HotLinkHovered(const QString& text, const QString& tag, const QPoint& global_pos);
    // Sent once when the mouse leaves the hot link it was over.
    void HotLinkLeft();

  protected:
    QMimeData* createMimeDataFromSelection() const override;
    QVariant loadResource(int type, const QUrl& name) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct PictureEntry {
        QImage image;      // null: the source had none
        QString resource;  // name of the document resource
        QTextImageFormat format;
        bool in_document = false;
    };
    struct Link {
        int start = -1;  // document positions, end exclusive
        int end = -1;
        QString text;
        QString tag;
    };

    QTextCharFormat StyleFormat(int style, const QColor& colour);
    bool IsHotLinkStyle(int style) const;
    // The format to insert a picture with; null when the key has no image.
    const QTextImageFormat* PictureFormat(const QString& key);
    void TrimScrollback();
    void ScrollToEnd();
    void RemoveOldest(int paragraphs);
    QPointF ToDocument(const QPoint& viewport_pos) const;
    // The document position of the character drawn under the point, -1 when none.
    int CharacterAt(const QPoint& viewport_pos) const;
    Link LinkAtPosition(int position) const;
    Link LinkAt(const QPoint& viewport_pos) const;
    void UpdateHover(const QPoint& viewport_pos, const QPoint& global_pos, bool send_hovered);
    void ClearHover();

    const RichStyleSheet& styles_;
    PictureSource picture_source_;
    QHash<QString, PictureEntry> pictures_;
    int next_picture_ = 0;
    QHash<quint64, QTextCharFormat> formats_;
    QTextBlockFormat paragraph_formats_[2];
    bool auto_scroll_ = true;
    int scrollback_ = kDefaultScrollback;
    int paragraph_count_ = 0;
    // Hover: the link under the mouse (its cursor follows edits) and the last mouse position.
    QTextCursor hovered_;
    QString hovered_text_;
    QString hovered_tag_;
    bool mouse_inside_ = false;
    QPoint mouse_pos_;
    // Click: the link start position where the left button went down, -1 when none.
    int pressed_link_ = -1;
    QPoint press_pos_;
    int wheel_remainder_ = 0;
    Qt::CursorShape normal_cursor_ = Qt::IBeamCursor;
};
