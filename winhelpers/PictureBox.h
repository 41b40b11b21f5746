#pragma once

#include "engine/ColorValue.h"

#include <QFrame>
#include <QImage>
#include <QPointF>

#include <span>

// A picture box: a white drawing surface that keeps what is drawn on it, so covering and
// uncovering needs no redraw. Its drawing coordinates are twips from its inner top-left corner.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The inner size in twips.
    double scaleWidth() const;
    double scaleHeight() const;

    // Erases to white and puts the text position back at the top-left corner.
    void clear();

    // Writes a line of text at the text position in the box's font, black, and moves the text
    // position down a line.
    void printLine(const QString &text);

    // A rectangle between two corners (both included), filled with a colour.
    struct Box
    {
        QPointF corner1;
        QPointF corner2;
        ColorValue color = 0;
    };

    void fillBox(QPointF corner1, QPointF corner2, ColorValue color);

    // Fills the rectangles in turn, drawing them all at once.
    void fillBoxes(std::span<const Box> boxes);

    const QImage &image() const { return m_image; }

signals:
    void clicked();
    void pressed(QPointF twips, Qt::MouseButton button);
    void moved(QPointF twips, Qt::MouseButtons buttons);
    void resized();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void fitImage();
    QPointF toTwips(QPointF pixels) const;
    QPointF toPixels(QPointF twips) const;

    QImage m_image;
    int m_textTop = 0;
};
