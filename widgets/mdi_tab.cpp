#include "widgets/mdi_tab.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <utility>

namespace {
constexpr int kMinTabWidth = 64;
constexpr int kMaxTabWidth = 200;
constexpr int kCaptionRightMargin = 8;
constexpr int kTabSpacing = 2;
}  // namespace

MDITab::MDITab(QWidget* parent) : QWidget(parent) {
    setObjectName("MDITab");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumHeight(kTabHeight);
}

void MDITab::SetImages(std::vector<QPixmap> images) {
    images_ = std::move(images);
    update();
}

QPixmap MDITab::Image(int index) const {
    if (index < 0 || index >= static_cast<int>(images_.size())) return {};
    return images_[index];
}

int MDITab::AddTab(QWidget* window, int image_index, const QString& caption) {
    tabs_.push_back(Tab{window, image_index, caption});
    if (window) {
        connect(window, &QObject::destroyed, this, &MDITab::WindowDestroyed, Qt::UniqueConnection);
    }
    const int index = Count() - 1;
    SetTabIndex(index);
    update();
    return index;
}

void MDITab::RemoveTab(int index) {
    if (index < 0 || index >= Count()) return;
    const int rows_before = RowCount();
    tabs_.erase(tabs_.begin() + index);
    if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;
    }
    update();
    if (RowCount() != rows_before) emit Resized();
}

void MDITab::Clear() {
    const int rows_before = RowCount();
    tabs_.clear();
    selected_ = -1;
    update();
    if (RowCount() != rows_before) emit Resized();
}

QWidget* MDITab::Window(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return tabs_[index].window;
}

int MDITab::IndexOf(const QObject* window) const {
    if (!window) return -1;
    for (int i = 0; i < Count(); ++i) {
        if (static_cast<const QObject*>(tabs_[i].window.data()) == window) return i;
    }
    return -1;
}

QString MDITab::Caption(int index) const {
    if (index < 0 || index >= Count()) return {};
    return tabs_[index].caption;
}

void MDITab::SetCaption(int index, const QString& caption) {
    if (index < 0 || index >= Count()) return;
    tabs_[index].caption = caption;
    update();
}

int MDITab::ImageIndex(int index) const {
    if (index < 0 || index >= Count()) return -1;
    return tabs_[index].image_index;
}

void MDITab::SetTabIndex(int index) {
    if (index < -1 || index >= Count() || index == selected_) return;
    SetTabIndexQuietly(index);
    emit Change(index);
}

void MDITab::SetTabIndexQuietly(int index) {
    if (index < -1 || index >= Count()) return;
    selected_ = index;
    update();
}

int MDITab::TabWidth(const Tab& tab) const {
    // Measured in bold, as the selected tab is drawn, so that selecting never elides.
    QFont bold = font();
    bold.setBold(true);
    const int text = QFontMetrics(bold).horizontalAdvance(tab.caption);
    return std::clamp(kCaptionLeft + text + kCaptionRightMargin, kMinTabWidth, kMaxTabWidth);
}

std::vector<QRect> MDITab::Layout(int width) const {
    std::vector<QRect> rects;
    rects.reserve(tabs_.size());
    int x = 0;
    int y = 0;
    for (const Tab& tab : tabs_) {
        const int w = std::min(TabWidth(tab), std::max(width, kMinTabWidth));
        if (x > 0 && x + w > width) {
            x = 0;
            y += kRowPitch;
        }
        rects.emplace_back(x, y, w, kTabHeight);
        x += w + kTabSpacing;
    }
    return rects;
}

int MDITab::RowCount() const {
    const std::vector<QRect> rects = Layout(width());
    if (rects.empty()) return 1;
    return rects.back().top() / kRowPitch + 1;
}

QRect MDITab::TabRect(int index) const {
    if (index < 0 || index >= Count()) return {};
    return Layout(width())[index];
}

int MDITab::TabAt(const QPoint& pos) const {
    const std::vector<QRect> rects = Layout(width());
    for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
        if (rects[i].contains(pos)) return i;
    }
    return -1;
}

void MDITab::DrawTabIcon(QPainter& painter, int index, const QRect& rect) const {
    const QPixmap icon = Image(ImageIndex(index));
    if (!icon.isNull()) painter.drawPixmap(rect.left() + kIconLeft, rect.top() + kIconTop, icon);
}

void MDITab::DrawTabCaption(QPainter& painter, int index, const QRect& rect,
                            const QColor& text_colour) const {
    const QRect text_rect(rect.left() + kCaptionLeft, rect.top(),
                          rect.width() - kCaptionLeft - kCaptionRightMargin / 2, rect.height());
    const QString text =
        painter.fontMetrics().elidedText(Caption(index), Qt::ElideRight, text_rect.width());
    painter.setPen(text_colour);
    painter.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void MDITab::DrawTabContent(QPainter& painter, int index, const QRect& rect,
                            const QColor& text_colour) const {
    DrawTabIcon(painter, index, rect);
    DrawTabCaption(painter, index, rect, text_colour);
}

void MDITab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::vector<QRect> rects = Layout(width());
    const QPalette& pal = palette();
    for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
        const QRect& r = rects[i];
        const bool selected = i == selected_;
        painter.fillRect(r, selected ? pal.color(QPalette::Midlight) : pal.color(QPalette::Button));
        // Flat buttons: a pressed-in frame for the selected tab, a thin raised one otherwise.
        const QColor top_left = selected ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
        const QColor bottom_right =
            selected ? pal.color(QPalette::Light) : pal.color(QPalette::Mid);
        painter.setPen(top_left);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottom_right);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.save();
        if (selected) {
            QFont bold = painter.font();
            bold.setBold(true);
            painter.setFont(bold);
        }
        if (OnDrawTab) {
            OnDrawTab(painter, i, r);
        } else {
            DrawTabContent(painter, i, r, pal.color(QPalette::ButtonText));
        }
        painter.restore();
    }
}

void MDITab::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int index = TabAt(event->position().toPoint());
    if (index < 0) return;
    if (index == selected_) {
        emit Change(index);
    } else {
        SetTabIndex(index);
    }
}

void MDITab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void MDITab::WindowDestroyed(QObject* window) {
    // A widget announces its destruction while guarded pointers still point at it.
    for (int i = Count() - 1; i >= 0; --i) {
        QObject* held = tabs_[i].window.data();
        if (held == nullptr || held == window) RemoveTab(i);
    }
}
