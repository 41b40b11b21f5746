#pragma once

#include <QStringView>

#include <limits>
#include <vector>

// The letters of a message, one per user-perceived character: an extended grapheme cluster as
// Unicode defines it (an emoji with its modifiers, a flag, a letter with its marks), so no
// colour tag ever cuts one apart, nor a surrogate pair. CR and LF stay a letter each, also
// when they stand together as a line break. The letters point into the message, which must
// outlive them.
class Letters
{
public:
    // ICU counts positions in 32 bits; a longer message is segmented in windows of this many
    // UTF-16 units at most, each starting at a boundary.
    static constexpr qsizetype LongestWindow = std::numeric_limits<qint32>::max();

    explicit Letters(QStringView message, qsizetype window = LongestWindow);

    qsizetype size() const { return m_ends.empty() ? m_message.size() : qsizetype(m_ends.size()); }

    QStringView operator[](qsizetype index) const
    {
        if (m_ends.empty())
            return QStringView(m_message.data() + index, 1);
        const qsizetype start = index == 0 ? 0 : m_ends[std::size_t(index - 1)];
        return QStringView(m_message.data() + start, m_ends[std::size_t(index)] - start);
    }

private:
    QStringView m_message;
    // Where each letter ends; empty when every UTF-16 unit is a letter of its own.
    std::vector<qsizetype> m_ends;
};

inline bool isCarriageReturn(QStringView letter)
{
    return letter.size() == 1 && letter.front() == u'\r';
}
