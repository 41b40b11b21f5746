#include "panel/FaderPanel.h"

#include "engine/FadeGenerator.h"
#include "engine/StopsFade.h"
#include "panel/ColorBars.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/FormControls.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"

using namespace Qt::StringLiterals;

namespace {

ChartPattern chartPatternOf(int fadeMode)
{
    switch (fadeMode) {
    case FadeMode::Repeater:
        return ChartPattern::Repeater;
    case FadeMode::TCRepeater:
        return ChartPattern::TCRepeater;
    case FadeMode::TTintra:
    case FadeMode::DUDadodov:
        return ChartPattern::ThreeColors;
    case FadeMode::Stops:
        return ChartPattern::Stops;
    default:
        return ChartPattern::TwoColors;
    }
}

bool usesColor3(ChartPattern pattern, qsizetype stops)
{
    return pattern == ChartPattern::ThreeColors || pattern == ChartPattern::TCRepeater ||
        (pattern == ChartPattern::Stops && stops > 2);
}

} // namespace

FaderPanel::FaderPanel(QWidget &window, Services &services, const std::array<QRectF, 9> &barPlaces,
                       PictureBox &chart, ChartPrecision precision, QWidget &lastColorBox)
    : QObject(&window)
    , m_window(window)
    , m_services(services)
    , m_colorBars(new ColorBars(window, barPlaces))
    , m_chart(chart)
    , m_precision(precision)
    , m_lastColorBox(lastColorBox)
    , m_stops {m_colorBars->color(1), m_colorBars->color(2), m_colorBars->color(3)}
{
    m_chart.setAccessibleName(u"Fade chart"_s);
    connect(m_colorBars, &ColorBars::changed, this, &FaderPanel::paintChart);
}

void FaderPanel::setFadeType(int fadeMode, const QString &fadeName)
{
    m_pattern = chartPatternOf(fadeMode);
    m_fadeName = fadeName;
    // Colour 3's bars report the change, which repaints the chart.
    m_colorBars->setColor3Enabled(usesColor3(m_pattern, m_stops.size()));
}

QList<Rgb> FaderPanel::stops() const
{
    QList<Rgb> stops = m_stops;
    for (qsizetype stop = 0; stop < std::min<qsizetype>(stops.size(), 3); ++stop)
        stops[stop] = m_colorBars->color(int(stop) + 1);
    return stops;
}

void FaderPanel::setStops(const QList<Rgb> &stops)
{
    m_stops = stops.first(std::clamp(stops.size(), MinimumStops, MaximumStops));
    for (qsizetype stop = 0; stop < std::min<qsizetype>(m_stops.size(), 3); ++stop) {
        const int firstBar = 3 * int(stop) + 1;
        m_colorBars->setChannel(firstBar, m_stops[stop].red);
        m_colorBars->setChannel(firstBar + 1, m_stops[stop].green);
        m_colorBars->setChannel(firstBar + 2, m_stops[stop].blue);
    }
    m_colorBars->setColor3Enabled(usesColor3(m_pattern, m_stops.size()));
    paintChart();
}

void FaderPanel::paintChart()
{
    const auto bands = m_pattern == ChartPattern::Stops
        ? StopsChartColors(stops())
        : FadeChartColors(m_pattern, m_precision, *m_colorBars, m_segments);
    if (m_precision == ChartPrecision::Single)
        paintBands<float>(bands);
    else
        paintBands<double>(bands);
    m_chart.setAccessibleDescription(chartDescription());
}

// In words, what the chart shows: the fade's name and the colours it runs through.
QString FaderPanel::chartDescription() const
{
    const auto hex = [this](int which) {
        return HColor1(RGB(m_colorBars->color(which)));
    };
    switch (m_pattern) {
    case ChartPattern::ThreeColors:
        return u"%1 from %2 through %3 to %4"_s.arg(m_fadeName, hex(1), hex(2), hex(3));
    case ChartPattern::Repeater:
        return u"%1 from %2 to %3 and back, repeated"_s.arg(m_fadeName, hex(1), hex(2));
    case ChartPattern::TCRepeater:
        return u"%1 from %2 through %3 to %4 and back, repeated"_s.arg(m_fadeName, hex(1), hex(2),
                                                                       hex(3));
    case ChartPattern::Stops: {
        QStringList colors;
        for (const Rgb &stop : stops())
            colors << HColor1(RGB(stop));
        return u"%1 through %2"_s.arg(m_fadeName, colors.join(u", "_s));
    }
    case ChartPattern::TwoColors:
        break;
    }
    return u"%1 from %2 to %3"_s.arg(m_fadeName, hex(1), hex(2));
}

template<typename Real>
void FaderPanel::paintBands(const std::array<ColorValue, ChartBandCount> &bands)
{
    const Real width = Real(m_chart.scaleWidth()) / ChartBandCount;
    const double height = m_chart.scaleHeight();
    std::array<PictureBox::Box, ChartBandCount> boxes;
    Real left = 0;
    for (int band = 0; band < ChartBandCount; ++band) {
        boxes[band] = {{left, 0}, {left + width, height}, bands[band]};
        left += width;
    }
    m_chart.fillBoxes(boxes);
}

std::optional<QString> FaderPanel::fade(FadeRequest request)
{
    request.stops = stops();
    FadeResult result = GenerateFade(request, *this, m_segments, m_services.random);
    if (result.notice)
        m_services.dialogs.messageBox(&m_window, *result.notice);
    if (result.lastColor)
        SetPaletteColor(m_lastColorBox, QPalette::Base, *result.lastColor);
    std::optional<QString> output = std::move(result.output);
    m_lastFade = std::move(result);
    m_lastFade.output.reset();
    return output;
}

Rgb FaderPanel::color(int which) const
{
    return m_colorBars->color(which);
}

void FaderPanel::setChannel(int bar, int value)
{
    m_colorBars->setChannel(bar, value);
}

void FaderPanel::showProgress()
{
    emit fading();
}

QString FaderPanel::askCount(const QString &prompt, const QString &title, const QString &)
{
    return m_services.dialogs.inputBox(&m_window, prompt, title, QString::number(m_count));
}
