#pragma once

#include "engine/MarkupPieces.h"

// The writer of the page fragment or of the chat line: the letter loop hands it the opening,
// each letter with its colour and wave height, the line breaks and the closing, in order.
template<MarkupDialect Dialect> class HtmlMarkupWriter
{
public:
    HtmlMarkupWriter(MarkupBuffer &out, const FadeOptions &options)
        : m_out(out)
        , m_options(options)
    { }

    // Reserves room for the most characters the markup of letterCount letters, taken from a
    // message of messageLength UTF-16 units, can take.
    void start(qsizetype letterCount, qsizetype messageLength)
    {
        m_out.start(LongestFraming + m_options.fontFace.size() + m_options.fontSize.size() +
                    LongestLetterTags * letterCount + messageLength);
    }

    void opening() { MarkupOpening(m_out, m_options, Dialect); }

    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        LetterFragment(m_out, letter, color, wave, Dialect);
    }

    // A CR LF pair of the message: no colour and no wave tags.
    void lineBreak(WaveHeight) { MarkupBuffer::Cursor(m_out) << LineBreak; }

    void closing() { MarkupClosing(m_out, m_options, Dialect); }

private:
    MarkupBuffer &m_out;
    const FadeOptions &m_options;
};

using PageMarkupWriter = HtmlMarkupWriter<MarkupDialect::Page>;
using ChatLineWriter = HtmlMarkupWriter<MarkupDialect::ChatLine>;
