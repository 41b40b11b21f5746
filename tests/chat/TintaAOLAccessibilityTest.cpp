#include "tests/chat/ChatWindowTest.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

using ChatWindowAccessibility = ChatWindowTest;

// With a screen reader and the keyboard alone: Tab visits every control, named, and Ctrl+Enter
// in the message box presses "Send Text!".
TEST_F(ChatWindowAccessibility, EveryControlIsNamedInTabOrderAndSendsFromTheKeyboard)
{
    ExpectKeyboardTour(*window,
                       u"Text7 Combo1 Command1 Check1 Check2 Check3 Combo2 HScroll1 "
                       "HScroll2 HScroll3 HScroll4 HScroll5 HScroll6 HScroll7 HScroll8 "
                       "HScroll9 Picture3 Combo3 Command2 Text2"_s);
    auto *message = FindControl<QPlainTextEdit>(*window, u"Text7"_s);
    message->setPlainText(u"x"_s);
    QTest::keyClick(message, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(sent.size(), 1U);
}
