#include "engine/ColorValue.h"

#include <gtest/gtest.h>

TEST(Hex6, WritesRedGreenBlue)
{
    EXPECT_EQ(Hex6(RGB(255, 128, 0)), QStringLiteral("FF8000"));
}
