#include "tests/testing/KeyboardTour.h"

#include "tests/testing/GuiTests.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

QString AccessibleText(QObject *object, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

void ExpectKeyboardTour(QWidget &window, const QString &controls)
{
    const QStringList tour = controls.split(u' ');
    FindControl(window, tour.front())->setFocus(Qt::TabFocusReason);
    for (qsizetype stop = 1; stop <= tour.size(); ++stop) {
        QWidget *control = window.focusWidget();
        const QString name = AccessibleText(control, QAccessible::Name);
        const QString tip = control->toolTip();
        const bool described =
            (!qobject_cast<QComboBox *>(control) && !qobject_cast<QAbstractButton *>(control)) ||
            (AccessibleText(control, QAccessible::Description) == tip && !tip.isEmpty() &&
             !tip.contains(u'\n'));
        EXPECT_TRUE(!name.isEmpty() && name != AccessibleText(control, QAccessible::Value) &&
                    described)
            << control->objectName().toStdString();
        QWidget *next = FindControl(window, tour[stop % tour.size()]);
        // A screen reader finds a list box's entry as the selected item of its drop-down, and can
        // put the focus on the box from elsewhere.
        if (auto *list = qobject_cast<QComboBox *>(control)) {
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(list);
            const QList<QAccessibleInterface *> selected =
                box->child(0)->tableInterface()->selectedCells();
            EXPECT_EQ(selected.size(), list->currentIndex() < 0 ? 0 : 1)
                << list->objectName().toStdString();
            if (!selected.isEmpty()) {
                EXPECT_EQ(selected.front()->text(QAccessible::Name), list->currentText());
            }
            const QString setFocus = QAccessibleActionInterface::setFocusAction();
            EXPECT_TRUE(box->actionInterface()->actionNames().contains(setFocus));
            next->setFocus(Qt::OtherFocusReason);
            box->actionInterface()->doAction(setFocus);
            EXPECT_EQ(window.focusWidget(), list) << list->objectName().toStdString();
        }
        const QImage unfocused = next->grab().toImage();
        QTest::keyClick(control, Qt::Key_Tab);
        ASSERT_EQ(window.focusWidget(), next) << next->objectName().toStdString();
        EXPECT_TRUE(next->grab().toImage() != unfocused) << next->objectName().toStdString();
    }
}
