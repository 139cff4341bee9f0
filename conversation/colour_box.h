#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>

// Draws an entry of the colour box: a black-framed swatch of the entry's colour, then its
// name.
class ColourItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int kEntryHeight = 15;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The colour box, with the composition's colour entries; the closed box shows its current
// entry as the list draws it, swatch included.
class ColourComboBox : public QComboBox {
  public:
    explicit ColourComboBox(QWidget* parent = nullptr);

    // Wide enough for the longest name beside its swatch.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
