#include "chat/irc/IrcMessage.h"

namespace {

// Takes the next word of rest, up to the next space, and the spaces after it.
QByteArrayView takeWord(QByteArrayView &rest)
{
    const qsizetype space = rest.indexOf(' ');
    const QByteArrayView word = space < 0 ? rest : rest.first(space);
    rest = rest.sliced(word.size());
    while (rest.startsWith(' '))
        rest = rest.sliced(1);
    return word;
}

} // namespace

IrcMessage IrcMessage::parse(QByteArrayView line)
{
    IrcMessage message;
    QByteArrayView rest = line;
    if (rest.startsWith('@'))
        takeWord(rest);
    if (rest.startsWith(':'))
        message.prefix = takeWord(rest).sliced(1).toByteArray();
    message.command = takeWord(rest).toByteArray().toUpper();
    while (!rest.isEmpty()) {
        if (rest.startsWith(':')) {
            message.params.append(rest.sliced(1).toByteArray());
            break;
        }
        message.params.append(takeWord(rest).toByteArray());
    }
    return message;
}
