#include "engine/formats/MatrixWriter.h"

#include "engine/formats/TextComponentWriter.h"

using namespace Qt::StringLiterals;

namespace {

// HTML's escapes, then JSON's: the HTML goes inside a JSON string.
QStringView htmlInJson(char16_t c)
{
    const QStringView html = HtmlEscape(c);
    return html.isNull() ? JsonEscape(c) : html;
}

// The style tags, inside the formatted body.
QList<TagPair> eventTags(const FadeOptions &options)
{
    QList<TagPair> tags = {{u"{\"msgtype\":\"m.text\",\"format\":\"org.matrix.custom.html\","
                            "\"formatted_body\":\""_s,
                            u"\",\"body\":\""_s}};
    tags.append(StyleTags(options, u'<', u'>'));
    return tags;
}

} // namespace

MatrixWriter::MatrixWriter(MarkupBuffer &out, const FadeOptions &options)
    : TaggedRunWriter(out, eventTags(options))
{ }

void MatrixWriter::start(qsizetype letterCount, qsizetype messageLength)
{
    StreamedWriter::start(letterCount, messageLength);
    m_body.startGrowing(messageLength);
}

void MatrixWriter::closing()
{
    endRuns();
    StreamedWriter::closing();
    m_out.append(m_body.text());
    m_out.append(u"\"}");
}

void MatrixWriter::writeLetter(MarkupBuffer::Cursor &cursor, QStringView letter, WaveHeight wave)
{
    m_body.ensureRoom(LongestEscape * letter.size());
    MarkupBuffer::Cursor body(m_body);
    // Most letters are one printable ASCII character that neither HTML nor JSON escapes.
    const char16_t first = letter.front().unicode();
    if (wave == WaveHeight::Level && letter.size() == 1 && first >= 0x20 && first < 0x7F &&
        first != u'&' && first != u'<' && first != u'>' && first != u'"' && first != u'\\') {
        cursor << letter;
        body << letter;
        return;
    }
    WaveStart(cursor, wave);
    cursor.escaped(letter, htmlInJson);
    WaveEnd(cursor, wave);
    body.escaped(letter, JsonEscape);
}
