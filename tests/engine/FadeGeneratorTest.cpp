#include "FadeRun.h"
#include "engine/MarkupBuffer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString page(const QString &body)
{
    return uR"(<FONT FACE="Arial" SIZE=2>)"_s + body + u"</FONT>"_s;
}

QString letter(const QString &color, const QString &character)
{
    return uR"(<FONT COLOR="#%1">%2</FONT>)"_s.arg(color, character);
}

} // namespace

TEST(GenerateFade, LetterColoursOfEachMode)
{
    const struct
    {
        const char *name;
        int mode;
        QString message;
        QString count;
        QStringList colors;
    } cases[] = {
        {"repeater count 5, nine letters",
         FadeMode::Repeater,
         u"abcdefghi"_s,
         u"5"_s,
         {u"FF0000"_s, u"BF0040"_s, u"800080"_s, u"4000BF"_s, u"0000FF"_s, u"4000BF"_s, u"800080"_s,
          u"BF0040"_s, u"FF0000"_s}},
        {"ttintra, five letters",
         FadeMode::TTintra,
         u"abcde"_s,
         {},
         {u"FF0000"_s, u"800080"_s, u"0000FF"_s, u"008080"_s, u"00FF00"_s}},
        {"ttintra, four letters",
         FadeMode::TTintra,
         u"abcd"_s,
         {},
         {u"FF0000"_s, u"800080"_s, u"0000FF"_s, u"008080"_s}},
        {"ttintra, one letter", FadeMode::TTintra, u"a"_s, {}, {u"FF0000"_s}},
        {"ttintra, a break carried into the second half",
         FadeMode::TTintra,
         u"a\r\nbc"_s,
         {},
         {u"FF0000"_s, u"0000FF"_s, u"008080"_s}},
        {"tcrepeater count 2",
         FadeMode::TCRepeater,
         u"abcde"_s,
         u"2"_s,
         {u"FF0000"_s, u"0000FF"_s, u"00FF00"_s, u"0000FF"_s, u"FF0000"_s}},
    };
    for (const auto &c : cases) {
        FadeRun run(c.message, c.mode);
        run.host = RecordingHost(c.count.isNull() ? u"5"_s : c.count);
        EXPECT_EQ(letterColors(run.markup()), c.colors) << c.name;
    }
}

TEST(GenerateFade, NormalFadeOfTheLongestMessageStopsOneStepShortOfColourTwo)
{
    FadeRun run(QString(MaximumLetters, u'x'));
    const QStringList colors = letterColors(run.markup());
    ASSERT_EQ(colors.size(), MaximumLetters);
    EXPECT_EQ(colors.first(), u"FF0000"_s);
    EXPECT_EQ(colors.last(), u"0000FF"_s); // red 255 − 1399 × 255/1400 ≈ 0.18
    EXPECT_EQ(colors[700], u"800080"_s);
}

TEST(GenerateFade, RainbowWithCountTwoStartsANewRandomSegmentEveryLetter)
{
    FadeRun run(u"abcdefgh"_s, FadeMode::Rainbow);
    run.host = RecordingHost(u"2"_s);
    const QStringList colors = letterColors(run.markup());
    ASSERT_EQ(colors.size(), 8);
    EXPECT_EQ(colors[0], u"FF0000"_s);
    EXPECT_EQ(colors[1], u"0000FF"_s);
    for (qsizetype i = 2; i < colors.size(); ++i) {
        for (int component = 0; component < 3; ++component)
            EXPECT_NE(colors[i].mid(2 * component, 2), u"00"_s) << i;
    }
    EXPECT_EQ(run.segments.StageIndex, 0);
}

TEST(GenerateFade, SegmentRunsStartAgainAtColourOne)
{
    for (const int mode : {FadeMode::Repeater, FadeMode::TCRepeater, FadeMode::Rainbow}) {
        FadeRun run(u"abcdefg"_s, mode);
        const QString first = run.markup();
        EXPECT_EQ(run.segments.StageIndex, 0);
        if (mode != FadeMode::Rainbow) {
            EXPECT_EQ(run.markup(), first) << mode;
        }
        EXPECT_EQ(letterColors(first).first(), u"FF0000"_s);
    }
}

