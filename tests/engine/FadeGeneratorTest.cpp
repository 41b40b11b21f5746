#include "FadeRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

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

// SplitMix64 as published, written apart from RandomSource: a seed's numbers from its start or
// after its nth re-seed on a stopped clock, each the top 24 bits of a step.
class SplitMixOracle
{
public:
    explicit SplitMixOracle(quint64 seed)
        : m_seed(seed)
        , m_state(seed)
    { }
    void reseed()
    {
        quint64 start = m_seed + Golden * ++m_reseeds;
        m_state = step(start);
    }
    double next() { return double(step(m_state) >> 40) / 16777216.0; }
    // A colour of three numbers, each made a channel as the mode does.
    QString color(int (*channel)(double))
    {
        const int red = channel(next()), green = channel(next()), blue = channel(next());
        return QString::asprintf("%02X%02X%02X", red, green, blue);
    }

private:
    static constexpr quint64 Golden = 0x9E3779B97F4A7C15ULL;
    static quint64 step(quint64 &state)
    {
        quint64 z = state += Golden;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    quint64 m_seed;
    quint64 m_state;
    quint64 m_reseeds = 0;
};

} // namespace

// Repeater goes back and forth between colours 1 and 2, TCRepeater through 1, 2, 3, 2, 1, and
// TTintra fades the first half to colour 2 and the second on to colour 3.
TEST(GenerateFade, LetterColoursOfEachMode)
{
    const std::tuple<int, QString, QString, QString> cases[] = {
        {FadeMode::Repeater, u"abcdefghi"_s, u"5"_s,
         u"FF0000 BF0040 800080 4000BF 0000FF 4000BF 800080 BF0040 FF0000"_s},
        {FadeMode::TTintra, u"abcde"_s, {}, u"FF0000 800080 0000FF 008080 00FF00"_s},
        {FadeMode::TTintra, u"abcd"_s, {}, u"FF0000 800080 0000FF 008080"_s},
        {FadeMode::TTintra, u"a"_s, {}, u"FF0000"_s},
        {FadeMode::TTintra, u"a\r\nbc"_s, {}, u"FF0000 0000FF 008080"_s},
        {FadeMode::TCRepeater, u"abcde"_s, u"2"_s, u"FF0000 0000FF 00FF00 0000FF FF0000"_s},
    };
    for (const auto &[mode, message, count, colors] : cases) {
        FadeRun run(message, mode);
        run.host = RecordingHost(count.isNull() ? u"5"_s : count);
        EXPECT_EQ(letterColors(run.markup()).join(u' '), colors) << qPrintable(message);
    }
}

TEST(GenerateFade, RefusesAndCancelsWithoutTouchingTheCycle)
{
    const Notice empty {u"Hey Man, Enter Some Text!"_s, NoticeIcon::Critical, u"DUV or QY"_s};
    const Notice notANumber {u"Not a valid number"_s, NoticeIcon::Question, u"DUV or QY"_s};
    const Notice notFading {u"Not a valid fading number"_s, NoticeIcon::Question, u"DUV or QY"_s};
    using Status = FadeResult::Status;
    const std::tuple<QString, int, QString, Status, std::optional<QString>, std::optional<Notice>,
                     int>
        cases[] = {
            {{}, FadeMode::Normal, u"5"_s, Status::Refused, {}, empty, 0},
            {u"abc"_s, FadeMode::Repeater, {}, Status::Cancelled, QString(), {}, 1},
            {u"abc"_s, FadeMode::Repeater, u"five"_s, Status::Refused, QString(), notANumber, 1},
            {u"abc"_s, FadeMode::Rainbow, u"501"_s, Status::Refused, QString(), notFading, 1},
            {u"abc"_s, FadeMode::TCRepeater, u"5.5"_s, Status::Refused, QString(), notFading, 1},
        };
    for (const auto &[message, mode, count, status, output, notice, progressShown] : cases) {
        FadeRun run(message, mode);
        run.host = RecordingHost(count);
        run.segments.StageIndex = 1;
        const FadeResult result = run.generate();
        EXPECT_EQ(result.status, status) << qPrintable(message.left(9) + count);
        EXPECT_EQ(result.output, output);
        EXPECT_EQ(result.notice, notice);
        EXPECT_EQ(run.host.progressShown, progressShown);
        EXPECT_EQ(run.segments.StageIndex, 1);
    }
}

