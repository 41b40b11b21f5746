#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <string>

// The texts of IRC messages that a composed chat line (UTF-8) makes: one per line within it, as
// a message ends at CR or LF, without empty ones and without NUL bytes, which no message carries.
QList<QByteArray> IrcMessageTexts(const std::string &line);

// How many bytes from the start of text go into a message with room for room bytes of text: all
// of it when it fits, else as many as fit without cutting a letter (a grapheme cluster of UTF-8)
// or a formatting code (\x03NN[,NN], \x04RRGGBB[,RRGGBB] and the others), nor a code from the
// letter after it: the code then starts the next message. At least one letter, should the room
// be smaller than that. The engine's IrcCutLength decides, as it does for tintra-fade.
qsizetype IrcMessagePieceLength(QByteArrayView text, qsizetype room);

// The text after the first cut bytes (as IrcMessagePieceLength cuts), opening with the
// formatting in force there, since each message starts without any.
QByteArray IrcMessageRest(QByteArrayView text, qsizetype cut);
