// Converts fuzzed bytes to windows-1252 and compares each character with ICU: its UTF-8
// decoding and its windows-1252 converter, '?' standing for what the code page cannot hold and
// for each byte that is not part of well-formed UTF-8.

#include "Invariant.h"
#include "chat/Windows1252.h"

#include <string>
#include <unicode/ucnv.h>
#include <unicode/utf8.h>
#include <vector>

namespace {

UConverter *windows1252()
{
    static UConverter *const converter = [] {
        UErrorCode status = U_ZERO_ERROR;
        UConverter *opened = ucnv_open("windows-1252", &status);
        Expect(U_SUCCESS(status), "ICU has windows-1252");
        ucnv_setSubstChars(opened, "?", 1, &status);
        return opened;
    }();
    return converter;
}

char convertedByIcu(UChar32 character)
{
    UChar units[2];
    int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, character);
    char byte[4];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucnv_fromUChars(windows1252(), byte, 4, units, length, &status);
    Expect(U_SUCCESS(status) && written <= 1, "ICU writes at most one byte per character");
    // ICU leaves out the default-ignorable characters it cannot convert (U+202C, say), where
    // the code page, like Windows, writes '?'.
    return written == 1 ? byte[0] : '?';
}

// ICU's byte for each character, asked once.
char icuByteOf(UChar32 character)
{
    static std::vector<int> bytes(0x110000, -1);
    int &byte = bytes[std::size_t(character)];
    if (byte < 0)
        byte = static_cast<unsigned char>(convertedByIcu(character));
    return static_cast<char>(byte);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view utf8(reinterpret_cast<const char *>(data), size);
    const std::string converted = ToWindows1252(utf8);
    std::string expected;
    for (int32_t at = 0; at < int32_t(size);) {
        const int32_t start = at;
        UChar32 character = 0;
        U8_NEXT(data, at, int32_t(size), character);
        if (character < 0) {
            expected += '?';
            at = start + 1;
        } else {
            expected += icuByteOf(character);
        }
    }
    Expect(converted == expected, "every character converts as ICU converts it");
    return 0;
}
