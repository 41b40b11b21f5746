#include "panel/FocusRingStyle.h"

#include "winhelpers/FormControls.h"

#include <QStyleOption>

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameFocusRect)
        DrawFocusRing(*painter, option->rect, option->palette);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}
