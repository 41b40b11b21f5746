#include "panel/EliteTyping.h"

#include "engine/EliteText.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

EliteTyping::EliteTyping(QPlainTextEdit &box)
    : QObject(&box)
    , m_box(box)
{
    box.installEventFilter(this);
}

void EliteTyping::setOn(bool on)
{
    m_on = on;
}

bool EliteTyping::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_on || watched != &m_box || event->type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    const QString text = key.text();
    if (text.size() != 1 || !text.front().isPrint())
        return false;
    const QChar substitute = EliteSubstitute(text.front());
    if (substitute == text.front())
        return false;
    // The substitute comes back through this filter; the tables map it to itself.
    QKeyEvent retyped(key.type(), key.key(), key.modifiers(), QString(substitute),
                      key.isAutoRepeat(), static_cast<quint16>(key.count()));
    QCoreApplication::sendEvent(&m_box, &retyped);
    return true;
}
