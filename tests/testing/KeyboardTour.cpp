#include "tests/testing/KeyboardTour.h"

#include "tests/testing/GuiTests.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

bool isOneLine(const QString &text)
{
    return !text.isEmpty() && !text.contains(u'\n');
}

} // namespace

QString AccessibleText(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(text) : QString();
}

void ExpectKeyboardTour(QWidget &window, const std::vector<TourStop> &tour)
{
    std::vector<QWidget *> stops;
    for (const TourStop &stop : tour)
        stops.push_back(FindControl(window, stop.control));
    stops.front()->setFocus(Qt::TabFocusReason);
    for (std::size_t stop = 0; stop < stops.size(); ++stop) {
        const std::string where = tour[stop].control.toStdString();
        EXPECT_EQ(AccessibleText(stops[stop], QAccessible::Name), tour[stop].name) << where;
        const bool list = qobject_cast<QComboBox *>(stops[stop]);
        if (list) {
            EXPECT_FALSE(AccessibleText(stops[stop], QAccessible::Description).isEmpty()) << where;
        }
        if (list || qobject_cast<QAbstractButton *>(stops[stop])) {
            EXPECT_TRUE(isOneLine(stops[stop]->toolTip())) << where;
        }
        const std::size_t following = (stop + 1) % stops.size();
        QWidget *next = stops[following];
        const QImage unfocused = next->grab().toImage();
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(window.focusWidget(), next) << "Tab from " << where;
        EXPECT_TRUE(next->grab().toImage() != unfocused)
            << "no focus shown on " << tour[following].control.toStdString();
    }
}
