#pragma once

#include <QProxyStyle>

// The platform's style with a focus rectangle that shows on any background: the ring of the colour
// bars and charts in place of a faint, tinted frame, which all but vanishes on black.
class FocusRingStyle : public QProxyStyle
{
    Q_OBJECT

public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
