#pragma once

#include <QScrollBar>

#include <optional>

// One colour bar, 0 to 255. Its thumb is dragged finely: the value moves by one for each pixel
// the pointer travels across from where the thumb was pressed, wherever the pointer goes while
// the button is held, so that a bar far narrower than 256 pixels still reaches every value in
// order. A click beside the thumb, the keys and the wheel work as on any scroll bar; the keys
// and the wheel raise the value toward the right end, as on a slider.
class ColorBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ColorBar(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool isOnThumb(QPoint position) const;

    struct Drag
    {
        qreal pressedX;
        int pressedValue;
    };
    std::optional<Drag> m_drag;
};
