#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QWidget>

// Pieces the windows are built from: positions in twips, labels that size themselves to
// their caption, labels that act as links, and lines.
namespace zilvaro {

// Twips to pixels at 96 dots per inch (15 twips a pixel), nearest pixel, halves to even.
int twipsToPixels(int twips);
QPoint twipsPoint(int left, int top);
QRect twipsRect(int left, int top, int width, int height);

// Gives a label the width and height of its caption in its font, the underline included,
// with the caption at its top-left corner.
void sizeToText(QLabel& label);

// Draws the focus mark of a box whose style shows none (a list, the result strip): a
// one-pixel frame in the highlight colour along the edge of its viewport. Called at the
// end of the box's own painting, while it has the focus.
void drawFocusMark(QWidget& viewport);

// A label that runs its click handler when the left button is pressed and released on it.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A straight line between two points of its container, in pixels, both ends included;
// a line wider than one pixel grows down (horizontal) or right (vertical) from its points.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QWidget* parent, QPoint from, QPoint to, QColor colour, int width = 1);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor colour() const { return colour_; }
    int lineWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    QColor colour_;
    int width_;
};

} // namespace zilvaro
