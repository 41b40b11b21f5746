#pragma once

#include <QStringView>

#include <vector>

// Splits a message into letters, one per user-perceived character (an emoji with its
// modifiers, a flag, a letter with its accents), so no colour tag ever cuts one apart.
// CR and LF stay a letter each, also when they stand together as a line break.
// The views point into message, which must outlive them.
std::vector<QStringView> SplitLetters(QStringView message);

inline bool isCarriageReturn(QStringView letter)
{
    return letter.size() == 1 && letter.front() == u'\r';
}
