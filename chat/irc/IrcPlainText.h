#pragma once

#include <QString>

// The text of an IRC message without its formatting: colour codes (palette and hex, with their
// backgrounds), bold, italics, underline, strike-through, monospace, reverse and reset.
QString IrcPlainText(const QString &text);
