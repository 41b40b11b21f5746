#include "chat/TintaAOL.h"
#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ChatTalker : public testing::Test
{
protected:
    ChatTalker()
    {
        window.fontNameList().addItems({u"Abadi"_s, u"Arial"_s, u"Comic Sans MS"_s});
        SlideIn(window);
    }

    QPointer<TintaAOL> pressChatTalker()
    {
        QTest::mouseClick(window.findChild<QPushButton *>(u"Command2"_s), Qt::LeftButton);
        return window.findChild<TintaAOL *>();
    }

    int screenHeight() const { return window.screen()->geometry().height(); }

    AnsweringDialogs dialogs;
    RandomSource random {7};
    Services services {dialogs, random};
    Tintra3 window {services};
};

TEST_F(ChatTalker, SlidesTheMainWindowAwayAndOpensTheChatWindow)
{
    services.mainWindow = &window;
    const QPointer<TintaAOL> chat = pressChatTalker();
    EXPECT_GT(window.frameGeometry().top(), screenHeight());
    ASSERT_FALSE(chat.isNull());
    EXPECT_TRUE(chat->isVisible());
    EXPECT_NEAR(chat->frameGeometry().bottom(), screenHeight() - 1, 1);
    const auto *fonts = chat->findChild<QComboBox *>(u"Combo2"_s);
    ASSERT_EQ(fonts->count(), 2);
    EXPECT_EQ(fonts->itemText(0), u"Arial"_s);
}

TEST_F(ChatTalker, ClosingTheChatWindowBringsTheMainWindowBackAndTheNextPressOpensAFreshOne)
{
    services.mainWindow = &window;
    const QPointer<TintaAOL> first = pressChatTalker();
    ASSERT_FALSE(first.isNull());
    first->findChild<QComboBox *>(u"Combo1"_s)->setCurrentIndex(0);
    first->close();
    EXPECT_NEAR(window.frameGeometry().top(),
                (screenHeight() - window.frameGeometry().height()) / 2, 1);
    // The event loop runs before the user can press the button again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    const QPointer<TintaAOL> second = pressChatTalker();
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(second->findChild<QComboBox *>(u"Combo1"_s)->currentText(), u"TTinta"_s);
}

} // namespace
