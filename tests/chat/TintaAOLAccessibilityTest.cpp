#include "chat/TintaAOL.h"
#include "engine/RandomSource.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// With a screen reader and the keyboard alone: Tab visits every control, named; Ctrl+Enter in the
// message box presses "Send Text!", which refuses an empty one.
TEST(ChatWindowAccessibility, EveryControlIsNamedInTabOrderAndSendsFromTheKeyboard)
{
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    QWidget mainWindow;
    auto *window = new TintaAOL(services, {u"Abadi"_s, u"Arial"_s}, &mainWindow);
    QApplication::setActiveWindow(window);
    ExpectKeyboardTour(*window,
                       u"Text7 Combo1 Command1 Check1 Check2 Check3 Combo2 HScroll1 "
                       "HScroll2 HScroll3 HScroll4 HScroll5 HScroll6 HScroll7 HScroll8 "
                       "HScroll9 Picture3 Combo3 Command2 Text2"_s);
    auto *message = FindControl<QPlainTextEdit>(*window, u"Text7"_s);
    message->clear();
    QTest::keyClick(message, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(dialogs.notices().size(), 1U);
}
