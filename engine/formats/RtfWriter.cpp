#include "engine/formats/RtfWriter.h"

using namespace Qt::StringLiterals;

namespace {

// Escapes text for RTF: the three special characters with a backslash, anything beyond ASCII
// as a signed 16-bit "\uN" with "?" for readers that know no Unicode. Control characters take
// the same escape, since readers skip or stop at them raw.
void appendEscaped(QString &out, QStringView text)
{
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += u'\\';
            out += c;
        } else if (unit < 0x20 || unit > 0x7F) {
            out += u"\\u"_s + QString::number(qint16(unit)) + u'?';
        } else {
            out += c;
        }
    }
}

// Half-points of the page's font sizes 1 to 7: 8, 10, 12, 14, 18, 24 and 36 points.
int halfPoints(const QString &size)
{
    static constexpr int points[] = {8, 10, 12, 14, 18, 24, 36};
    return 2 * points[FontSizeNumber(size).value_or(3) - 1];
}

} // namespace

RtfWriter::RtfWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, {})
    , m_options(options)
{ }

void RtfWriter::start(qsizetype letterCount, qsizetype messageLength)
{
    StreamedWriter::start(letterCount, messageLength);
    m_body.startGrowing(2 * messageLength + 8 * letterCount);
}

void RtfWriter::writeNumber(MarkupBuffer::Cursor &cursor, int number)
{
    char16_t digits[12];
    char16_t *end = std::end(digits);
    char16_t *first = end;
    const bool negative = number < 0;
    // The magnitude in unsigned arithmetic, which holds that of the most negative number too.
    unsigned magnitude = negative ? 0u - unsigned(number) : unsigned(number);
    do {
        *--first = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        *--first = u'-';
    cursor << QStringView(first, end);
}

void RtfWriter::writeLetter(MarkupBuffer::Cursor &cursor, QStringView letter, WaveHeight wave)
{
    if (wave == WaveHeight::Raised)
        cursor << u"{\\super ";
    else if (wave == WaveHeight::Lowered)
        cursor << u"{\\sub ";
    for (const QChar c : letter) {
        const char16_t unit = c.unicode();
        if (isPlain(unit)) {
            cursor << QStringView(&c, 1);
        } else if (unit == u'\\' || unit == u'{' || unit == u'}') {
            const char16_t escaped[] = {u'\\', unit};
            cursor << QStringView(escaped, 2);
        } else {
            cursor << u"\\u";
            writeNumber(cursor, qint16(unit));
            cursor << u"?";
        }
    }
    if (wave != WaveHeight::Level)
        cursor << u"}";
}

int RtfWriter::colorIndex(ColorValue color)
{
    if (2 * (std::size_t(m_colors.size()) + 1) > m_slots.size())
        growSlots();
    const std::size_t mask = m_slots.size() - 1;
    // Fibonacci hashing spreads the neighbouring colours of a gradient over the table.
    for (std::size_t at = (quint32(color) * 2654435769u) & mask;; at = (at + 1) & mask) {
        auto &[slotColor, index] = m_slots[at];
        if (index == 0) {
            m_colors.append(color);
            slotColor = color;
            index = int(m_colors.size());
            return index;
        }
        if (slotColor == color)
            return index;
    }
}

void RtfWriter::growSlots()
{
    std::vector<std::pair<ColorValue, int>> table(std::max(FirstSlots, 2 * m_slots.size()));
    const std::size_t mask = table.size() - 1;
    for (qsizetype i = 0; i < m_colors.size(); ++i) {
        std::size_t at = (quint32(m_colors[i]) * 2654435769u) & mask;
        while (table[at].second != 0)
            at = (at + 1) & mask;
        table[at] = {m_colors[i], int(i + 1)};
    }
    m_slots = std::move(table);
}

void RtfWriter::closing()
{
    QString face = m_options.fontFace;
    face.remove(u';'); // it would end the font's entry
    QString head = u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 "_s;
    appendEscaped(head, face);
    head += u";}}{\\colortbl;"_s;
    m_out.append(head);
    for (const ColorValue color : std::as_const(m_colors)) {
        const Rgb rgb = SplitColor(color);
        m_out.ensureRoom(LongestColorEntry);
        MarkupBuffer::Cursor cursor(m_out);
        cursor << u"\\red";
        cursor.decimal(rgb.red, u'\\') << u"green";
        cursor.decimal(rgb.green, u'\\') << u"blue";
        cursor.decimal(rgb.blue, u';');
    }
    QString style = u"}\n\\f0\\fs"_s + QString::number(halfPoints(m_options.fontSize));
    if (m_options.bold)
        style += u"\\b"_s;
    if (m_options.italic)
        style += u"\\i"_s;
    if (m_options.underline)
        style += u"\\ul"_s;
    m_out.append(style + u' ');
    m_out.append(m_body.text());
    m_out.append(u"}");
}
