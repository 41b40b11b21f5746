#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdio>
#include <optional>

// The text of well-formed UTF-8 (see Utf8Decoder), or none for anything else.
std::optional<QString> DecodeUtf8(QByteArrayView bytes);

// What reading the message from a stream gave.
struct MessageInput
{
    enum class Status { Read, TooLong, NotUtf8, ReadFailed };

    Status status = Status::Read;
    QString text; // the message, when read, with its line breaks as CR LF
    QString error; // why the stream could not be read
};

// Reads the message from the stream, dropping the line break that ends its last line. It stops
// at the first piece that is not UTF-8, and else as soon as more than byteLimit bytes have come
// (a negative limit reads all).
MessageInput ReadMessage(FILE *stream, qsizetype byteLimit);
