#pragma once

#include "engine/ColorValue.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstring>

// Where the text of a long run goes while it is written, so it is never held whole.
class MarkupSink
{
public:
    virtual ~MarkupSink() = default;
    virtual void write(QStringView text) = 0;
};

// The text of one run, written through one cursor. The page markup, and a chat line that does
// not stream, reserve room for the whole run, so no piece of theirs checks for space; the other
// formats ask for room letter by letter, which hands the text written so far to the sink, if
// there is one, or else grows the buffer. Its storage is kept from run to run and used again
// once no one holds the previous text any more.
class MarkupBuffer
{
public:
    class Cursor;

    // Starts a new text with room for at most room characters.
    void start(qsizetype room);

    // Starts a new text that grows as ensureRoom() asks; room is a first guess, or, with a
    // sink, at most one block.
    void startGrowing(qsizetype room);

    // Text that runs out of room goes to the sink instead of growing the buffer.
    void streamTo(MarkupSink *sink) { m_sink = sink; }
    bool streams() const { return m_sink != nullptr; }

    // Makes sure that length more characters fit.
    void ensureRoom(qsizetype length)
    {
        if (m_end - m_cursor < length)
            makeRoom(length);
    }

    void append(QStringView piece);

    // The text written since start() and not yet handed to the sink, sharing the buffer's
    // storage.
    QString text();

private:
    // The characters a streamed run holds before it hands them on.
    static constexpr qsizetype BlockRoom = qsizetype(1) << 17;

    void makeRoom(qsizetype length);

    QString m_text;
    char16_t *m_cursor = nullptr;
    const char16_t *m_end = nullptr;
    MarkupSink *m_sink = nullptr;
};

// The decimal digits of every byte value, padded to four characters so they copy in one move.
inline constexpr auto DecimalBytes = [] {
    struct Digits
    {
        char16_t text[4];
        qsizetype length;
    };
    std::array<Digits, 256> table {};
    for (int byte = 0; byte < 256; ++byte) {
        Digits &digits = table[std::size_t(byte)];
        if (byte >= 100)
            digits.text[digits.length++] = char16_t(u'0' + byte / 100);
        if (byte >= 10)
            digits.text[digits.length++] = char16_t(u'0' + byte / 10 % 10);
        digits.text[digits.length++] = char16_t(u'0' + byte % 10);
    }
    return table;
}();

// Writes pieces at the buffer's cursor through a copy of it, which the compiler can keep in a
// register, and hands it back when it goes.
class MarkupBuffer::Cursor
{
public:
    explicit Cursor(MarkupBuffer &buffer)
        : m_buffer(buffer)
        , m_at(buffer.m_cursor)
    { }
    ~Cursor() { m_buffer.m_cursor = m_at; }
    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;

    // Literal pieces: their length is known here, so the copy compiles to a few moves.
    template<std::size_t N> Cursor &operator<<(const char16_t (&piece)[N])
    {
        std::memcpy(room(N - 1), piece, sizeof(char16_t) * (N - 1));
        return *this;
    }

    Cursor &operator<<(QStringView piece)
    {
        // Most letters are one unit; an emoji or a flag takes two or four.
        switch (piece.size()) {
        case 0: // an empty piece may have no data to copy from
            break;
        case 1:
            *room(1) = piece.front().unicode();
            break;
        case 2:
            std::memcpy(room(2), piece.utf16(), sizeof(char16_t) * 2);
            break;
        case 4:
            std::memcpy(room(4), piece.utf16(), sizeof(char16_t) * 4);
            break;
        default:
            std::memcpy(room(piece.size()), piece.utf16(), sizeof(char16_t) * piece.size());
            break;
        }
        return *this;
    }

    Cursor &hex6(ColorValue value, const HexPairTable &pairs = HexPairs)
    {
        WriteHex6(value, room(6), pairs);
        return *this;
    }

    // A whole number 0..255 in decimal digits, then one more character.
    Cursor &decimal(int byte, char16_t then)
    {
        const auto &digits = DecimalBytes[std::size_t(byte)];
        char16_t *at = room(4);
        std::memcpy(at, digits.text, sizeof digits.text);
        at[digits.length] = then;
        m_at = at + digits.length + 1;
        return *this;
    }

    // Writes text with each character that escape gives a piece for replaced by that piece.
    template<typename Escape> Cursor &escaped(QStringView text, Escape escape)
    {
        for (const QChar c : text) {
            const QStringView piece = escape(c.unicode());
            if (piece.isNull())
                *room(1) = c.unicode();
            else
                *this << piece;
        }
        return *this;
    }

private:
    char16_t *room(qsizetype length)
    {
        Q_ASSERT(m_buffer.m_end - m_at >= length);
        char16_t *piece = m_at;
        m_at += length;
        return piece;
    }

    MarkupBuffer &m_buffer;
    char16_t *m_at;
};
