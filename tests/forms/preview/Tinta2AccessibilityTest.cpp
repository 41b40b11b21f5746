#include "PreviewTesting.h"
#include "forms/preview/Tinta2.h"
#include "tests/testing/KeyboardTour.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using PreviewAccessibility = PreviewFixture;

// Tab goes round the three buttons; the page is named, and Escape closes the window, also from
// the page.
TEST_F(PreviewAccessibility, TheButtonsAreNamedInTabOrderAndEscapeCloses)
{
    Tinta2 *preview = viewAndLoad(u"<B>H</B>"_s);
    ASSERT_NE(preview, nullptr);
    QApplication::setActiveWindow(preview);
    ExpectKeyboardTour(*preview,
                       {{u"Command1"_s, u"Back Color"_s},
                        {u"Command2"_s, u"Back Picture"_s},
                        {u"Command3"_s, u"Clear Background"_s}});
    EXPECT_EQ(AccessibleText(preview->browser(), QAccessible::Name), u"Fade preview"_s);

    preview->browser()->setFocus();
    QTest::keyClick(preview->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(preview->isOpen());
    EXPECT_FALSE(QFile::exists(file.path()));
}

} // namespace