TEST(GenerateFade, CountBoxOfEachSegmentMode)
{
    const struct
    {
        int mode;
        QString prompt;
        QString title;
    } cases[] = {
        {FadeMode::Rainbow, u"You want the fade 2 change every ??? letters..."_s,
         u"Rainbow Fade"_s},
        {FadeMode::Repeater, u"You want the fade 2 repeat every ??? letters..."_s,
         u"Repeater Fade"_s},
        {FadeMode::TCRepeater, u"You want the fade 2 repeat every ??? letters..."_s,
         u"TCRepeater Fade"_s},
    };
    for (const auto &c : cases) {
        FadeRun run(u"abc"_s, c.mode);
        run.generate();
        EXPECT_EQ(run.host.countBoxes, (QList<QStringList> {{c.prompt, c.title, u"5"_s}}));
    }
    FadeRun normal(u"abc"_s);
    normal.generate();
    EXPECT_TRUE(normal.host.countBoxes.isEmpty());
}

TEST(GenerateFade, RefusesAndCancelsWithoutTouchingTheCycle)
{
    const Notice empty {u"Hey Man, Enter Some Text!"_s, NoticeIcon::Critical, u"DUV or QY"_s};
    const Notice notANumber {u"Not a valid number"_s, NoticeIcon::Question, u"DUV or QY"_s};
    const Notice notFading {u"Not a valid fading number"_s, NoticeIcon::Question, u"DUV or QY"_s};
    const QString tooBig = u"Error: The message is too big for the textbox 2 hold."_s;
    using Status = FadeResult::Status;
    const struct
    {
        QString message;
        int mode;
        QString count;
        Status status;
        std::optional<QString> output;
        std::optional<Notice> notice;
        int progressShown;
    } cases[] = {
        {{}, FadeMode::Normal, u"5"_s, Status::Refused, {}, empty, 0},
        {QString(1401, u'x'), FadeMode::Normal, u"5"_s, Status::Refused, tooBig, {}, 0},
        {QString(1401, u'x'), FadeMode::NoFade, u"5"_s, Status::Refused, tooBig, {}, 0},
        {u"abc"_s, FadeMode::Repeater, {}, Status::Cancelled, QString(), {}, 1},
        {u"abc"_s, FadeMode::Repeater, u"five"_s, Status::Refused, QString(), notANumber, 1},
        {u"abc"_s, FadeMode::Rainbow, u"501"_s, Status::Refused, QString(), notFading, 1},
        {u"abc"_s, FadeMode::TCRepeater, u"5.5"_s, Status::Refused, QString(), notFading, 1},
    };
    for (const auto &c : cases) {
        FadeRun run(c.message, c.mode);
        run.host = RecordingHost(c.count);
        run.segments.StageIndex = 1;
        const FadeResult result = run.generate();
        EXPECT_EQ(result.status, c.status) << qPrintable(c.message.left(9) + c.count);
        EXPECT_EQ(result.output, c.output);
        EXPECT_EQ(result.notice, c.notice);
        EXPECT_EQ(run.host.progressShown, c.progressShown);
        EXPECT_EQ(run.segments.StageIndex, 1);
    }
}

TEST(GenerateFade, LengthLimitCountsLettersNotCodeUnits)
{
    QString emoji;
    for (int i = 0; i < 1400; ++i)
        emoji += u"👍🏽"_s;
    FadeRun run(emoji);
    EXPECT_EQ(letterColors(run.markup()).size(), 1400);
    FadeRun oneMore(emoji + u"a"_s);
    EXPECT_EQ(oneMore.generate().status, FadeResult::Status::Refused);
}

TEST(GenerateFade, APageAlsoLimitsTheMarksALetterCarries)
{
    const QString sixteenUnits = u"e"_s + QString(15, QChar(0x301));
    const QString longest = sixteenUnits.repeated(MaximumLetters);
    const struct
    {
        QString message;
        OutputFormat format;
        FadeResult::Status status;
    } cases[] = {
        {longest, OutputFormat::Page, FadeResult::Status::Done},
        {longest + QChar(0x301), OutputFormat::Page, FadeResult::Status::Refused},
        {u"e"_s + QString(MaximumPageUnits, QChar(0x301)), OutputFormat::Page,
         FadeResult::Status::Refused},
        {longest + QChar(0x301), OutputFormat::ChatLine, FadeResult::Status::Done},
    };
    for (const auto &c : cases) {
        FadeRun run(c.message, FadeMode::Normal, c.format);
        const FadeResult result = run.generate();
        EXPECT_EQ(result.status, c.status) << c.message.size();
        if (c.status == FadeResult::Status::Refused) {
            EXPECT_EQ(result.output, u"Error: The message is too big for the textbox 2 hold."_s);
        }
    }
}

