#include "FadeRun.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// A chat line, in whatever format the chat window writes, shows no progress; that it asks no
// count shows in the length of its segments.
QString chatLine(FadeRun &run, OutputFormat format = OutputFormat::ChatLine)
{
    run.request.format = format;
    run.request.chatWindow = format != OutputFormat::ChatLine;
    const QString line = run.markup();
    EXPECT_EQ(run.host.progressShown, 0);
    return line;
}

} // namespace

TEST(ChatLine, ShortMarkupWithoutClosingTags)
{
    const std::tuple<const char *, QString, int, bool, bool, QString> cases[] = {
        {"normal", u"Hi"_s, FadeMode::Normal, false, false,
         u"<FONT COLOR=#FF0000>H<FONT COLOR=#800080>i"_s},
        {"normal, bold", u"Hi"_s, FadeMode::Normal, true, false,
         uR"(<FONT FACE="Arial"><B><FONT COLOR=#FF0000>H<FONT COLOR=#800080>i)"_s},
        {"a line break", u"A\r\nB"_s, FadeMode::Normal, false, false,
         u"<FONT COLOR=#FF0000>A<br><FONT COLOR=#800080>B"_s},
        {"waving", u"abcd"_s, FadeMode::Normal, false, true,
         u"<sup><FONT COLOR=#FF0000>a</sup><FONT COLOR=#BF0040>b"
         u"<sub><FONT COLOR=#800080>c</sub><FONT COLOR=#4000BF>d"_s},
        {"no fade is the plain message, even in bold", u"a\r\nb"_s, FadeMode::NoFade, true, false,
         u"a\r\nb"_s},
        {"no fade, waving", u"A\r\nB"_s, FadeMode::NoFade, false, true, u"<sup>A<br></sup>B"_s},
        {"no fade, waving, bold", u"abcde"_s, FadeMode::NoFade, true, true,
         uR"(<FONT FACE="Arial"><B><sup>a</sup>b<sub>c</sub>d<sup>e)"_s},
        {"ttintra, one letter is sent in colour 1", u"x"_s, FadeMode::TTintra, false, false,
         u"<FONT COLOR=#FF0000>x"_s},
    };
    for (const auto &[name, message, mode, bold, waving, line] : cases) {
        FadeRun run(message, mode);
        run.request.options.italic = true;
        run.request.options.underline = true;
        run.request.options.bold = bold;
        run.request.options.waving = waving;
        EXPECT_EQ(chatLine(run), line) << name;
    }
}

TEST(ChatLine, RepeaterSegmentsAreSevenLettersLong)
{
    FadeRun run(u"abcdefghijklm"_s, FadeMode::Repeater);
    EXPECT_EQ(
        letterColors(chatLine(run)).join(u' '),
        u"FF0000 D4002A AA0055 800080 5500AA 2A00D4 0000FF 2A00D4 5500AA 800080 AA0055 D4002A FF0000"_s);
    EXPECT_EQ(run.segments.StageIndex, 0);
}

// White loses a step of blue in the chat window, which IRC still shows as its white, 00.
TEST(ChatLine, TheChatWindowsRulesHoldInTheIrcFormatToo)
{
    FadeRun run(u"abcdefghijklm"_s, FadeMode::Repeater);
    run.host = RecordingHost(u"5"_s, {255, 255, 255}, Blue, {255, 255, 255});
    const QString line = chatLine(run, OutputFormat::Irc);
    EXPECT_EQ(run.host.channelsSet, (QList<std::pair<int, int>> {{3, 254}, {9, 254}}));
    // Symmetric about the seventh letter: the chat window asks no count in IRC either.
    EXPECT_EQ(
        line,
        u"\u000300a\u000397b\u000384cd\u000372e\u000360fgh\u000372i\u000384jk\u000397l\u000300m"_s);
}
