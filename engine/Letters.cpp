#include "engine/Letters.h"

#include <QtDebug>

#include <algorithm>
#include <memory>
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

// The letter ends found so far, in order, as bits over the places of the message.
class LetterEnds
{
public:
    explicit LetterEnds(qsizetype length)
        : m_bits(std::size_t(length) / 64 + 1)
    { }

    void add(qsizetype end)
    {
        set(std::size_t(end));
        m_last = end;
    }

    // Every place after the last end up to end, each unit between them being a letter.
    void addEachUpTo(qsizetype end)
    {
        std::size_t at = std::size_t(m_last) + 1;
        const std::size_t last = std::size_t(end);
        m_last = end;
        for (; at <= last && at % 64 != 0; ++at)
            set(at);
        for (; at + 63 <= last; at += 64)
            m_bits[at / 64] = ~quint64(0);
        for (; at <= last; ++at)
            set(at);
    }

    qsizetype last() const { return m_last; }

    // How many ends were found: that is, how many letters.
    qsizetype count() const
    {
        qsizetype count = 0;
        for (const quint64 bits : m_bits)
            count += std::popcount(bits);
        return count;
    }

    std::vector<quint64> take() { return std::move(m_bits); }

private:
    void set(std::size_t end) { m_bits[end / 64] |= quint64(1) << (end % 64); }

    std::vector<quint64> m_bits;
    qsizetype m_last = 0;
};

// Adds the ends of the letters of text, which starts at a letter boundary at offset in the
// message; the end of text is a boundary only when it is the end of the message. Returns
// whether it found any.
bool addLetterEnds(QStringView text, qsizetype offset, bool endsTheMessage, LetterEnds &ends)
{
    UErrorCode status = U_ZERO_ERROR;
    UText utext = UTEXT_INITIALIZER;
    utext_openUChars(&utext, reinterpret_cast<const UChar *>(text.utf16()), text.size(), &status);
    icu::BreakIterator &iterator = graphemeIterator();
    iterator.setText(&utext, status);
    if (U_FAILURE(status))
        qFatal("ICU cannot segment the text: %s", u_errorName(status));
    const qsizetype before = ends.last();
    qint32 start = 0;
    for (qint32 end = iterator.next(); end != icu::BreakIterator::DONE; end = iterator.next()) {
        if (end == text.size() && !endsTheMessage)
            break;
        // The CR LF pair is one cluster to Unicode but two letters here.
        if (end - start == 2 && text[start] == u'\r' && text[start + 1] == u'\n')
            ends.add(offset + start + 1);
        ends.add(offset + end);
        start = end;
    }
    utext_close(&utext);
    return ends.last() != before;
}

// Adds the ends of the letters of a stretch of the message that starts at offset and ends at
// a letter boundary. A boundary depends only on the text before it and the character after
// it, so a window's boundaries before its last character are those of the whole stretch,
// provided the window does not end inside a surrogate pair.
void addStretchEnds(QStringView message, qsizetype offset, qsizetype window, LetterEnds &ends)
{
    qsizetype start = 0;
    while (message.size() - start > window) {
        qsizetype end = start + window;
        if (message[end - 1].isHighSurrogate())
            end += end - 1 > start ? -1 : 1;
        const QStringView text = message.sliced(start, end - start);
        // Only a cluster longer than the window (of a few units, in tests) is cut at its end.
        if (!addLetterEnds(text, offset + start, false, ends))
            ends.add(offset + end);
        start = ends.last() - offset;
    }
    addLetterEnds(message.sliced(start), offset + start, true, ends);
}

// The ends of the message's letters. Two neighbours that join no neighbour have a boundary
// between them, so Unicode's rules are asked only about the stretches between long runs of
// such units.
LetterEnds letterEnds(QStringView message, qsizetype window)
{
    // A run this long is worth a stretch of its own.
    constexpr qsizetype LongRun = 32;
    LetterEnds ends(message.size());
    const qsizetype size = message.size();
    qsizetype at = 0;
    while (at < size) {
        // Each unit before the last one ahead of a unit that may join is a letter of its own.
        const qsizetype joining =
            std::find_if_not(message.begin() + at, message.end(), joinsNoNeighbour) -
            message.begin();
        const qsizetype simpleEnd = joining == size ? size : std::max(at, joining - 1);
        ends.addEachUpTo(simpleEnd);
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
        addStretchEnds(message.sliced(start, at - start), start, window, ends);
    }
    return ends;
}

} // namespace

qsizetype Letters::startOf(qsizetype index) const
{
    if (m_ends.empty() || index == 0)
        return index;
    // The letter starts where the one before it ends: at the index-th end.
    std::size_t word = 0;
    for (qsizetype before = 0;; ++word) {
        const int here = std::popcount(m_ends[word]);
        if (before + here >= index) {
            quint64 bits = m_ends[word];
            for (qsizetype skipped = before + 1; skipped < index; ++skipped)
                bits &= bits - 1;
            return qsizetype(word * 64) + std::countr_zero(bits);
        }
        before += here;
    }
}

Letters::Letters(QStringView message, qsizetype window)
    : m_message(message)
    , m_count(message.size())
{
    if (everyUnitIsALetter(message))
        return;
    LetterEnds ends = letterEnds(message, window);
    m_count = ends.count();
    m_ends = ends.take();
}
