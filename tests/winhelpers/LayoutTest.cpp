#include "winhelpers/ControlLayout.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(RecordControl, RoundsHalvesToEven)
{
    EXPECT_EQ(RecordControl({120.5, 121.5, 3735, 1815, 3990, 7830, 8.25}),
              (ControlLayout {120, 122, 3735, 1815, 3990, 7830, 8}));
}

TEST(RecordControl, KeepsZeroForWhatDoesNotFit)
{
    EXPECT_EQ(RecordControl({40000, 0, 10, 10, 3990, 7830, 0}).Top, 0);
}

struct ScaleCase
{
    const char *name;
    ControlLayout recorded;
    double innerHeight;
    double innerWidth;
    ScaledControl expected;
};

class Scaling : public testing::TestWithParam<ScaleCase>
{
};

TEST_P(Scaling, FollowsTheWindowsSizeRatio)
{
    const ScaledControl got =
        ScaleControl(GetParam().recorded, GetParam().innerHeight, GetParam().innerWidth);
    const ScaledControl &want = GetParam().expected;
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    EXPECT_EQ(got.fontSize, want.fontSize);
}

const ControlLayout Text7 {120, 120, 3735, 1815, 3990, 7830, 8};

INSTANTIATE_TEST_SUITE_P(
    Cases, Scaling,
    testing::Values(
        ScaleCase {"unchanged", Text7, 3990, 7830, {120, 120, 3735, 1815, 8}},
        ScaleCase {"doubled", Text7, 7980, 15660, {240, 240, 7470, 3630, 16}},
        ScaleCase {"halved, font held at 8", Text7, 1995, 3915, {60, 60, 1867.5f, 907.5f, 8}},
        ScaleCase {"only taller", Text7, 7980, 7830, {240, 120, 3735, 3630, 16}},
        ScaleCase {"recorded window of no size",
                   {120, 120, 3735, 1815, 0, 0, 8},
                   3990,
                   7830,
                   {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
        ScaleCase {
            "no font", {10, 20, 30, 40, 100, 200, 0}, 200, 400, {20, 40, 60, 80, std::nullopt}}),
    [](const auto &info) {
        std::string name = info.param.name;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

class LayoutWindow : public testing::Test
{
protected:
    LayoutWindow()
    {
        window.resize(522, 266);
        button->setGeometry(8, 136, 79, 17);
        label->setGeometry(392, 160, 121, 25);
        QFont font = button->font();
        font.setPointSizeF(12);
        button->setFont(font);
        SaveLayout(window, table);
    }

    QWidget window;
    QPushButton *button = new QPushButton(QStringLiteral("CUT"), &window);
    QLabel *label = new QLabel(QStringLiteral("Red: 255"), &window);
    QMenu *menu = new QMenu(&window);
    LayoutTable table;
};

TEST_F(LayoutWindow, RecordsEveryControlButNotThePopUpMenu)
{
    ASSERT_EQ(table.size(), 2U);
    EXPECT_EQ(table[0], (ControlLayout {2040, 120, 1185, 255, 3990, 7830, 12}));
}

TEST_F(LayoutWindow, ApplyingRightAfterSavingKeepsEveryPlace)
{
    ApplyLayout(window, table);
    EXPECT_EQ(button->geometry(), QRect(8, 136, 79, 17));
    EXPECT_EQ(label->geometry(), QRect(392, 160, 121, 25));
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 12);
}

TEST_F(LayoutWindow, DoublingTheWindowDoublesPlacesAndFonts)
{
    window.resize(1044, 532);
    ApplyLayout(window, table);
    EXPECT_EQ(button->geometry(), QRect(16, 272, 158, 34));
    EXPECT_EQ(label->geometry(), QRect(784, 320, 242, 50));
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 24);
    EXPECT_TRUE(button->isVisibleTo(&window));
}

TEST_F(LayoutWindow, ShrinkingHoldsFontsAtEightPoints)
{
    window.resize(261, 133);
    ApplyLayout(window, table);
    EXPECT_EQ(button->geometry(), QRect(4, 68, 40, 8));
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 8);
}

TEST_F(LayoutWindow, AShortTableLeavesTheRestAlone)
{
    table.resize(1);
    window.resize(1044, 532);
    ApplyLayout(window, table);
    EXPECT_EQ(label->geometry(), QRect(392, 160, 121, 25));
}

} // namespace
