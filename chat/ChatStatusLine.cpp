#include "chat/ChatStatusLine.h"

#include "chat/irc/IrcPlainText.h"

using namespace Qt::StringLiterals;

ChatStatusLine::ChatStatusLine(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setAccessibleName(tr("Status"));
}

void ChatStatusLine::showProblem(const QString &problem)
{
    m_problem = problem;
    showAll();
}

void ChatStatusLine::keepUndelivered(const QString &text)
{
    // A line's breaks would not show in one line of text.
    m_undelivered << IrcPlainText(text).replace(u'\n', u" / "_s);
    showAll();
}

void ChatStatusLine::showAll()
{
    QString status = m_problem;
    if (!m_undelivered.isEmpty())
        status += tr(" Not sent: %1").arg(u"“"_s + m_undelivered.join(u"”, “"_s) + u"”"_s);
    setText(status.trimmed());
    setCursorPosition(0);
    setToolTip(status.trimmed());
}
