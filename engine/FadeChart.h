#pragma once

#include "engine/ColorValue.h"

#include <array>

class UserColors;
struct SegmentState;

#include <QList>

// What a fade chart previews: a gradient over two or three colours or through the stops, or the
// first four segments of a repeating fade.
enum class ChartPattern { TwoColors, ThreeColors, Repeater, TCRepeater, Stops };

// The main window's chart runs its gradients in single precision, the chat window's in double;
// the difference shows in the odd band.
enum class ChartPrecision { Single, Double };

inline constexpr int ChartBandCount = 80;

// The colours of the chart's bands, left to right (of a pattern other than Stops). The repeating
// patterns plan their segments with the window's own segment state, four times per chart, which
// leaves its stage where it was, so the next generation still starts at colour 1.
std::array<ColorValue, ChartBandCount> FadeChartColors(ChartPattern pattern,
                                                       ChartPrecision precision,
                                                       const UserColors &colors,
                                                       SegmentState &segments);

// The chart of Stops Fade: the colours that its first ChartBandCount letters take.
std::array<ColorValue, ChartBandCount> StopsChartColors(const QList<Rgb> &stops);
