#include "engine/FadeChart.h"

#include "engine/SegmentPlanners.h"
#include "engine/StopsFade.h"
#include "engine/UserColors.h"

namespace {

using Bands = std::array<ColorValue, ChartBandCount>;

// Fills bands [first, first + count) from colour a toward colour b, one count-th of the way per
// band, with the running values held in Real.
template<typename Real> void fillGradient(Bands &bands, int first, int count, Rgb a, Rgb b)
{
    const Real steps = Real(count);
    const Real stepR = Real(b.red - a.red) / steps;
    const Real stepG = Real(b.green - a.green) / steps;
    const Real stepB = Real(b.blue - a.blue) / steps;
    Real red = Real(a.red), green = Real(a.green), blue = Real(a.blue);
    for (int band = first; band < first + count; ++band) {
        bands[band] = RGB(RoundHalfEven(red), RoundHalfEven(green), RoundHalfEven(blue));
        red += stepR;
        green += stepG;
        blue += stepB;
    }
}

template<typename Real> Bands gradientBands(ChartPattern pattern, const UserColors &colors)
{
    Bands bands;
    if (pattern == ChartPattern::ThreeColors) {
        fillGradient<Real>(bands, 0, ChartBandCount / 2, colors.color(1), colors.color(2));
        fillGradient<Real>(bands, ChartBandCount / 2, ChartBandCount / 2, colors.color(2),
                           colors.color(3));
    } else {
        fillGradient<Real>(bands, 0, ChartBandCount, colors.color(1), colors.color(2));
    }
    return bands;
}

// The planner runs before the first band and after bands 21, 41 and 61.
Bands segmentBands(ChartPattern pattern, const UserColors &colors, SegmentState &segments)
{
    constexpr double bandsPerSegment = 20;
    const auto plan = [&] {
        if (pattern == ChartPattern::Repeater)
            ColorX(segments, colors, bandsPerSegment);
        else
            ColorX3(segments, colors, bandsPerSegment);
    };
    Bands bands;
    plan();
    int counter = 0;
    for (ColorValue &band : bands) {
        band = LetterColor(segments);
        TakeStep(segments);
        if (counter == bandsPerSegment) {
            plan();
            counter = 1;
        } else {
            ++counter;
        }
    }
    return bands;
}

// Takes each letter's colour as a band's.
class BandWriter
{
public:
    explicit BandWriter(Bands &bands)
        : m_bands(bands)
    { }

    void letter(QStringView, ColorValue color, WaveHeight) { m_bands[m_next++] = color; }
    void lineBreak(WaveHeight) { }

private:
    Bands &m_bands;
    std::size_t m_next = 0;
};

} // namespace

Bands StopsChartColors(const QList<Rgb> &stops)
{
    const QString message(ChartBandCount, u'x');
    const Letters letters(message);
    Bands bands;
    BandWriter writer(bands);
    LetterLoop<BandWriter> loop(letters, false, writer);
    FadeThroughStops(loop, stops, ChartBandCount);
    return bands;
}

Bands FadeChartColors(ChartPattern pattern, ChartPrecision precision, const UserColors &colors,
                      SegmentState &segments)
{
    if (pattern == ChartPattern::Repeater || pattern == ChartPattern::TCRepeater)
        return segmentBands(pattern, colors, segments);
    if (precision == ChartPrecision::Single)
        return gradientBands<float>(pattern, colors);
    return gradientBands<double>(pattern, colors);
}
