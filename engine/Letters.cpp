#include "engine/Letters.h"

#include <QtDebug>

#include <algorithm>
#include <memory>
#include <numeric>
#include <unicode/brkiter.h>
#include <unicode/utext.h>

namespace {

// Below U+0300 no character joins its neighbour into one letter, apart from the CR LF pair,
// which is split here anyway. That covers ASCII and Latin-1 without asking Unicode.
bool joinsNoNeighbour(QChar c)
{
    return c.unicode() < 0x300;
}

bool everyUnitIsALetter(QStringView message)
{
    return std::all_of(message.begin(), message.end(), joinsNoNeighbour);
}

// Made once per thread: creating an iterator loads its rules, and one iterator must not be
// shared between threads.
icu::BreakIterator &graphemeIterator()
{
    thread_local const std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> made(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status))
            qFatal("ICU has no grapheme rules: %s", u_errorName(status));
        return made;
    }();
    return *iterator;
}

// Appends the ends of the letters of text, which starts at a letter boundary at offset in the
// message; the end of text is a boundary only when it is the end of the message. Returns how
// many ends it appended.
std::size_t appendLetterEnds(QStringView text, qsizetype offset, bool endsTheMessage,
                             std::vector<qsizetype> &ends)
{
    UErrorCode status = U_ZERO_ERROR;
    UText utext = UTEXT_INITIALIZER;
    utext_openUChars(&utext, reinterpret_cast<const UChar *>(text.utf16()), text.size(), &status);
    icu::BreakIterator &iterator = graphemeIterator();
    iterator.setText(&utext, status);
    if (U_FAILURE(status))
        qFatal("ICU cannot segment the text: %s", u_errorName(status));
    const std::size_t before = ends.size();
    qint32 start = 0;
    for (qint32 end = iterator.next(); end != icu::BreakIterator::DONE; end = iterator.next()) {
        if (end == text.size() && !endsTheMessage)
            break;
        // The CR LF pair is one cluster to Unicode but two letters here.
        if (end - start == 2 && text[start] == u'\r' && text[start + 1] == u'\n')
            ends.push_back(offset + start + 1);
        ends.push_back(offset + end);
        start = end;
    }
    utext_close(&utext);
    return ends.size() - before;
}

// Appends the ends of the letters of a stretch of the message that starts at offset and ends
// at a letter boundary. A boundary depends only on the text before it and the character after
// it, so a window's boundaries before its last character are those of the whole stretch,
// provided the window does not end inside a surrogate pair.
void appendStretchEnds(QStringView message, qsizetype offset, qsizetype window,
                       std::vector<qsizetype> &ends)
{
    qsizetype start = 0;
    while (message.size() - start > window) {
        qsizetype end = start + window;
        if (message[end - 1].isHighSurrogate())
            end += end - 1 > start ? -1 : 1;
        const QStringView text = message.sliced(start, end - start);
        // Only a cluster longer than the window (of a few units, in tests) is cut at its end.
        if (appendLetterEnds(text, offset + start, false, ends) == 0)
            ends.push_back(offset + end);
        start = ends.back() - offset;
    }
    appendLetterEnds(message.sliced(start), offset + start, true, ends);
}

// The ends of the message's letters. Two neighbours that join no neighbour have a boundary
// between them, so Unicode's rules are asked only about the stretches between long runs of
// such units.
std::vector<qsizetype> letterEnds(QStringView message, qsizetype window)
{
    // A run this long is worth a stretch of its own.
    constexpr qsizetype LongRun = 32;
    std::vector<qsizetype> ends;
    ends.reserve(std::size_t(message.size())); // never fewer units than letters
    const qsizetype size = message.size();
    qsizetype at = 0;
    while (at < size) {
        // Each unit before the last one ahead of a unit that may join is a letter of its own.
        const qsizetype joining =
            std::find_if_not(message.begin() + at, message.end(), joinsNoNeighbour) -
            message.begin();
        const qsizetype simpleEnd = joining == size ? size : std::max(at, joining - 1);
        const std::size_t known = ends.size();
        ends.resize(known + std::size_t(simpleEnd - at));
        std::iota(ends.begin() + qsizetype(known), ends.end(), at + 1);
        at = simpleEnd;
        if (at == size)
            break;
        const qsizetype start = at;
        qsizetype run = 0;
        for (; at < size && run < LongRun; ++at)
            run = joinsNoNeighbour(message[at]) ? run + 1 : 0;
        // Cut between the first two units of a long run.
        if (run == LongRun)
            at -= LongRun - 1;
        appendStretchEnds(message.sliced(start, at - start), start, window, ends);
    }
    return ends;
}

} // namespace

Letters::Letters(QStringView message, qsizetype window)
    : m_message(message)
{
    if (!everyUnitIsALetter(message))
        m_ends = letterEnds(message, window);
}
