#include "engine/ColorValue.h"

#include <gtest/gtest.h>

TEST(Hex6, WritesRedGreenBlueInUppercaseWithPadding)
{
    const struct
    {
        ColorValue value;
        const char *hex;
    } cases[] = {
        {0, "000000"},
        {RGB(0, 0, 255), "0000FF"},
        {RGB(15, 0, 0), "0F0000"},
        {RGB(255, 128, 0), "FF8000"},
        {RGB(1, 2, 3), "010203"},
        {RGB(255, 255, 255), "FFFFFF"},
        {RGB(0xAB, 0xCD, 0xEF), "ABCDEF"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Hex6(c.value), QLatin1String(c.hex)) << c.hex;
        EXPECT_EQ(HColor1(c.value), QLatin1Char('#') + QLatin1String(c.hex)) << c.hex;
    }
}

TEST(ColorValue, PacksRedInTheLowestByte)
{
    EXPECT_EQ(RGB(255, 128, 0), 0x0080FF);
    EXPECT_EQ(SplitColor(RGB(12, 34, 56)), (Rgb {12, 34, 56}));
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    const struct
    {
        double value;
        int rounded;
    } cases[] = {{127.5, 128}, {126.5, 126}, {128.5, 128}, {0.5, 0},  {1.5, 2},
                 {254.5, 254}, {2.4999, 2},  {2.5001, 3},  {-0.5, 0}, {191.25, 191}};
    for (const auto &c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}
