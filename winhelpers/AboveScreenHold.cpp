#include "winhelpers/AboveScreenHold.h"

#include <QEvent>
#include <QWidget>

namespace {

AboveScreenHold *holdOf(const QWidget &window)
{
    return window.findChild<AboveScreenHold *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

AboveScreenHold::AboveScreenHold(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    window.installEventFilter(this);
}

void AboveScreenHold::hold(QWidget &window, Placing placing)
{
    AboveScreenHold *hold = holdOf(window);
    if (!hold)
        hold = new AboveScreenHold(window);
    hold->m_placing = std::move(placing);
    hold->place();
}

void AboveScreenHold::release(QWidget &window)
{
    delete holdOf(window);
}

bool AboveScreenHold::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        place();
    return false;
}

void AboveScreenHold::place()
{
    // Placing moves the window, which comes back here at once.
    if (m_moving)
        return;
    m_moving = true;
    m_placing(m_window);
    m_moving = false;
}
