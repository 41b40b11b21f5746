#include "chat/Windows1252.h"

#include <array>
#include <optional>

namespace {

constexpr char Unrepresentable = '?';

// The characters at bytes 0x80..0x9F. The five bytes the code page leaves undefined stand for
// the control characters of the same value, as Windows converts them.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char toWindows1252(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t index = 0; index < HighControlRange.size(); ++index) {
        if (HighControlRange[index] == character) {
            return static_cast<char>(0x80 + index);
        }
    }
    return Unrepresentable;
}

struct Decoded
{
    char32_t character;
    std::size_t length;
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// One well-formed UTF-8 sequence at the start of text: no overlong form, no surrogate, nothing
// past U+10FFFF.
std::optional<Decoded> decodeOne(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        return Decoded {lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        character = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        character = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        character = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t index = 1; index < length; ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (!isContinuation(byte)) {
            return std::nullopt;
        }
        character = (character << 6) | (byte & 0x3F);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (character < smallest || surrogate || character > 0x10FFFF) {
        return std::nullopt;
    }
    return Decoded {character, length};
}

} // namespace

std::string ToWindows1252(std::string_view utf8)
{
    std::string converted;
    converted.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::optional<Decoded> decoded = decodeOne(utf8);
        if (decoded) {
            converted += toWindows1252(decoded->character);
            utf8.remove_prefix(decoded->length);
        } else {
            converted += Unrepresentable;
            utf8.remove_prefix(1);
        }
    }
    return converted;
}
