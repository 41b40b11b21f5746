#include "panel/ChoiceListAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

constexpr int DropDownChild = 0;
constexpr int TextFieldChild = 1;

} // namespace

ChoiceListAccessible::ChoiceListAccessible(QComboBox *list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{ }

QAccessibleInterface *ChoiceListAccessible::create(const QString &className, QObject *object)
{
    auto *list = qobject_cast<QComboBox *>(object);
    return className == u"ChoiceList"_s && list ? new ChoiceListAccessible(list) : nullptr;
}

QComboBox &ChoiceListAccessible::list() const
{
    return *static_cast<QComboBox *>(widget());
}

int ChoiceListAccessible::childCount() const
{
    return list().isEditable() ? 2 : 1;
}

QAccessibleInterface *ChoiceListAccessible::child(int index) const
{
    if (index == DropDownChild)
        return QAccessible::queryAccessibleInterface(list().view());
    if (index == TextFieldChild && list().isEditable())
        return QAccessible::queryAccessibleInterface(list().lineEdit());
    return nullptr;
}

int ChoiceListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child->object() == list().view())
        return DropDownChild;
    if (list().isEditable() && child->object() == list().lineEdit())
        return TextFieldChild;
    return -1;
}

QAccessibleInterface *ChoiceListAccessible::childAt(int x, int y) const
{
    const QLineEdit *field = list().lineEdit();
    if (field && field->geometry().translated(list().mapToGlobal(QPoint())).contains(x, y))
        return child(TextFieldChild);
    return nullptr;
}

// The list is the focus proxy of its text field, which therefore never has the focus itself,
// though it is where the typing goes.
QAccessibleInterface *ChoiceListAccessible::focusChild() const
{
    return list().isEditable() ? child(TextFieldChild) : nullptr;
}

QString ChoiceListAccessible::text(QAccessible::Text t) const
{
    const QString entry = list().isEditable() ? list().lineEdit()->text() : list().currentText();
    switch (t) {
    case QAccessible::Name: {
        const QString name = QAccessibleWidget::text(t);
        return name.isEmpty() ? entry : name;
    }
    case QAccessible::Value:
        return entry;
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList ChoiceListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction(), setFocusAction()};
}

void ChoiceListAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (list().view()->isVisible())
        list().hidePopup();
    else
        list().showPopup();
}
