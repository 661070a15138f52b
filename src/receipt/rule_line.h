#pragma once
// A line control of the receipt: two end points in twips of its container, drawn as a solid rule.

#include <QWidget>

namespace recibo::receipt {

// Rules on the receipt are horizontal or vertical, so a line is a strip whose geometry is the
// bounding box of its two end points, thickened by its border width. The frame that holds the rules
// paints them (paintRules), so that on a scaled screen each starts on a whole device pixel and is a
// whole number of device pixels thick: one clipped to its own fractional widget would come out one
// pixel thinner here and there.
class RuleLine : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int x1 READ x1)
    Q_PROPERTY(int y1 READ y1)
    Q_PROPERTY(int x2 READ x2)
    Q_PROPERTY(int y2 READ y2)
    Q_PROPERTY(int borderWidth READ borderWidth)

public:
    RuleLine(const QString &name, int x1, int y1, int x2, int y2, QWidget *parent,
             int borderWidth = 1);

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    int borderWidth() const { return borderWidth_; }

    void setY1(int twips);
    void setY2(int twips);

private:
    void place();

    int x1_;
    int y1_;
    int x2_;
    int y2_;
    int borderWidth_;
};

// Paints the visible rules among `container`'s children with `painter`, which paints `container`.
void paintRules(QPainter &painter, const QWidget &container);

}  // namespace recibo::receipt
