#include "panel/ChoiceList.h"

#include "panel/ChoiceListAccessible.h"
#include "panel/ElidingLineEdit.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <mutex>

namespace {

bool typesCharacter(const QKeyEvent &key)
{
    return !key.text().isEmpty() && key.text().front().isPrint();
}

} // namespace

ChoiceList::ChoiceList(QWidget *parent)
    : QComboBox(parent)
{
    static std::once_flag accessibilityInstalled;
    std::call_once(accessibilityInstalled,
                   [] { QAccessible::installFactory(&ChoiceListAccessible::create); });
    // While the list is dropped down, its keys go to the pop-up.
    view()->installEventFilter(this);
    // The drop-down keeps its current entry selected while it is closed too, which is where a
    // screen reader looks for what a list box holds.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        view()->selectionModel()->setCurrentIndex(model()->index(index, modelColumn()),
                                                  QItemSelectionModel::ClearAndSelect);
    });
}

void ChoiceList::makeEditable()
{
    setLineEdit(new ElidingLineEdit(this));
    lineEdit()->setAccessibleName(accessibleName());
    setInsertPolicy(QComboBox::NoInsert);
}

void ChoiceList::describe(const QString &name, const QString &purpose)
{
    setAccessibleName(name);
    setAccessibleDescription(purpose);
    setToolTip(purpose);
    // The typing goes to the text field, so that is what assistive technology finds focused.
    if (QLineEdit *field = lineEdit())
        field->setAccessibleName(name);
}

QString ChoiceList::shownText() const
{
    if (const auto *edit = qobject_cast<const ElidingLineEdit *>(lineEdit()))
        return edit->shownText();
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, labelWidth());
}

void ChoiceList::showPopup()
{
    QAbstractItemView &list = *view();
    // Measured only now, so filling a long list costs nothing extra.
    const int scrollBar = list.verticalScrollBar()->sizeHint().width();
    list.setMinimumWidth(list.sizeHintForColumn(0) + 2 * list.frameWidth() + scrollBar);
    QComboBox::showPopup();
}

void ChoiceList::paintEvent(QPaintEvent *)
{
    // As QComboBox paints itself, with the label shortened to fit.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ChoiceList::keyPressEvent(QKeyEvent *event)
{
    if (!isEditable() && typesCharacter(*event))
        return;
    QComboBox::keyPressEvent(event);
}

bool ChoiceList::eventFilter(QObject *watched, QEvent *event)
{
    return watched == view() && event->type() == QEvent::KeyPress && !isEditable() &&
        typesCharacter(static_cast<const QKeyEvent &>(*event));
}

// The room the style gives the label: the edit field less a pixel on either side.
int ChoiceList::labelWidth() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return field.width() - 2;
}
