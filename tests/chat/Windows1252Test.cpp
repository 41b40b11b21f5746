#include "chat/Windows1252.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Conversion
{
    std::string_view name;
    std::string_view utf8;
    std::string_view expected;
};

void PrintTo(const Conversion &conversion, std::ostream *stream)
{
    *stream << conversion.name;
}

class ToWindows1252Case : public ::testing::TestWithParam<Conversion>
{
};

TEST_P(ToWindows1252Case, GivesOneByteACharacter)
{
    EXPECT_EQ(ToWindows1252(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows1252, ToWindows1252Case,
    ::testing::Values(Conversion {"Ascii", "Hello, room!", "Hello, room!"},
                      Conversion {"LineBreaks", "one\r\ntwo\nthree", "one\r\ntwo\nthree"},
                      Conversion {"ARing", "\xC3\xA5", "\xE5"},
                      Conversion {"UpperARingAndYDiaeresis", "\xC3\x85\xC3\xBF", "\xC5\xFF"},
                      Conversion {"NoBreakSpace", "\xC2\xA0", "\xA0"},
                      Conversion {"Euro", "\xE2\x82\xAC", "\x80"},
                      Conversion {"UpperSCaronAndYDiaeresis", "\xC5\xA0\xC5\xB8", "\x8A\x9F"},
                      Conversion {"CurlyQuotes", "\xE2\x80\x9C\xE2\x80\x9D", "\x93\x94"},
                      Conversion {"UndefinedByteRoundTrips", "\xC2\x81", "\x81"},
                      Conversion {"ControlCharacterTheCodePageLacks", "\xC2\x80", "?"},
                      Conversion {"Snowman", "\xE2\x98\x83", "?"},
                      Conversion {"EmojiIsOneCharacter", "a\xF0\x9F\x98\x80z", "a?z"},
                      Conversion {"NoBestFitForAMacron", "\xC4\x81", "?"},
                      Conversion {"StrayByte", "a\xFFz", "a?z"},
                      Conversion {"CutShortAtTheEnd", "\xC3", "?"},
                      Conversion {"CutShortInside", "\xC3z", "?z"},
                      Conversion {"Overlong", "\xC0\xAF", "??"},
                      Conversion {"Surrogate", "\xED\xA0\x80", "???"},
                      Conversion {"PastTheLastCharacter", "\xF4\x90\x80\x80", "????"},
                      Conversion {"Empty", "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
