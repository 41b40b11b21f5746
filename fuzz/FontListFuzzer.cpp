// Reads fuzzed font list files and checks that every name read is one the file can hold and
// that writing the names and reading them back gives them again.

#include "Invariant.h"
#include "winhelpers/FontListFile.h"

#include <unicode/ustring.h>

namespace {

bool isUtf8(const QByteArray &bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, bytes.constData(), int32_t(bytes.size()), &status);
    return status == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(status);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QStringList> names = FontListFile::namesFromBytes(bytes);
    if (bytes.contains('\0') || !isUtf8(bytes)) {
        Expect(!names, "a file that is not text gives no names");
        return 0;
    }
    const QString text = QString::fromUtf8(bytes);
    Expect(names.has_value() == !FontListFile::namesFromText(text).isEmpty(),
           "a text gives names unless it holds none");
    if (!names)
        return 0;
    for (const QString &name : *names) {
        Expect(!name.isEmpty(), "no name is empty");
        Expect(!name.contains(u',') && !name.contains(u'\r') && !name.contains(u'\n') &&
                   !name.contains(u'['),
               "no name holds a separator or a bracket");
        Expect(text.contains(name), "every name stands in the file");
    }
    Expect(FontListFile::namesFromBytes(FontListFile::bytesOf(*names)) == names,
           "the names written are the names read back");
    return 0;
}
