#include "engine/ColorValue.h"

#include "FadeRun.h"
#include "engine/OkLab.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

// Published OKLab values of sRGB colours, and back.
TEST(OkLab, MatchesPublishedValues)
{
    const std::tuple<Rgb, OkLab, double> cases[] = {
        {{255, 0, 0}, {0.62796, 0.22486, 0.12585}, 1e-5},
        {{0, 128, 0}, {0.51975, -0.1403, 0.10768}, 1e-4},
        {{0, 255, 0}, {0.8664, -0.2339, 0.1795}, 1e-4},
        {{0, 0, 255}, {0.452, -0.0325, -0.3115}, 1e-3},
        {{255, 255, 255}, {1, 0, 0}, 1e-4},
    };
    for (const auto &[color, published, within] : cases) {
        const OkLab lab = ToOkLab(color);
        EXPECT_NEAR(lab.L, published.L, within) << RGB(color);
        EXPECT_NEAR(lab.a, published.a, within) << RGB(color);
        EXPECT_NEAR(lab.b, published.b, within) << RGB(color);
        EXPECT_EQ(FromOkLab(lab), color);
    }
}

// A fade moves evenly through OKLab; where its middles lie outside sRGB, its letters take the
// nearest sRGB colours, clamped to 0 and 255. The colours worked out apart, in double precision.
TEST(OkLab, FadesClampMiddlesOutsideSrgb)
{
    const std::tuple<Rgb, Rgb, QStringList> cases[] = {
        {Red, Blue, {u"FF0000"_s, u"8C53A2"_s}},
        {Green, Blue, {u"00FF00"_s, u"00D68D"_s, u"00AABF"_s, u"0075E2"_s}},
        {Red, {255, 255, 0}, {u"FF0000"_s, u"FF6A00"_s, u"FFA000"_s, u"FFD100"_s}},
    };
    for (const auto &[from, to, colors] : cases) {
        FadeRun run(QString(colors.size(), u'x'));
        run.host = RecordingHost(u"5"_s, from, to);
        run.request.space = ColorSpace::OkLab;
        EXPECT_EQ(letterColors(run.markup()), colors);
    }
}
