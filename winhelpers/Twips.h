#pragma once

#include <QRect>
#include <QRectF>

class QWidget;

// Window geometry is reasoned about in twips (1/1440 inch) and handed to Qt in pixels at the
// logical resolution of the widget's screen.
inline constexpr double TwipsPerInch = 1440.0;

double LogicalDpi(const QWidget &widget);

int TwipsToPixels(double twips, double dpi);
double PixelsToTwips(double pixels, double dpi);

QRect TwipsToPixels(const QRectF &twips, double dpi);
QRectF PixelsToTwips(const QRect &pixels, double dpi);
