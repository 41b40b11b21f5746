#include "panel/CtrlReturnShortcut.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPlainTextEdit>

CtrlReturnShortcut::CtrlReturnShortcut(QPlainTextEdit &box, QAbstractButton &button)
    : QObject(&box)
    , m_box(box)
    , m_button(button)
{
    box.installEventFilter(this);
}

bool CtrlReturnShortcut::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_box || event->type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    const bool returnKey = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (!returnKey || (key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    m_button.click();
    return true;
}
