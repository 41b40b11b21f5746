// Replaces the first line of fuzzed preview pages with each kind of opening line, fuzzed
// picture names included, and checks that only line 1 changes.

#include "Invariant.h"
#include "forms/preview/BackgroundLines.h"
#include "forms/preview/PreviewFile.h"

#include <QDir>

#include <fuzzer/FuzzedDataProvider.h>
#include <string_view>

namespace {

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

// Only characters that can neither end a quoted attribute, nor start a character reference, nor
// cut the file's path short as the start of a query or a fragment.
bool isSafeInAttribute(const QString &url)
{
    return std::all_of(url.begin(), url.end(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'"' && c != u'\'' && c != u'<' &&
            c != u'>' && c != u'&' && c != u'#' && c != u'?';
    });
}

// An absolute, clean path, as the picture chooser gives it.
QString pictureName(FuzzedDataProvider &data)
{
    const std::string bytes = data.ConsumeRandomLengthString(64);
    return QDir::cleanPath(u'/' + QString::fromUtf8(bytes));
}

QString openingLine(FuzzedDataProvider &data)
{
    switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return PlainOpeningLine();
    case 1:
        return ColorOpeningLine(data.ConsumeIntegralInRange<ColorValue>(0, 0xFFFFFF));
    case 2:
        return WhiteOpeningLine();
    default: {
        const QString name = pictureName(data);
        const QString url = PictureUrl(name);
        Expect(isSafeInAttribute(url), "a picture's URL is safe between quotation marks");
        Expect(url.startsWith(u"file://") &&
                   QByteArray::fromPercentEncoding(url.mid(7).toLatin1()) == name.toUtf8(),
               "a picture's URL names the picture");
        return PictureOpeningLine(name);
    }
    }
}

// Where the text after the first line begins, or -1 when there is none.
qsizetype secondLineStart(const QByteArray &page)
{
    const auto end =
        qsizetype(std::string_view(page.data(), size_t(page.size())).find_first_of("\r\n"));
    return end < 0 ? -1 : end + (page.mid(end, 2) == "\r\n" ? 2 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString line1 = openingLine(data);
    Expect(!line1.contains(u'\r') && !line1.contains(u'\n'), "an opening line is one line");
    const std::string rest = data.ConsumeRemainingBytesAsString();
    const QByteArray content(rest.data(), qsizetype(rest.size()));

    const std::optional<QByteArray> replaced = PreviewFile::withOpeningLine(content, line1);
    const QByteArray page = content.startsWith(ByteOrderMark) ? content.mid(3) : content;
    const qsizetype second = secondLineStart(page);
    if (second < 0 || second == page.size()) {
        Expect(!replaced, "a page of one line has nothing to replace");
        return 0;
    }
    Expect(replaced == ByteOrderMark + line1.toUtf8() + "\r\n" + page.mid(second),
           "line 1 is replaced and the rest kept byte for byte");
    Expect(PreviewFile::withOpeningLine(*replaced, line1) == replaced,
           "replacing line 1 with itself changes nothing");
    return 0;
}