TEST(CheckCount, AcceptsWholeNumbersFromTwoToFiveHundred)
{
    using Status = CountAnswer::Status;
    const struct
    {
        const char *answer;
        Status status;
        int howMuch;
    } cases[] = {
        {"2", Status::Accepted, 1},          {"500", Status::Accepted, 499},
        {" 7 ", Status::Accepted, 6},        {"+5", Status::Accepted, 4},
        {"5.0", Status::Accepted, 4},        {"1e2", Status::Accepted, 99},
        {"", Status::Cancelled, 0},          {"1", Status::NotAFadingNumber, 0},
        {"0", Status::NotAFadingNumber, 0},  {"501", Status::NotAFadingNumber, 0},
        {"-5", Status::NotAFadingNumber, 0}, {"5.5", Status::NotAFadingNumber, 0},
        {".5", Status::NotAFadingNumber, 0}, {"1e400", Status::NotAFadingNumber, 0},
        {"abc", Status::NotANumber, 0},      {"5a", Status::NotANumber, 0},
        {"   ", Status::NotANumber, 0},      {"--5", Status::NotANumber, 0},
        {"5 5", Status::NotANumber, 0},      {"0x10", Status::NotANumber, 0},
        {"5\n", Status::NotANumber, 0},      {"\n5", Status::NotANumber, 0},
    };
    for (const auto &c : cases) {
        const CountAnswer answer = CheckCount(QString::fromLatin1(c.answer));
        EXPECT_EQ(answer.status, c.status) << c.answer;
        if (c.status == Status::Accepted) {
            EXPECT_EQ(answer.howMuch, c.howMuch) << c.answer;
        }
    }
}

TEST(GenerateFade, WavingRaisesLevelsLowersAndLevelsEveryTurn)
{
    FadeRun run(u"abcd"_s);
    run.request.options.waving = true;
    const QString markup = run.markup();
    EXPECT_TRUE(markup.contains(u"<sup><FONT COLOR=\"#FF0000\">a</FONT></sup><FONT"_s));
    EXPECT_TRUE(markup.contains(u"\">b</FONT><sub><FONT"_s));
    EXPECT_TRUE(markup.contains(u"\">c</FONT></sub><FONT"_s));
    EXPECT_TRUE(markup.endsWith(u"\">d</FONT></FONT>"_s));

    FadeRun withBreak(u"a\r\nbc"_s);
    withBreak.request.options.waving = true;
    const QString broken = withBreak.markup();
    EXPECT_TRUE(broken.contains(u">a</FONT></sup><br><sub><FONT"_s));
    EXPECT_TRUE(broken.contains(u">b</FONT></sub><FONT"_s));
}

