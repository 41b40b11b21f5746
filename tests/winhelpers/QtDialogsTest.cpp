#include "winhelpers/QtDialogs.h"

#include "tests/testing/GuiTests.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window that a dialog belongs to, with a button and a box of its own.
class OwnerWindow : public testing::Test
{
protected:
    OwnerWindow()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QWidget window;
    QPushButton *button = new QPushButton(&window);
    QLineEdit *box = new QLineEdit(&window);
    QtDialogs dialogs;
};

// While a dialog is open, its window takes no clicks and no typing, but it does close when the
// window system asks it to, and the dialog closes with it as cancelled.
TEST_F(OwnerWindow, DialogsKeepInputAwayButLetTheirWindowClose)
{
    const QMetaObject *dialogTypes[] = {
        &QMessageBox::staticMetaObject, &QInputDialog::staticMetaObject,
        &QColorDialog::staticMetaObject, &QFileDialog::staticMetaObject};
    for (const QMetaObject *type : dialogTypes) {
        SCOPED_TRACE(type->className());
        window.show();
        QSignalSpy presses(button, &QPushButton::clicked);
        WhenDialogShows(*type, [&](QWidget &) {
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClicks(box, u"typed"_s);
            CloseAsTheWindowSystemDoes(window);
        });
        if (type == &QMessageBox::staticMetaObject)
            dialogs.messageBox(box, {u"Text"_s, NoticeIcon::Critical, u"Title"_s});
        else if (type == &QInputDialog::staticMetaObject)
            EXPECT_EQ(dialogs.inputBox(box, u"Prompt"_s, u"Title"_s, u"default"_s), QString());
        else if (type == &QColorDialog::staticMetaObject)
            EXPECT_EQ(dialogs.chooseColor(box, RGB(1, 2, 3)), std::nullopt);
        else
            EXPECT_EQ(dialogs.chooseOpenFile(box, u"Open"_s, QDir::homePath(), u"*.png"_s),
                      QString());
        EXPECT_TRUE(presses.isEmpty());
        EXPECT_EQ(box->text(), QString());
        EXPECT_FALSE(window.isVisible());
        for (QWidget *top : QApplication::topLevelWidgets())
            EXPECT_FALSE(top->isVisible()) << top->metaObject()->className();
    }
}

// Answered, the colour chooser gives the colour chosen, from the one it opened at; the file
// chooser opens in the folder asked, with the filter asked.
TEST_F(OwnerWindow, DialogsGiveTheAnswer)
{
    WhenDialogShows(QColorDialog::staticMetaObject, [](QWidget &dialog) {
        EXPECT_EQ(static_cast<QColorDialog &>(dialog).currentColor(), QColor(1, 2, 3));
        static_cast<QColorDialog &>(dialog).setCurrentColor(QColor(250, 128, 0));
        static_cast<QColorDialog &>(dialog).accept();
    });
    EXPECT_EQ(dialogs.chooseColor(box, RGB(1, 2, 3)), RGB(250, 128, 0));

    const QTemporaryDir folder;
    WhenDialogShows(QFileDialog::staticMetaObject, [&folder](QWidget &dialog) {
        auto &chooser = static_cast<QFileDialog &>(dialog);
        EXPECT_EQ(chooser.directory().absolutePath(), folder.path());
        EXPECT_EQ(chooser.nameFilters(), QStringList {u"Pictures (*.png)"_s});
        chooser.reject();
    });
    EXPECT_EQ(dialogs.chooseOpenFile(box, u"Open"_s, folder.path(), u"Pictures (*.png)"_s),
              QString());
}

} // namespace
