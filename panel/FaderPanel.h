#pragma once

#include "engine/FadeChart.h"
#include "engine/FadeGenerator.h"
#include "engine/FadeHost.h"
#include "engine/SegmentState.h"

#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>

class ColorBars;
class PictureBox;
struct Services;

// What a fading window fades with: its nine colour bars, the fade chart that previews the chosen
// fade type over their colours, repainted whenever they change, and the window's segment state,
// which the chart and the fade runs share. The window places the bars and the chart. A fade's
// result is the panel's to show, but for the text it leaves for the window's output.
class FaderPanel : public QObject, private FadeHost
{
    Q_OBJECT

public:
    // Creates the bars on the window at their places (twips, bar 1 first); the chart's
    // gradients and band edges run in the given precision. Each fade's last colour becomes the
    // background of lastColorBox.
    FaderPanel(QWidget &window, Services &services, const std::array<QRectF, 9> &barPlaces,
               PictureBox &chart, ChartPrecision precision, QWidget &lastColorBox);

    ColorBars &colorBars() const { return *m_colorBars; }

    // Chooses the fade type's chart and offers colour 3 only when the fade type uses it. The
    // chart's description names the fade type as given, as the window's list names it.
    void setFadeType(int fadeMode, const QString &fadeName = QStringLiteral("Fade"));

    // The stops of Stops Fade, in order; the first three are colours 1 to 3 on the bars.
    QList<Rgb> stops() const;
    // Sets the stops (MinimumStops to MaximumStops), the first three on the bars; the chart
    // follows.
    void setStops(const QList<Rgb> &stops);

    // What the count box offers first (5 at the start).
    int count() const { return m_count; }
    void setCount(int count) { m_count = count; }

    // Paints the chart's bands side by side across the picture box. They cover it, so it is not
    // cleared first. The two repeating fades show their first four segments, the three-colour
    // fades a gradient over all three colours, Stops Fade through its stops, the others over the
    // first two. The chart's
    // accessible description says the same in words.
    void paintChart();

    // Fades the message of the request over the bars' colours, asking the count where the fade
    // needs one, and gives what the window's output takes afterwards: the markup, or a refusal
    // that the output box shows in its place; none leaves the output as it was. Other refusals
    // come up in a message box. Stops Fade runs through the panel's stops.
    std::optional<QString> fade(FadeRequest request);
    // The last fade's result but its markup: its length against its budget and its colours.
    const FadeResult &lastFade() const { return m_lastFade; }

signals:
    // A page fade has begun; the window shows it before the fade goes on.
    void fading();

private:
    template<typename Real> void paintBands(const std::array<ColorValue, ChartBandCount> &bands);
    QString chartDescription() const;

    Rgb color(int which) const override;
    void setChannel(int bar, int value) override;
    void showProgress() override;
    QString askCount(const QString &prompt, const QString &title,
                     const QString &defaultText) override;

    QWidget &m_window;
    Services &m_services;
    ColorBars *m_colorBars;
    PictureBox &m_chart;
    const ChartPrecision m_precision;
    QWidget &m_lastColorBox;
    ChartPattern m_pattern = ChartPattern::TwoColors;
    QString m_fadeName;
    // The stops; the bars hold the first three, which are read from there.
    QList<Rgb> m_stops;
    int m_count = 5;
    SegmentState m_segments;
    FadeResult m_lastFade;
};
