#include "tests/testing/GuiTests.h"

#include "tests/testing/FreshUserFolders.h"
#include "winhelpers/PictureBox.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

int RunGuiTests(int argc, char **argv, void (*beforeApplication)())
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const FreshUserFolders folders;
    if (beforeApplication)
        beforeApplication();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

QStringList ItemTexts(const QComboBox &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    return texts;
}

void DoubleClick(QWidget *widget)
{
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

QColor ChartBand(const PictureBox &chart, int band)
{
    const QImage &image = chart.image();
    return image.pixelColor(int((band - 0.5) * image.width() / 80), image.height() / 2);
}

void CloseAsTheWindowSystemDoes(QWidget &window)
{
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window.windowHandle());
}

void WhenDialogShows(const QMetaObject &type, std::function<void(QWidget &dialog)> act)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, &type, act = std::move(act)] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && type.cast(window)) {
                poll->deleteLater();
                poll->stop();
                act(*window);
                return;
            }
        }
    });
    poll->start(10);
}
