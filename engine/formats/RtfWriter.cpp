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

int RtfWriter::colorIndex(ColorValue color)
{
    const auto found = m_indexes.constFind(color);
    if (found != m_indexes.cend())
        return *found;
    m_colors.append(color);
    return *m_indexes.insert(color, int(m_colors.size()));
}

void RtfWriter::plainLetter(QStringView letter, WaveHeight wave)
{
    if (m_runColor) {
        m_body += u"\\cf0 ";
        m_runColor.reset();
    }
    appendLetter(letter, wave);
}

void RtfWriter::appendLetter(QStringView letter, WaveHeight wave)
{
    if (wave == WaveHeight::Raised)
        m_body += u"{\\super ";
    else if (wave == WaveHeight::Lowered)
        m_body += u"{\\sub ";
    appendEscaped(m_body, letter);
    if (wave != WaveHeight::Level)
        m_body += u'}';
}

void RtfWriter::closing()
{
    QString face = m_options.fontFace;
    face.remove(u';'); // it would end the font's entry
    QString head = u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 "_s;
    appendEscaped(head, face);
    head += u";}}{\\colortbl;"_s;
    for (const ColorValue color : std::as_const(m_colors)) {
        const Rgb rgb = SplitColor(color);
        head += u"\\red"_s + QString::number(rgb.red) + u"\\green"_s + QString::number(rgb.green) +
            u"\\blue"_s + QString::number(rgb.blue) + u';';
    }
    head += u"}\n\\f0\\fs"_s + QString::number(halfPoints(m_options.fontSize));
    if (m_options.bold)
        head += u"\\b"_s;
    if (m_options.italic)
        head += u"\\i"_s;
    if (m_options.underline)
        head += u"\\ul"_s;
    m_out.append(head + u' ');
    m_out.append(m_body);
    m_out.append(u"}");
}
