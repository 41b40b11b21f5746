#include "engine/Letters.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Below U+0300 no character joins its neighbour into one letter, apart from the CR LF pair,
// which is split here anyway. That covers ASCII and Latin-1 without asking Unicode.
bool everyCharacterIsALetter(QStringView message)
{
    return std::all_of(message.begin(), message.end(), [](QChar c) { return c.unicode() < 0x300; });
}

} // namespace

std::vector<QStringView> SplitLetters(QStringView message)
{
    std::vector<QStringView> letters;
    letters.reserve(message.size());
    if (everyCharacterIsALetter(message)) {
        for (qsizetype i = 0; i < message.size(); ++i)
            letters.push_back(message.mid(i, 1));
        return letters;
    }

    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, message.data(), message.size());
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        const QStringView letter = message.sliced(start, end - start);
        if (letter == u"\r\n") {
            letters.push_back(letter.first(1));
            letters.push_back(letter.last(1));
        } else {
            letters.push_back(letter);
        }
        start = end;
    }
    return letters;
}
