#pragma once

#include <QProxyStyle>

// The look of the colour bars: a thin, dark thumb and narrow arrow buttons leave most of a short
// bar to the groove, and a click into the groove pages toward the click wherever the platform's
// style would jump there instead.
class ColorBarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
