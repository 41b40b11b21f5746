#pragma once

#include "chat/TintaAOL.h"
#include "engine/RandomSource.h"
#include "tests/chat/FakeSecretStore.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The chat window in a fresh configuration folder, the main window slid away: the lines for the
// chat client are taken down in sent, and passwords kept in a fake store. No test's window shows
// a message box.
class ChatWindowTest : public testing::Test
{
protected:
    ChatWindowTest();
    ~ChatWindowTest() override;

    // Opens a new window in place of the one open.
    void open();
    // Picks an entry of a list from its open popup, as the user does.
    void pick(const QString &list, int index) const;
    void check(const QString &option) const;
    // Types the message over whatever the box held, a carriage return as a press of Enter, and
    // presses "Send Text!"; returns the last line sent to the chat client.
    std::string send(const QString &message) const;

    std::vector<std::string> sent;
    AnsweringDialogs dialogs;
    RandomSource random {7};
    Services services {dialogs, random};
    FakeSecretStore secrets;
    QWidget mainWindow;
    QPointer<TintaAOL> window;
};
