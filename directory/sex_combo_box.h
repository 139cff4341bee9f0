#pragma once

#include <QComboBox>

class QPainter;

// The sex list of the search window: each item is a square in the sex's colour, outlined in
// black, then its text; the closed box shows its current item the same way.
class SexComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit SexComboBox(QWidget* parent = nullptr);

    // "Homme" blue, "Femme" magenta, "Indifférent" black, any other olive.
    static QColor SexColour(const QString& item);
    static void DrawItem(QPainter& painter, const QRect& rect, const QString& item,
                         const QColor& text_colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
