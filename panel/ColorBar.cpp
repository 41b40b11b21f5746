#include "panel/ColorBar.h"

#include <QMouseEvent>
#include <QStyleOptionSlider>

#include <algorithm>

ColorBar::ColorBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(0, 255);
    setSingleStep(1);
    setPageStep(10);
    setFocusPolicy(Qt::StrongFocus);
    setInvertedControls(false);
}

void ColorBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isOnThumb(event->position().toPoint())) {
        m_drag = Drag {event->position().x(), value()};
        setSliderDown(true);
        event->accept();
        return;
    }
    m_drag.reset();
    QScrollBar::mousePressEvent(event);
}

void ColorBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag) {
        QScrollBar::mouseMoveEvent(event);
        return;
    }
    const int travel = qRound(event->position().x() - m_drag->pressedX);
    setSliderPosition(std::clamp(m_drag->pressedValue + travel, minimum(), maximum()));
    event->accept();
}

void ColorBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_drag || event->button() != Qt::LeftButton) {
        QScrollBar::mouseReleaseEvent(event);
        return;
    }
    m_drag.reset();
    setSliderDown(false);
    event->accept();
}

bool ColorBar::isOnThumb(QPoint position) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, position, this) ==
        QStyle::SC_ScrollBarSlider;
}