TEST(CheckCount, AcceptsWholeNumbersFromTwoToFiveHundred)
{
    using Status = CountAnswer::Status;
    const std::tuple<const char *, Status, int> cases[] = {
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
    for (const auto &[text, status, howMuch] : cases) {
        const CountAnswer answer = CheckCount(QString::fromLatin1(text));
        EXPECT_EQ(answer.status, status) << text;
        if (status == Status::Accepted) {
            EXPECT_EQ(answer.howMuch, howMuch) << text;
        }
    }
}

TEST(GenerateFade, PageMarkupFraming)
{
    // Each row: name, message, mode, styles (b, i, u and w for waving), markup.
    const std::tuple<const char *, QString, int, QByteArray, QString> cases[] = {
        {"Hi in bold", u"Hi"_s, FadeMode::Normal, "b",
         uR"(<FONT FACE="Arial" SIZE=2><B>)"_s + letter(u"FF0000"_s, u"H"_s) +
             letter(u"800080"_s, u"i"_s) + u"</B></FONT>"_s},
        {"a line break takes a turn and a step", u"A\r\nB"_s, FadeMode::Normal, "",
         page(letter(u"FF0000"_s, u"A"_s) + u"<br>"_s + letter(u"800080"_s, u"B"_s))},
        {"a lone line break", u"\r\n"_s, FadeMode::Normal, "", page(u"<br>"_s)},
        {"markup characters are not escaped", u"<&"_s, FadeMode::Normal, "",
         page(letter(u"FF0000"_s, u"<"_s) + letter(u"800080"_s, u"&"_s))},
        {"all three styles", u"x"_s, FadeMode::Normal, "biu",
         uR"(<FONT FACE="Arial" SIZE=2><B><I><U><FONT COLOR="#FF0000">x</FONT></B></I></U></FONT>)"_s},
        {"waving raises, levels, lowers and levels", u"abcd"_s, FadeMode::Normal, "w",
         page(u"<sup>"_s + letter(u"FF0000"_s, u"a"_s) + u"</sup>"_s + letter(u"BF0040"_s, u"b"_s) +
              u"<sub>"_s + letter(u"800080"_s, u"c"_s) + u"</sub>"_s +
              letter(u"4000BF"_s, u"d"_s))},
        {"waving, a break takes a turn", u"a\r\nbc"_s, FadeMode::Normal, "w",
         page(u"<sup>"_s + letter(u"FF0000"_s, u"a"_s) + u"</sup><br><sub>"_s +
              letter(u"990066"_s, u"b"_s) + u"</sub>"_s + letter(u"660099"_s, u"c"_s))},
        {"no fade, waving, ends on an open lowering tag", u"abc"_s, FadeMode::NoFade, "w",
         page(u"<sup>a</sup>b<sub>c"_s)},
        {"no fade, waving, a break keeps the phase", u"A\r\nB"_s, FadeMode::NoFade, "w",
         page(u"<sup>A<br></sup>B"_s)},
        {"no fade without waving is the message itself", u"a<b\r\nc"_s, FadeMode::NoFade, "bi",
         u"a<b\r\nc"_s},
        {"an index past the list fades nothing", u"ab"_s, 10, "", u"ab"_s},
        {"a negative index fades nothing", u"ab"_s, -1, "", u"ab"_s},
        {"combining accents stay in their letter", u"e\u0301"_s, FadeMode::Normal, "",
         page(letter(u"FF0000"_s, u"e\u0301"_s))},
    };
    for (const auto &[name, message, mode, styles, markup] : cases) {
        FadeRun run(message, mode);
        run.request.options = {u"Arial"_s,           u"2"_s,
                               styles.contains('b'), styles.contains('i'),
                               styles.contains('u'), styles.contains('w')};
        EXPECT_EQ(run.markup(), markup) << name;
        EXPECT_EQ(run.host.progressShown, 1) << name;
    }
}

// A page holds 1400 letters of at most MaximumPageUnits units in all; the other formats take
// any length.
TEST(GenerateFade, APageHoldsAtMost1400LettersAndItsUnits)
{
    const QString marked = u"e"_s + QString(15, QChar(0x301));
    const QString longest = marked.repeated(MaximumLetters);
    const QString emoji = u"👍🏽"_s.repeated(MaximumLetters);
    using Status = FadeResult::Status;
    const std::tuple<QString, int, OutputFormat, Status> cases[] = {
        {QString(1400, u'x'), FadeMode::Normal, OutputFormat::Page, Status::Done},
        {QString(1401, u'x'), FadeMode::Normal, OutputFormat::Page, Status::Refused},
        {QString(1401, u'x'), FadeMode::NoFade, OutputFormat::Page, Status::Refused},
        {emoji, FadeMode::Normal, OutputFormat::Page, Status::Done},
        {emoji + u"a"_s, FadeMode::Normal, OutputFormat::Page, Status::Refused},
        {longest, FadeMode::Normal, OutputFormat::Page, Status::Done},
        {longest + QChar(0x301), FadeMode::Normal, OutputFormat::Page, Status::Refused},
        {u"e"_s + QString(MaximumPageUnits, QChar(0x301)), FadeMode::Normal, OutputFormat::Page,
         Status::Refused},
        {longest + QChar(0x301), FadeMode::Normal, OutputFormat::ChatLine, Status::Done},
        {QString(1401, u'x'), FadeMode::Normal, OutputFormat::Html, Status::Done},
    };
    for (const auto &[message, mode, format, status] : cases) {
        const FadeResult result = FadeRun(message, mode, format).generate();
        EXPECT_EQ(result.status, status) << message.size() << ' ' << int(format);
        if (status == Status::Refused) {
            EXPECT_EQ(result.output, u"Error: The message is too big for the textbox 2 hold."_s);
        }
    }
    // The longest message stops one step short of colour 2: red 255 − 1399 × 255/1400 ≈ 0.18.
    const QStringList colors = letterColors(FadeRun(QString(1400, u'x')).markup());
    ASSERT_EQ(colors.size(), 1400);
    EXPECT_EQ(colors.first(), u"FF0000"_s);
    EXPECT_EQ(colors[700], u"800080"_s);
    EXPECT_EQ(colors.last(), u"0000FF"_s);
}

// Randomize re-seeds before each letter and rounds; the mystery modes re-seed once and set
// their bars to 0..254; Rainbow draws each new target 1..255 without re-seeding.
TEST(GenerateFade, SeededRandomModesGiveExactlyTheOraclesColours)
{
    const auto target = [](double u) {
        return int(std::floor(u * 255 + 1));
    };
    for (const quint64 seed : {0ULL, 7ULL, 0xFFFFFFFFFFFFFFFFULL}) {
        SplitMixOracle randomize(seed);
        QStringList colors;
        for (int letter = 0; letter < 4; ++letter) {
            randomize.reseed();
            colors << randomize.color([](double u) { return int(std::nearbyint(u * 255)); });
        }
        FadeRun run(u"abcd"_s, FadeMode::Randomize);
        run.random = RandomSource(seed, [] { return quint64(0); });
        EXPECT_EQ(letterColors(run.markup()), colors) << seed;

        SplitMixOracle rainbow(seed);
        FadeRun segments(u"abcd"_s, FadeMode::Rainbow);
        segments.host = RecordingHost(u"2"_s);
        segments.random = RandomSource(seed, [] { return quint64(0); });
        const QString first = rainbow.color(target);
        EXPECT_EQ(letterColors(segments.markup()),
                  (QStringList {u"FF0000"_s, u"0000FF"_s, first, rainbow.color(target)}))
            << seed;

        for (const int mode : {FadeMode::TWMystery, FadeMode::DUDadodov}) {
            SplitMixOracle mystery(seed);
            mystery.reseed();
            QList<std::pair<int, int>> bars;
            for (int which = 1; which <= (mode == FadeMode::TWMystery ? 6 : 9); ++which)
                bars.append({which, int(std::floor(mystery.next() * 255))});
            FadeRun drawn(u"abc"_s, mode);
            drawn.random = RandomSource(seed, [] { return quint64(0); });
            const QStringList shown = letterColors(drawn.markup());
            EXPECT_EQ(drawn.host.channelsSet, bars) << seed << ' ' << mode;
            EXPECT_EQ(
                shown.first(),
                QString::asprintf("%02X%02X%02X", bars[0].second, bars[1].second, bars[2].second));
        }
    }
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
