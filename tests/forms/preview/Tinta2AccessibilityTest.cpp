#include "PreviewTesting.h"
#include "forms/preview/Tinta2.h"
#include "tests/testing/KeyboardTour.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

using PreviewAccessibility = PreviewFixture;

// Tab goes round the three buttons, and Escape closes the window, also from the page.
TEST_F(PreviewAccessibility, TheButtonsAreNamedInTabOrderAndEscapeCloses)
{
    Tinta2 *preview = viewAndLoad(u"<B>H</B>"_s);
    QApplication::setActiveWindow(preview);
    ExpectKeyboardTour(*preview, u"Command1 Command2 Command3"_s);
    preview->browser()->setFocus();
    QTest::keyClick(preview->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(QFile::exists(file.path()));
}
