#pragma once

#include "engine/MarkupPieces.h"

// Where a writer of the page fragment or of the chat line finds room for its markup: reserved
// for the whole run at its start, so that no letter checks for space, or asked for letter by
// letter, so that a run of any length can stream.
enum class MarkupRoom { Reserved, AskedFor };

// The writer of the page fragment or of the chat line: the letter loop hands it the opening,
// each letter with its colour and wave height, the line breaks and the closing, in order.
template<MarkupDialect Dialect, MarkupRoom Room = MarkupRoom::Reserved> class HtmlMarkupWriter
{
public:
    HtmlMarkupWriter(MarkupBuffer &out, const FadeOptions &options)
        : m_out(out)
        , m_options(options)
    { }

    // Reserves room for the most characters the markup of letterCount letters, taken from a
    // message of messageLength UTF-16 units, can take; a writer that asks for room takes that
    // as its first guess.
    void start(qsizetype letterCount, qsizetype messageLength)
    {
        const qsizetype room =
            FramingLength(m_options) + LongestLetterTags * letterCount + messageLength;
        if constexpr (Room == MarkupRoom::Reserved)
            m_out.start(room);
        else
            m_out.startGrowing(room);
    }

    void opening() { MarkupOpening(m_out, m_options, Dialect); }

    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        if constexpr (Room == MarkupRoom::AskedFor)
            m_out.ensureRoom(LongestLetterTags + letter.size());
        LetterFragment(m_out, letter, color, wave, Dialect);
    }

    // A CR LF pair of the message: no colour and no wave tags.
    void lineBreak(WaveHeight)
    {
        if constexpr (Room == MarkupRoom::AskedFor)
            m_out.ensureRoom(LineBreak.size());
        MarkupBuffer::Cursor(m_out) << LineBreak;
    }

    void closing() { MarkupClosing(m_out, m_options, Dialect); }

private:
    MarkupBuffer &m_out;
    const FadeOptions &m_options;
};

using PageMarkupWriter = HtmlMarkupWriter<MarkupDialect::Page>;
using ChatLineWriter = HtmlMarkupWriter<MarkupDialect::ChatLine>;
// A chat line that streams, which may be of any length.
using StreamedChatLineWriter = HtmlMarkupWriter<MarkupDialect::ChatLine, MarkupRoom::AskedFor>;
