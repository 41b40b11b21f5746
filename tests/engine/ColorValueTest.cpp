#include "engine/ColorValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

TEST(RoundHalfEven, AgreesWithTheLibraryRoundingEverywhere)
{
    std::vector<double> values;
    for (int eighths = -4096; eighths <= 4096; ++eighths)
        values.push_back(eighths / 8.0);
    for (const double edge : {0x1p20, 0x1p30, 0x1p31 - 4})
        values.insert(values.end(), {edge - 0.5, edge, edge + 0.5, edge + 1.5, -edge - 0.5});
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> colour(-300, 300);
    for (int i = 0; i < 10000; ++i)
        values.push_back(colour(generator));
    for (const double value : values)
        EXPECT_EQ(RoundHalfEven(value), static_cast<int>(std::nearbyint(value))) << value;
}
