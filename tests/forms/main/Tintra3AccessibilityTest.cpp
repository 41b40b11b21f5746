#include "engine/FadeGenerator.h"
#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// With a screen reader and the keyboard alone: Tab visits every control, named, in the order of
// the layout; the bars and the chart say what they show as it changes; Ctrl+Return in the
// message box generates and Escape closes the options menu.
TEST(MainWindowAccessibility, EveryControlIsNamedInTabOrderAndWorksFromTheKeyboard)
{
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    Tintra3 window(services);
    QApplication::setActiveWindow(&window);
    auto *fades = FindControl<QComboBox>(window, u"Combo3"_s);
    fades->setCurrentIndex(FadeMode::TTintra);
    ExpectKeyboardTour(window,
                       u"Text7 Text10 Command3 Command4 Command5 Command2 Command6 "
                       "Command1 Command7 HScroll1 HScroll2 HScroll3 Text2 HScroll4 "
                       "HScroll5 HScroll6 Text3 HScroll7 HScroll8 HScroll9 Text4 Combo3 "
                       "Combo2 Combo1 Picture1"_s);
    QWidget *green1 = FindControl(window, u"HScroll2"_s);
    QWidget *chart = FindControl(window, u"Picture1"_s);
    QTest::keyClick(green1, Qt::Key_PageUp);
    EXPECT_EQ(AccessibleText(green1, QAccessible::Value), u"10"_s);
    EXPECT_EQ(AccessibleText(chart, QAccessible::Description),
              u"TTintra Fade from #FF0A00 through #0000FF to #00FF00"_s);
    fades->setCurrentIndex(FadeMode::Normal);
    EXPECT_EQ(AccessibleText(chart, QAccessible::Description),
              u"Normal Fade from #FF0A00 to #0000FF"_s);

    QTest::keyClick(FindControl(window, u"Text7"_s), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(FindControl<QPlainTextEdit>(window, u"Text10"_s)->toPlainText().startsWith(u'<'));
    auto *menu = FindControl<QMenu>(window, u"Tintra4"_s);
    QTest::keyClick(FindControl(window, u"Command7"_s), Qt::Key_Space);
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
}
