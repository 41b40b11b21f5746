#pragma once

#include <QStringList>
#include <QStringView>

// The bytes text takes in UTF-8.
qsizetype Utf8Length(QStringView text);

// How many UTF-16 units from the start of a line of IRC text go into a message of at most room
// bytes of UTF-8: all of it when it fits, else as many as fit without cutting a letter (a
// grapheme cluster) or a formatting code, nor a code from the letter after it. At least one
// letter with its codes, should the room be smaller than that.
qsizetype IrcCutLength(QStringView line, qsizetype room);

// Splits a line of IRC text (no CR or LF) into lines of at most room bytes of UTF-8 each, cut as
// IrcCutLength cuts, each line after the first opening with the bold, italics, underline and
// colour in force where it was cut (IRC clients reset them at every message), so the fade goes
// on across the lines as one message.
QStringList SplitIrcLine(QStringView line, qsizetype room);

// The rest of a line of IRC text from cut (where IrcCutLength cut it), opening with the bold,
// italics, underline and colour in force there, for a message of its own.
QString IrcLineRest(QStringView line, qsizetype cut);
