#include "engine/OkLab.h"

#include "FadeRun.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

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
