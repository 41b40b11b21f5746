#pragma once

#include "engine/MarkupBuffer.h"
#include "engine/MarkupPieces.h"

#include <QList>
#include <QString>

#include <algorithm>

// A tag that the letters sit in, as it opens and as it closes.
struct TagPair
{
    QString open;
    QString close;
};

// Bold, italic and underline as the tags b, i and u in the given brackets, closed unless the
// format needs no closing tags.
QList<TagPair> StyleTags(const FadeOptions &options, QChar open, QChar close, bool closed = true);

// What a character of the text is written as in HTML, where HTML gives it a meaning; none for
// the character itself.
QStringView HtmlEscape(char16_t c);

// What the writers of today's formats share: they ask the buffer for room letter by letter, so
// a run of any length can stream, and set the letters in tags opened before the first and closed
// after the last.
class StreamedWriter
{
public:
    void start(qsizetype letterCount, qsizetype messageLength)
    {
        m_out.startGrowing(m_opening.size() + m_closing.size() + TypicalLetterTags * letterCount +
                           messageLength);
    }

    void opening() { m_out.append(m_opening); }
    void closing() { m_out.append(m_closing); }

    // Lets a code start only every `every` letters, each group of letters taking the colour of
    // its first, for the writers that write one code per run of one colour.
    void spaceRuns(int every) { m_every = std::max(every, 1); }

protected:
    // The characters a letter's tags typically take, for the first guess at the room a run needs.
    static constexpr qsizetype TypicalLetterTags = 24;

    // The tags, outermost first; they close in the opposite order.
    StreamedWriter(MarkupBuffer &out, const QList<TagPair> &tags)
        : m_out(out)
    {
        for (const TagPair &tag : tags) {
            m_opening += tag.open;
            m_closing.prepend(tag.close);
        }
    }

    // Room for a letter of the given length with tags of at most tagLength characters, when each
    // of its characters may grow to growth characters by escaping.
    MarkupBuffer::Cursor letterCursor(QStringView letter, qsizetype tagLength, qsizetype growth = 1)
    {
        m_out.ensureRoom(tagLength + growth * letter.size());
        return MarkupBuffer::Cursor(m_out);
    }

    // The colour a letter shows under the spacing of runs.
    ColorValue spacedColor(ColorValue color)
    {
        if (m_heldFor > 0) {
            --m_heldFor;
            return m_held;
        }
        m_heldFor = m_every - 1;
        m_held = color;
        return color;
    }

    MarkupBuffer &m_out;

private:
    int m_every = 1;
    int m_heldFor = 0;
    ColorValue m_held = 0;
    QString m_opening;
    QString m_closing;
};
