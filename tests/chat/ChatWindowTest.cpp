#include "tests/chat/ChatWindowTest.h"

#include "chat/ChatWindowSettings.h"
#include "tests/chat/RecordingSender.h"
#include "tests/testing/GuiTests.h"
#include "winhelpers/WindowMotion.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

ChatWindowTest::ChatWindowTest()
{
    QFile::remove(ChatWindowSettingsFile());
    mainWindow.resize(400, 300);
    mainWindow.show();
    SlideOut(mainWindow);
    open();
}

ChatWindowTest::~ChatWindowTest()
{
    EXPECT_TRUE(dialogs.notices().empty());
    delete window;
    QFile::remove(ChatWindowSettingsFile());
}

void ChatWindowTest::open()
{
    delete window;
    window = new TintaAOL(services, {u"Abadi"_s, u"Arial"_s, u"Comic Sans MS"_s},
                          std::make_unique<RecordingSender>(sent), secrets, &mainWindow);
    QApplication::setActiveWindow(window);
}

void ChatWindowTest::pick(const QString &list, int index) const
{
    auto *box = FindControl<QComboBox>(*window, list);
    box->showPopup();
    QAbstractItemView *view = box->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

void ChatWindowTest::check(const QString &option) const
{
    auto *box = FindControl<QCheckBox>(*window, option);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

std::string ChatWindowTest::send(const QString &message) const
{
    auto *text = FindControl<QPlainTextEdit>(*window, u"Text7"_s);
    text->clear();
    QTest::keyClicks(text, message);
    QTest::mouseClick(FindControl<QPushButton>(*window, u"Command1"_s), Qt::LeftButton);
    return sent.empty() ? std::string() : sent.back();
}
