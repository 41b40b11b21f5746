#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdio>
#include <optional>

// The text of well-formed UTF-8, or none for anything else: a byte that cannot stand where it
// is, an overlong form, a surrogate, a character past U+10FFFF or a sequence cut short. An
// initial byte order mark is not part of the text.
std::optional<QString> DecodeUtf8(QByteArrayView bytes);

// What reading the message from a stream gave.
struct MessageInput
{
    enum class Status { Read, TooLong, NotUtf8, ReadFailed };

    Status status = Status::Read;
    QString text; // the message, when read
    QString error; // why the stream could not be read
};

// Reads the message from the stream, dropping the line break that ends its last line, and
// stops as soon as more than byteLimit bytes have come (a negative limit reads all).
MessageInput ReadMessage(FILE *stream, qsizetype byteLimit);

// The message with every line break (CR LF, CR or LF) as the CR LF the engine expects.
QString WithCrLfBreaks(QStringView text);
