#include "engine/formats/BBCodeWriter.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QList<TagPair> formatTags(const FadeOptions &options)
{
    QList<TagPair> tags;
    // A bracket in the face would end its tag, a quote its quoted form, and BBCode has no way
    // to escape either.
    QString face = options.fontFace;
    face.removeIf([](QChar c) {
        return c == u'[' || c == u']' || c == u'"' || c.category() == QChar::Other_Control;
    });
    // Forums read an unquoted face only up to a space or a sign, so any other face is quoted.
    const bool bare =
        std::all_of(face.cbegin(), face.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    if (!face.isEmpty())
        tags.append(
            {bare ? u"[font="_s + face + u']' : u"[font=\""_s + face + u"\"]"_s, u"[/font]"_s});
    if (const std::optional<int> size = FontSizeNumber(options.fontSize))
        tags.append({u"[size=%1]"_s.arg(*size), u"[/size]"_s});
    tags.append(StyleTags(options, u'[', u']'));
    return tags;
}

} // namespace

BBCodeWriter::BBCodeWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, formatTags(options))
{ }
