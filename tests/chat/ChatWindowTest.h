#pragma once

#include "chat/ChatWindowSettings.h"
#include "chat/TintaAOL.h"
#include "engine/RandomSource.h"
#include "tests/chat/FakeSecretStore.h"
#include "tests/chat/RecordingSender.h"
#include "tests/testing/GuiTests.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The chat window in a fresh configuration folder, the main window slid away: the lines for the
// chat client are taken down in sent, and passwords kept in a fake store. No test's window shows
// a message box.
class ChatWindowTest : public testing::Test
{
protected:
    ChatWindowTest()
    {
        QFile::remove(ChatWindowSettingsFile());
        mainWindow.resize(400, 300);
        mainWindow.show();
        SlideOut(mainWindow);
        open();
    }
    ~ChatWindowTest() override
    {
        EXPECT_TRUE(dialogs.notices().empty());
        delete window;
        QFile::remove(ChatWindowSettingsFile());
    }

    // Opens a new window in place of the one open.
    void open()
    {
        delete window;
        window = new TintaAOL(
            services,
            {QStringLiteral("Abadi"), QStringLiteral("Arial"), QStringLiteral("Comic Sans MS")},
            std::make_unique<RecordingSender>(sent), secrets, &mainWindow);
        QApplication::setActiveWindow(window);
    }

    QScrollBar *bar(int number) const
    {
        return FindControl<QScrollBar>(*window, QStringLiteral("HScroll%1").arg(number));
    }

    // What the user sees in the middle of a swatch.
    QColor swatch(const QString &name) const
    {
        QWidget *box = FindControl<QWidget>(*window, name);
        return box->grab().toImage().pixelColor(box->width() / 2, box->height() / 2);
    }

    // Picks an entry of a list from its open popup, as the user does.
    void pick(const QString &list, int index) const
    {
        auto *box = FindControl<QComboBox>(*window, list);
        box->showPopup();
        QAbstractItemView *view = box->view();
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    void check(const QString &option) const
    {
        auto *box = FindControl<QCheckBox>(*window, option);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    // Types the message over whatever the box held, a carriage return as a press of Enter, and
    // presses "Send Text!"; returns the last line sent to the chat client.
    std::string send(const QString &message) const
    {
        auto *text = FindControl<QPlainTextEdit>(*window, QStringLiteral("Text7"));
        text->clear();
        QTest::keyClicks(text, message);
        QTest::mouseClick(FindControl<QPushButton>(*window, QStringLiteral("Command1")),
                          Qt::LeftButton);
        return sent.empty() ? std::string() : sent.back();
    }

    std::vector<std::string> sent;
    AnsweringDialogs dialogs;
    RandomSource random {7};
    Services services {dialogs, random};
    FakeSecretStore secrets;
    QWidget mainWindow;
    QPointer<TintaAOL> window;
};