TEST(GenerateFade, PageMarkupFraming)
{
    const struct
    {
        const char *name;
        QString message;
        int mode;
        bool bold, italic, underline, waving;
        QString markup;
    } cases[] = {
        {"Hi in bold", u"Hi"_s, FadeMode::Normal, true, false, false, false,
         uR"(<FONT FACE="Arial" SIZE=2><B>)"_s + letter(u"FF0000"_s, u"H"_s) +
             letter(u"800080"_s, u"i"_s) + u"</B></FONT>"_s},
        {"a line break takes a turn and a step", u"A\r\nB"_s, FadeMode::Normal, false, false, false,
         false, page(letter(u"FF0000"_s, u"A"_s) + u"<br>"_s + letter(u"800080"_s, u"B"_s))},
        {"a lone line break", u"\r\n"_s, FadeMode::Normal, false, false, false, false,
         page(u"<br>"_s)},
        {"markup characters are not escaped", u"<&"_s, FadeMode::Normal, false, false, false, false,
         page(letter(u"FF0000"_s, u"<"_s) + letter(u"800080"_s, u"&"_s))},
        {"bold and underline keep their order", u"x"_s, FadeMode::Normal, true, false, true, false,
         uR"(<FONT FACE="Arial" SIZE=2><B><U><FONT COLOR="#FF0000">x</FONT></B></U></FONT>)"_s},
        {"all three styles", u"x"_s, FadeMode::Normal, true, true, true, false,
         uR"(<FONT FACE="Arial" SIZE=2><B><I><U><FONT COLOR="#FF0000">x</FONT></B></I></U></FONT>)"_s},
        {"no fade, waving, ends on an open lowering tag", u"abc"_s, FadeMode::NoFade, false, false,
         false, true, page(u"<sup>a</sup>b<sub>c"_s)},
        {"no fade, waving, a break keeps the phase", u"A\r\nB"_s, FadeMode::NoFade, false, false,
         false, true, page(u"<sup>A<br></sup>B"_s)},
        {"no fade without waving is the message itself", u"a<b\r\nc"_s, FadeMode::NoFade, true,
         true, false, false, u"a<b\r\nc"_s},
        {"an index past the list fades nothing", u"ab"_s, 10, false, false, false, false, u"ab"_s},
        {"a negative index fades nothing", u"ab"_s, -1, false, false, false, false, u"ab"_s},
        {"combining accents stay in their letter", u"e\u0301"_s, FadeMode::Normal, false, false,
         false, false, page(letter(u"FF0000"_s, u"e\u0301"_s))},
    };
    for (const auto &c : cases) {
        FadeRun run(c.message, c.mode);
        run.request.options.bold = c.bold;
        run.request.options.italic = c.italic;
        run.request.options.underline = c.underline;
        run.request.options.waving = c.waving;
        EXPECT_EQ(run.markup(), c.markup) << c.name;
        EXPECT_EQ(run.host.progressShown, 1) << c.name;
    }
}

TEST(GenerateFade, MysteryModesDrawTheirBarsBeforeFading)
{
    const struct
    {
        int mode;
        QList<int> bars;
    } cases[] = {
        {FadeMode::TWMystery, {1, 2, 3, 4, 5, 6}},
        {FadeMode::DUDadodov, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const auto &c : cases) {
        for (int seed = 0; seed < 50; ++seed) {
            FadeRun run(u"Hello"_s, c.mode);
            run.random = RandomSource(quint64(seed));
            const QStringList colors = letterColors(run.markup());
            EXPECT_EQ(run.host.barsSet(), c.bars);
            for (int which = 1; which <= c.bars.size() / 3; ++which) {
                const Rgb color = run.host.color(which);
                for (const int channel : {color.red, color.green, color.blue})
                    EXPECT_LT(channel, 255);
            }
            EXPECT_EQ(colors.first(), Hex6(RGB(run.host.color(1))));
            if (c.mode == FadeMode::DUDadodov) {
                EXPECT_EQ(colors.last(), Hex6(RGB(run.host.color(3))));
            }
        }
    }
}

TEST(GenerateFade, RandomizeGivesNeighboursDifferentColoursOnAStoppedClock)
{
    FadeRun run(QString(300, u'x'), FadeMode::Randomize);
    const QStringList colors = letterColors(run.markup());
    ASSERT_EQ(colors.size(), 300);
    for (qsizetype i = 1; i < colors.size(); ++i)
        EXPECT_NE(colors[i], colors[i - 1]) << i;
}

TEST(GenerateFade, ReportsTheLastTurnsColour)
{
    FadeRun run(u"ab\r\n"_s);
    const FadeResult result = run.generate();
    ASSERT_TRUE(result.lastColor);
    EXPECT_EQ(*result.lastColor, RGB(128, 0, 128)); // the line break's turn, 2 steps from red
    FadeRun noFade(u"ab"_s, FadeMode::NoFade);
    EXPECT_FALSE(noFade.generate().lastColor);
}

TEST(GenerateFade, ABufferServesRunAfterRunAndLeavesHeldMarkupAlone)
{
    FadeRun first(u"Hello"_s);
    FadeRun second(u"Hi\r\nthere, a longer message"_s, FadeMode::TTintra, OutputFormat::ChatLine);
    const QString firstAlone = first.markup();
    const QString secondAlone = second.markup();
    MarkupBuffer buffer;
    for (int round = 0; round < 2; ++round) {
        const FadeResult held =
            GenerateFade(first.request, first.host, first.segments, first.random, buffer);
        EXPECT_EQ(GenerateFade(second.request, second.host, second.segments, second.random, buffer)
                      .output,
                  secondAlone);
        EXPECT_EQ(held.output, firstAlone);
    }
}
