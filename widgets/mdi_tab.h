#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

// A tab strip for MDI children that wraps onto as many rows as its width needs. Tabs are
// flat buttons with an icon from the strip's image list and a caption; a tab whose window
// is closed for good or destroyed leaves the strip by itself.
class MDITab : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTabHeight = 22;
    static constexpr int kRowPitch = 24;
    static constexpr int kIconLeft = 3;
    static constexpr int kIconTop = 1;
    static constexpr int kCaptionLeft = 24;

    explicit MDITab(QWidget* parent = nullptr);

    void SetImages(std::vector<QPixmap> images);
    // An empty pixmap for an index outside the list.
    QPixmap Image(int index) const;

    // Adds a tab at the end for the window and selects it; returns its index.
    int AddTab(QWidget* window, int image_index, const QString& caption);
    void RemoveTab(int index);
    void Clear();

    int Count() const { return static_cast<int>(tabs_.size()); }
    QWidget* Window(int index) const;
    int IndexOf(const QObject* window) const;
    QString Caption(int index) const;
    void SetCaption(int index, const QString& caption);
    int ImageIndex(int index) const;

    // The selected tab, -1 when none. Selecting another tab raises Change.
    int TabIndex() const { return selected_; }
    void SetTabIndex(int index);
    // Selects a tab without raising Change.
    void SetTabIndexQuietly(int index);

    // Rows that the tabs need at the current width (at least one).
    int RowCount() const;
    QRect TabRect(int index) const;
    int TabAt(const QPoint& pos) const;

    // Paints a tab's inside over its flat button; without it, icon and caption are drawn.
    std::function<void(QPainter& painter, int index, const QRect& rect)> OnDrawTab;
    // The icon at (3, 1) and the caption from x = 24 in the given colour, or either alone.
    void DrawTabContent(QPainter& painter, int index, const QRect& rect,
                        const QColor& text_colour) const;
    void DrawTabIcon(QPainter& painter, int index, const QRect& rect) const;
    void DrawTabCaption(QPainter& painter, int index, const QRect& rect,
                        const QColor& text_colour) const;

  signals:
    void Change(int index);
    // The width changed or tabs went away: the number of rows may differ now.
    void Resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Tab {
        QPointer<QWidget> window;
        int image_index = -1;
        QString caption;
    };

    int TabWidth(const Tab& tab) const;
    std::vector<QRect> Layout(int width) const;
    void WindowDestroyed(QObject* window);

    std::vector<Tab> tabs_;
    std::vector<QPixmap> images_;
    int selected_ = -1;
};
