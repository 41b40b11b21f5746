#include "panel/ColorBarStyle.h"

#include "winhelpers/FormControls.h"

#include <QPainter>
#include <QStyleOptionComplex>

namespace {

// In pixels at the usual 96 dpi: the thumb stays easy to see and to grab, the arrows easy to hit.
constexpr int ThumbWidth = 6;
constexpr int ArrowWidth = 11;

} // namespace

void ColorBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                       QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ScrollBar)
        return;
    // Drawn as wide as the groove, a thumb this thin would be hard to make out.
    if (option->state.testFlag(State_Enabled)) {
        const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
        painter->fillRect(thumb.adjusted(1, 1, -1, -1), option->palette.color(QPalette::Dark));
    }
    // The platform's style shows no focus on a scroll bar.
    if (option->state.testFlag(State_HasFocus))
        DrawFocusRing(*painter, option->rect, option->palette);
}

int ColorBarStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                               const QWidget *widget) const
{
    switch (metric) {
    case PM_ScrollBarSliderMin:
        return ThumbWidth;
    case PM_ScrollBarExtent:
        return ArrowWidth;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int ColorBarStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_ScrollBar_LeftClickAbsolutePosition:
        return 0;
    case SH_ScrollBar_MiddleClickAbsolutePosition:
        return 1;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}
