#include "panel/ColorBarStyle.h"

namespace {

// In pixels at the usual 96 dpi: the thumb stays easy to see and to grab, the arrows easy to hit.
constexpr int ThumbWidth = 6;
constexpr int ArrowWidth = 11;

} // namespace

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
