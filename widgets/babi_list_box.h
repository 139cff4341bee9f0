#pragma once

#include <QListWidget>
#include <QPointer>
#include <QTimer>
#include <functional>

class HintWindow;

// The owner-drawn list of the directory windows. Each item is a text of several lines joined
// by line feeds: the item's own text, the colour name of its hint box, the hint text ("null"
// for none), then whatever data the window keeps there. While the mouse rests on an item, a
// hint box shows line 3 tinted by line 2; it goes away after 2500 ms.
//
// The window draws its items; the list fills their background by the selection rule shared
// by every owner-drawn list: a selected item is filled RGB(230, 230, 255) and its index
// remembered as the last selected one, any other item is filled white.
class BabiListBox : public QListWidget {
    Q_OBJECT
  public:
    static constexpr int kHintDelayMs = 400;

    // Draws the text of one item into its rectangle, background already filled.
    using ItemPainter = std::function<void(QPainter& painter, const QRect& rect, int index,
                                           const QString& item, bool selected)>;

    explicit BabiListBox(QWidget* parent = nullptr);

    // The index last drawn selected, shared by the owner-drawn lists of the program.
    void SetLastSelectedIndex(int* last_selected);
    void SetItemPainter(ItemPainter painter);
    void SetItemHeight(int height);
    int ItemHeight() const { return item_height_; }

    // Replaces every item at once (a sorted list sorts them); one layout for the whole lot.
    void SetItems(const QStringList& items);
    QString ItemText(int index) const;
    QString CurrentItemText() const;

    // Line `line` (from 0) of an item text; empty when the item has fewer lines.
    static QString ItemLine(const QString& item, int line);
    // Light blue, pink, grey, orange for "bleu", "rose", "gris", "oran"; light yellow else.
    static QColor HintTint(const QString& colour_name);

    HintWindow* Hint() const { return hint_; }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    friend class BabiListBoxDelegate;
    void ShowHintNow();

    int* last_selected_ = nullptr;
    int own_last_selected_ = -1;
    ItemPainter painter_;
    int item_height_ = 15;
    HintWindow* hint_;
    QTimer rest_timer_;
    int hovered_ = -1;
    QPoint hover_global_;
};
