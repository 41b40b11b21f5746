#include "chat/Windows1252.h"

#include <gtest/gtest.h>

namespace {

struct Conversion
{
    std::string_view utf8;
    std::string_view expected;
};

class ToWindows1252Case : public ::testing::TestWithParam<Conversion>
{
};

TEST_P(ToWindows1252Case, GivesOneByteACharacter)
{
    EXPECT_EQ(ToWindows1252(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows1252, ToWindows1252Case,
    ::testing::Values(Conversion {"Hello, room!", "Hello, room!"},
                      Conversion {"one\r\ntwo\nthree", "one\r\ntwo\nthree"},
                      Conversion {"\xC3\xA5", "\xE5"}, // å
                      Conversion {"\xC3\x85\xC3\xBF", "\xC5\xFF"}, // Å ÿ
                      Conversion {"\xC2\xA0", "\xA0"}, // no-break space
                      Conversion {"\xE2\x82\xAC", "\x80"}, // €
                      Conversion {"\xC5\xA0\xC5\xB8", "\x8A\x9F"}, // Š Ÿ
                      Conversion {"\xE2\x80\x9C\xE2\x80\x9D", "\x93\x94"}, // “ ”
                      Conversion {"\xC2\x81", "\x81"}, // undefined byte round-trips
                      Conversion {"\xC2\x80", "?"}, // C1 control 1252 lacks
                      Conversion {"\xE2\x98\x83", "?"}, // snowman
                      Conversion {"a\xF0\x9F\x98\x80z", "a?z"}, // emoji, one character
                      Conversion {"\xC4\x81", "?"}, // ā, no best fit
                      Conversion {"a\xFFz", "a?z"}, // stray byte
                      Conversion {"\xC3", "?"}, // cut short at the end
                      Conversion {"\xC3z", "?z"}, // cut short inside
                      Conversion {"\xC0\xAF", "??"}, // overlong
                      Conversion {"\xED\xA0\x80", "???"}, // surrogate
                      Conversion {"\xF4\x90\x80\x80", "????"}, // past U+10FFFF
                      Conversion {"", ""}));

} // namespace
