// Writes IRC message texts read from standard input, one a line, as a client's channel window
// shows them: each behind "<NICK>", its letters in the colours of IRC's 99-colour palette, as
// 24-bit ANSI colours for tintra-terminal-screenshot to draw:
//   tintra-irc-channel-lines NICK < MESSAGES
// The letters and colours are those the engine reads back from the IRC text, so the picture
// shows what reaches the channel, not what was meant to.
#include "engine/formats/IrcWriter.h"
#include "engine/formats/ShownTurns.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: tintra-irc-channel-lines NICK < MESSAGES\n", stderr);
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    QTextStream out(stdout);
    for (const QString &message :
         QString::fromUtf8(input.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        // A colour read from "\x03NN" is its palette index, one read from "\x04RRGGBB" a colour
        // that no index tells apart; only the palette codes, which tintra-fade -f irc and the chat
        // window write, are taken.
        const std::optional<QList<ShownTurn>> turns = ReadShownTurns(OutputFormat::Irc, message);
        if (!turns || message.contains(u'\x04')) {
            std::fputs("tintra-irc-channel-lines: a message is no IRC text in palette colours\n",
                       stderr);
            return 1;
        }
        out << u'<' << arguments[1] << u"> "_s;
        for (const ShownTurn &turn : *turns) {
            if (turn.color) {
                const Rgb rgb = IrcPaletteColor(*turn.color);
                out << u"\x1b[38;2;%1;%2;%3m"_s.arg(rgb.red).arg(rgb.green).arg(rgb.blue);
            } else {
                out << u"\x1b[0m"_s;
            }
            out << turn.letter;
        }
        out << u"\x1b[0m\n"_s;
    }
    return 0;
}
