#include "MainWindowFixture.h"
#include "chat/TintaAOL.h"

#include <QPointer>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

using ChatTalker = MainWindowFixture;

TEST_F(ChatTalker, SwapsTheMainWindowForAFreshChatWindowEachPress)
{
    const int screenHeight = window->screen()->geometry().height();
    const auto press = [this] {
        click(u"Command2"_s);
        return QPointer<TintaAOL>(window->findChild<TintaAOL *>());
    };
    const QPointer<TintaAOL> first = press();
    EXPECT_GT(window->frameGeometry().top(), screenHeight);
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    EXPECT_NEAR(first->frameGeometry().bottom(), screenHeight - 1, 1);
    const auto *fonts = first->findChild<QComboBox *>(u"Combo2"_s);
    EXPECT_EQ(fonts->count(), 2);
    EXPECT_EQ(fonts->itemText(0), u"Comic Sans MS"_s);

    first->findChild<QComboBox *>(u"Combo1"_s)->setCurrentIndex(0);
    first->close();
    EXPECT_NEAR(window->frameGeometry().top(),
                (screenHeight - window->frameGeometry().height()) / 2, 1);
    // The event loop runs before the user can press the button again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    const QPointer<TintaAOL> second = press();
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(second->findChild<QComboBox *>(u"Combo1"_s)->currentText(), u"TTinta"_s);
}

} // namespace
