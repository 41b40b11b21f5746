#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A list box as assistive technology meets it: named by what it is for, with its current entry
// as its value. Qt on Linux names a list box by its current entry instead, so that a list with no
// caption beside it says only what it holds. The drop-down list is the first child, the text
// field of a list that takes typing the second, and the list drops down and closes as it does
// for Qt's own.
class ChoiceListAccessible : public QAccessibleWidget
{
public:
    explicit ChoiceListAccessible(QComboBox *list);

    // The accessibility factory that gives every ChoiceList this interface.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox &list() const;
};
