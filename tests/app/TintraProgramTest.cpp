#include "app/TintraProgram.h"

#include "forms/main/Tintra3.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TintraProgram, StartsWithTheFontListsFilledAndTheWindowInView)
{
    TintraProgram program;
    Tintra3 &window = program.mainWindow();
    EXPECT_EQ(window.fontNameList().count(), QFontDatabase::families().size());
    EXPECT_GE(window.fontNameList().currentIndex(), 0);
    QComboBox &sizes = window.fontSizeList();
    ASSERT_EQ(sizes.count(), 7);
    EXPECT_EQ(sizes.itemText(0), u"1"_s);
    EXPECT_EQ(sizes.itemText(6), u"7"_s);
    EXPECT_EQ(sizes.currentText(), u"3"_s);
    const QRect screen = window.screen()->geometry();
    EXPECT_NEAR(window.frameGeometry().top(),
                (screen.height() - window.frameGeometry().height()) / 2, 1);
    EXPECT_NEAR(window.frameGeometry().left(),
                (screen.width() - window.frameGeometry().width()) / 2, 1);
}

TEST(TintraProgram, ClosingTheMainWindowEndsTheProgram)
{
    TintraProgram program;
    QTimer::singleShot(0, &program.mainWindow(), &QWidget::close);
    // A second timer ends a program that failed to quit, so the test cannot hang.
    bool stuck = false;
    QTimer::singleShot(10'000, [&stuck] {
        stuck = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(stuck);
    EXPECT_FALSE(program.mainWindow().isVisible());
}

} // namespace
