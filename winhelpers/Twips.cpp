#include "winhelpers/Twips.h"

#include "engine/ColorValue.h"

#include <QWidget>

double LogicalDpi(const QWidget &widget)
{
    return widget.logicalDpiY();
}

int TwipsToPixels(double twips, double dpi)
{
    return RoundHalfEven(twips * dpi / TwipsPerInch);
}

double PixelsToTwips(double pixels, double dpi)
{
    return pixels * TwipsPerInch / dpi;
}

QRect TwipsToPixels(const QRectF &twips, double dpi)
{
    return {TwipsToPixels(twips.left(), dpi), TwipsToPixels(twips.top(), dpi),
            TwipsToPixels(twips.width(), dpi), TwipsToPixels(twips.height(), dpi)};
}

QRectF PixelsToTwips(const QRect &pixels, double dpi)
{
    return {PixelsToTwips(pixels.left(), dpi), PixelsToTwips(pixels.top(), dpi),
            PixelsToTwips(pixels.width(), dpi), PixelsToTwips(pixels.height(), dpi)};
}
