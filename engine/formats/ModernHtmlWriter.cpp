#include "engine/formats/ModernHtmlWriter.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The face as a CSS string in single quotes: a quote, a backslash or a control character
// cannot end it or the rule.
QString cssString(const QString &text)
{
    QString quoted = u"'"_s;
    for (const QChar c : text) {
        if (c == u'\'' || c == u'\\')
            quoted += u'\\' + c;
        else if (c.category() == QChar::Other_Control)
            quoted += u"\\%1 "_s.arg(c.unicode(), 0, 16);
        else
            quoted += c;
    }
    return quoted + u'\'';
}

QString escapedAttribute(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        const QStringView piece = HtmlEscape(c.unicode());
        if (piece.isNull())
            escaped += c;
        else
            escaped += piece;
    }
    return escaped;
}

QList<TagPair> formatTags(const FadeOptions &options)
{
    static const QString keywords[] = {u"x-small"_s, u"small"_s,    u"medium"_s,   u"large"_s,
                                       u"x-large"_s, u"xx-large"_s, u"xxx-large"_s};
    QStringList rules;
    if (!options.fontFace.isEmpty())
        rules << u"font-family:"_s + cssString(options.fontFace);
    if (const std::optional<int> size = FontSizeNumber(options.fontSize))
        rules << u"font-size:"_s + keywords[*size - 1];
    QList<TagPair> tags = {
        {rules.isEmpty() ? u"<span>"_s
                         : u"<span style=\""_s + escapedAttribute(rules.join(u';')) + u"\">"_s,
         u"</span>"_s}};
    tags.append(StyleTags(options, u'<', u'>'));
    return tags;
}

} // namespace

ModernHtmlWriter::ModernHtmlWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, formatTags(options))
{ }
