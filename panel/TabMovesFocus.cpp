#include "panel/TabMovesFocus.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

TabMovesFocus::TabMovesFocus(QPlainTextEdit &box)
    : QObject(&box)
    , m_box(box)
{
    box.setTabChangesFocus(true);
    box.installEventFilter(this);
}

bool TabMovesFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_box || event->type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (key.key() != Qt::Key_Tab || key.modifiers() != Qt::ControlModifier)
        return false;
    // Text boxes take no typed characters while Ctrl is held, a tab included.
    m_box.insertPlainText(QStringLiteral("\t"));
    return true;
}
