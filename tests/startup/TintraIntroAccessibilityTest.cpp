#include "engine/RandomSource.h"
#include "startup/TintraIntro.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The intro's caption is blank, so the window is named by its title; the progress box is named
// and labelled by the caption above it, and shows the font being loaded as its value.
TEST(IntroAccessibility, TheWindowAndTheProgressBoxAreNamed)
{
    const QTemporaryDir folder;
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    TintraIntro intro(services, {FontListFile(folder.filePath(u"Font Names.INI"_s)), [] {
                                     return QStringList();
                                 }});
    QWidget *progress = FindControl(intro, u"Text1"_s);
    EXPECT_EQ(AccessibleText(&intro, QAccessible::Name), u"DUV or QY's Tintra version 4.0!!!"_s);
    EXPECT_EQ(AccessibleText(progress, QAccessible::Name), u"Font loading"_s);
    EXPECT_EQ(AccessibleText(progress, QAccessible::Value), u"Loading..."_s);
    const auto labels =
        QAccessible::queryAccessibleInterface(progress)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->object(), FindControl(intro, u"Label2"_s));
}
