#include "winhelpers/ControlLayout.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(RecordControl, RoundsHalvesToEvenAndKeepsZeroForWhatDoesNotFit)
{
    EXPECT_EQ(RecordControl({120.5, 121.5, 3735, 1815, 3990, 7830, 8.25}),
              (ControlLayout {120, 122, 3735, 1815, 3990, 7830, 8}));
    EXPECT_EQ(RecordControl({40000, 0, 10, 10, 3990, 7830, 0}).Top, 0);
}

TEST(ScaleControl, FollowsTheWindowsSizeRatio)
{
    const ControlLayout text7 {120, 120, 3735, 1815, 3990, 7830, 8};
    // The recorded control, the window's inner height and width now, and the scaled control.
    const std::tuple<const char *, ControlLayout, double, double, ScaledControl> cases[] = {
        // Text grows with the tighter direction only, so it stays inside its control.
        {"only taller", text7, 7980, 7830, {240, 120, 3735, 3630, 8}},
        {"twice as tall, half as wide again", text7, 7980, 11745, {240, 180, 5602.5f, 3630, 12}},
        {"recorded window of no size", {120, 120, 3735, 1815, 0, 0, 8}, 3990, 7830, {}},
        {"no font", {10, 20, 30, 40, 100, 200, 0}, 200, 400, {20, 40, 60, 80, {}}},
    };
    const auto fields = [](const ScaledControl &s) {
        return std::tuple(s.top, s.left, s.width, s.height, s.fontSize);
    };
    for (const auto &[name, recorded, innerHeight, innerWidth, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fields(ScaleControl(recorded, innerHeight, innerWidth)), fields(expected));
    }
}

// A window with a 12-point button, a label and a pop-up menu, its layout saved at 522 x 266.
struct LayoutWindow
{
    LayoutWindow()
    {
        window.resize(522, 266);
        button->setGeometry(8, 136, 79, 17);
        label->setGeometry(392, 160, 121, 25);
        button->setFont(QFont(button->font().family(), 12));
        SaveLayout(window, table);
    }

    QWidget window;
    QPushButton *button = new QPushButton(QStringLiteral("CUT"), &window);
    QLabel *label = new QLabel(QStringLiteral("Red: 255"), &window);
    QMenu *menu = new QMenu(&window);
    LayoutTable table;
};

TEST(Layout, RecordsEveryControlButThePopUpMenuAndScalesPlacesAndFontsWithTheWindow)
{
    const LayoutWindow saved;
    ASSERT_EQ(saved.table.size(), 2U);
    EXPECT_EQ(saved.table[0], (ControlLayout {2040, 120, 1185, 255, 3990, 7830, 12}));

    // The window's new size, the rows of the table kept, and where the controls end up.
    const std::tuple<const char *, QSize, size_t, QRect, QRect, double> cases[] = {
        {"right after saving", {522, 266}, 2, {8, 136, 79, 17}, {392, 160, 121, 25}, 12},
        {"doubled", {1044, 532}, 2, {16, 272, 158, 34}, {784, 320, 242, 50}, 24},
        {"halved, font held at 8", {261, 133}, 2, {4, 68, 40, 8}, {196, 80, 60, 12}, 8},
        // A table shorter than the form leaves the controls it lacks alone.
        {"short table", {1044, 532}, 1, {16, 272, 158, 34}, {392, 160, 121, 25}, 24},
    };
    for (const auto &[name, size, tableRows, button, label, fontSize] : cases) {
        SCOPED_TRACE(name);
        LayoutWindow form;
        form.table.resize(tableRows);
        form.window.resize(size);
        ApplyLayout(form.window, form.table);
        EXPECT_EQ(form.button->geometry(), button);
        EXPECT_EQ(form.label->geometry(), label);
        EXPECT_DOUBLE_EQ(form.button->font().pointSizeF(), fontSize);
        EXPECT_TRUE(form.button->isVisibleTo(&form.window));
    }
}

} // namespace
