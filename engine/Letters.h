#pragma once

#include <QStringView>

#include <bit>
#include <iterator>
#include <limits>
#include <vector>

// The letters of a message, one per user-perceived character: an extended grapheme cluster as
// Unicode defines it (an emoji with its modifiers, a flag, a letter with its marks), so no
// colour tag ever cuts one apart, nor a surrogate pair. CR and LF stay a letter each, also
// when they stand together as a line break. The letters point into the message, which must
// outlive them, and are walked from the first to the last.
class Letters
{
public:
    class Iterator;

    // ICU counts positions in 32 bits; a longer message is segmented in windows of this many
    // UTF-16 units at most, each starting at a boundary.
    static constexpr qsizetype LongestWindow = std::numeric_limits<qint32>::max();

    explicit Letters(QStringView message, qsizetype window = LongestWindow);

    qsizetype size() const { return m_count; }

    Iterator begin() const;
    Iterator end() const;
    // The letter of the given index, or the end at size(); found by counting the ends before it.
    Iterator at(qsizetype index) const;

private:
    // The unit where the letter of the given index starts.
    qsizetype startOf(qsizetype index) const;

    QStringView m_message;
    qsizetype m_count = 0;
    // One bit for each place from 0 to the message's length, set where a letter ends, the end
    // of the message included; empty when every UTF-16 unit is a letter of its own. A bit per
    // unit rather than an offset per letter keeps a long message's letters to a sixteenth of
    // the message's own size.
    std::vector<quint64> m_ends;
};

// Walks the letters in order, up to the end and not past it.
class Letters::Iterator
{
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = QStringView;
    using difference_type = qsizetype;
    using pointer = void;
    using reference = QStringView;

    QStringView operator*() const { return QStringView(m_start, m_end); }

    // Inlined with the search, so that the letter loop keeps the walk in registers.
    Q_ALWAYS_INLINE Iterator &operator++()
    {
        m_start = m_end;
        // Where every unit is a letter, the next one ends a unit on, with no search.
        if (!m_ends)
            ++m_end;
        else if (m_start < m_messageEnd)
            findEnd();
        return *this;
    }

    // Whether this is the last letter, after which a CR has no LF of a line break to skip.
    bool isLast() const { return m_end == m_messageEnd; }

    friend bool operator==(const Iterator &a, const Iterator &b) { return a.m_start == b.m_start; }
    friend bool operator<(const Iterator &a, const Iterator &b) { return a.m_start < b.m_start; }

private:
    friend class Letters;

    Iterator(const Letters &letters, qsizetype start)
        : m_message(letters.m_message.data())
        , m_messageEnd(m_message + letters.m_message.size())
        , m_ends(letters.m_ends.empty() ? nullptr : letters.m_ends.data())
        , m_start(m_message + start)
        , m_end(start < letters.m_message.size() ? m_start + 1 : m_start)
    {
        if (!m_ends || m_start == m_messageEnd)
            return;
        const std::size_t after = std::size_t(start) + 1;
        m_word = after / 64;
        m_endsAhead = m_ends[m_word] & (~quint64(0) << (after % 64));
        findEnd();
    }

    // Takes the first of the ends ahead as the end of the letter at m_start; the end of the
    // message is one, so the search stops.
    Q_ALWAYS_INLINE void findEnd()
    {
        while (m_endsAhead == 0)
            m_endsAhead = m_ends[++m_word];
        m_end = m_message + m_word * 64 + std::countr_zero(m_endsAhead);
        m_endsAhead &= m_endsAhead - 1;
    }

    const QChar *m_message;
    const QChar *m_messageEnd;
    const quint64 *m_ends;
    const QChar *m_start;
    const QChar *m_end;
    // The word of m_ends that holds the end of the letter at m_start, and its ends after that.
    std::size_t m_word = 0;
    quint64 m_endsAhead = 0;
};

inline Letters::Iterator Letters::begin() const
{
    return Iterator(*this, 0);
}

inline Letters::Iterator Letters::end() const
{
    return Iterator(*this, m_message.size());
}

inline Letters::Iterator Letters::at(qsizetype index) const
{
    return index == m_count ? end() : Iterator(*this, startOf(index));
}

inline bool isCarriageReturn(QStringView letter)
{
    return letter.size() == 1 && letter.front() == u'\r';
}
