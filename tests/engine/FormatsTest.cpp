#include "FadeRun.h"
#include "engine/AnsiWriter.h"
#include "engine/Letters.h"
#include "engine/MarkupBuffer.h"
#include "engine/testing/ShownTurns.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr OutputFormat StreamedFormats[] = {OutputFormat::Html, OutputFormat::BBCode,
                                            OutputFormat::Ansi, OutputFormat::Ansi256,
                                            OutputFormat::MiniMessage};

// Markup characters and tags of every format, Latin-1, emoji with modifiers, families and flags,
// and line breaks; no capital, so no letter can spell a page's colour tag.
QString randomMessage(std::mt19937 &random)
{
    static const QStringList letters =
        u"a|b|z|0| "
        u"|<|>|&|\"|'|[|]|\\|/"
        u"|=|#|;|à|é|ß|¿|©|ÿ|👍🏽|👨‍👩‍👧|🇫🇷|😀|e\u0301|\r\n|[b]|[/"
        u"color]|"
        u"<b>|<#ff0000>|&amp;|\\<|<newline>"_s.split(u'|');
    QString message;
    for (int length = std::uniform_int_distribution(1, 40)(random); length > 0; --length)
        message += letters[std::uniform_int_distribution<qsizetype>(0, letters.size() - 1)(random)];
    return message;
}

QList<ColorValue> pageColors(const QString &markup)
{
    QList<ColorValue> colors;
    for (const QString &hex : letterColors(markup))
        colors << ColorOfHex6(hex);
    return colors;
}

// A fade of the run in the given format, with the same seed and colours.
QString fadeAs(const FadeRun &page, OutputFormat format)
{
    FadeRun run(page.request.message, page.request.fadeMode, format);
    run.request.options = page.request.options;
    run.random = RandomSource(7, [] { return quint64(0); });
    return run.markup();
}

} // namespace

// Each format reads back as the page markup's letters, whole, in the page's colours.
TEST(Formats, ShowThePagesLettersInThePagesColours)
{
    std::mt19937 random(17);
    for (int round = 0; round < 60; ++round) {
        for (int mode = FadeMode::Normal; mode <= FadeMode::NoFade; ++mode) {
            FadeRun page(randomMessage(random), mode);
            page.random = RandomSource(7, [] { return quint64(0); });
            const FadeOptions options {u"Comic \"Sans\""_s, u"+1"_s,        round % 2 == 0,
                                       round % 3 == 0,      round % 5 == 0, round % 4 < 2};
            page.request.options = options;
            const QList<ColorValue> colors = pageColors(page.markup());
            const Letters letters(page.request.message);
            for (const OutputFormat format : StreamedFormats) {
                const QString markup = fadeAs(page, format);
                EXPECT_EQ(ReadShownTurns(format, markup),
                          ExpectedTurns(format, letters, colors, options.waving))
                    << "format " << int(format) << ", mode " << mode << ": "
                    << markup.toStdString();
            }
        }
    }
}

TEST(Formats, FrameTheLettersInTheirOwnTags)
{
    const QString hi = u"H\r\n[b]"_s;
    const struct
    {
        OutputFormat format;
        int mode;
        QString face;
        QString size;
        QString markup;
    } cases[] = {
        {OutputFormat::Html, FadeMode::Normal, u"Comic 'Sans'"_s, u"-1"_s,
         uR"(<span style="font-family:'Comic \'Sans\'';font-size:small"><b><u><sup><span style="color:#ff0000">H</span></sup><br><sub><span style="color:#aa0055">[</span></sub><span style="color:#800080">b</span><sup><span style="color:#5500aa">]</span></sup></u></b></span>)"_s},
        {OutputFormat::Html,
         FadeMode::NoFade,
         {},
         u"x"_s,
         u"<span><b><u><sup>H</sup><br>[<sub>b</sub>]</u></b></span>"_s},
        {OutputFormat::BBCode, FadeMode::Normal, u"Ar[ia]l"_s, u"+6"_s,
         u"[font=Arial][size=7][b][u][color=#FF0000]H[/color]\n[color=#AA0055][[/color]"
         u"[color=#800080]b[/color][color=#5500AA]][/color][/u][/b][/size][/font]"_s},
        {OutputFormat::BBCode, FadeMode::NoFade, {}, {}, u"[b][u]H\n[[b][/b]b][/u][/b]"_s},
        {OutputFormat::Ansi, FadeMode::Normal, u"Arial"_s, u"3"_s,
         u"\x1b[1;4m\x1b[38;2;255;0;0mH\x1b[0m\n\x1b[1;4m\x1b[38;2;170;0;85m["
         u"\x1b[38;2;128;0;128mb\x1b[38;2;85;0;170m]\x1b[0m"_s},
        {OutputFormat::Ansi256, FadeMode::Normal, u"Arial"_s, u"3"_s,
         u"\x1b[1;4m\x1b[38;5;196mH\x1b[0m\n\x1b[1;4m\x1b[38;5;125m[\x1b[38;5;90mb"
         u"\x1b[38;5;55m]\x1b[0m"_s},
        {OutputFormat::MiniMessage, FadeMode::Normal, u"Arial"_s, u"3"_s,
         u"<b><u><#ff0000>H<newline><#aa0055>[<#800080>b<#5500aa>]"_s},
    };
    for (const auto &c : cases) {
        FadeRun run(hi, c.mode, c.format);
        run.request.options = {c.face, c.size, true, false, true, true};
        EXPECT_EQ(run.markup(), c.markup) << int(c.format);
    }
    FadeRun escaped(u"<\\"_s, FadeMode::Normal, OutputFormat::MiniMessage);
    EXPECT_EQ(escaped.markup(), u"<#ff0000>\\<<#800080>\\\\"_s);
}

// Only a page limits the letters; only a chat line takes no count and shows no progress.
TEST(Formats, LimitCountAndRefuseAsTheirWindowsDo)
{
    const OutputFormat formats[] = {OutputFormat::Page, OutputFormat::ChatLine, OutputFormat::Html,
                                    OutputFormat::MiniMessage};
    for (const OutputFormat format : formats) {
        const bool page = format == OutputFormat::Page, chat = format == OutputFormat::ChatLine;
        FadeRun longRun(QString(MaximumLetters + 1, u'x'), FadeMode::Repeater, format);
        EXPECT_EQ(longRun.generate().status,
                  page ? FadeResult::Status::Refused : FadeResult::Status::Done);
        EXPECT_EQ(longRun.host.countBoxes.size(), page || chat ? 0 : 1);
        EXPECT_EQ(longRun.host.progressShown, page || chat ? 0 : 1);
        FadeRun badCount(u"abc"_s, FadeMode::Rainbow, format);
        badCount.host = RecordingHost(u"1"_s);
        EXPECT_EQ(badCount.generate().status,
                  chat ? FadeResult::Status::Done : FadeResult::Status::Refused);
        FadeRun empty(QString(), FadeMode::Normal, format);
        EXPECT_EQ(empty.generate().notice->text, u"Hey Man, Enter Some Text!"_s);
    }
}

// A long fade streamed to a sink in blocks gives the same text as one kept whole, for the chat
// line, which asks for room only when it streams, as for the other formats, faded or not.
TEST(Formats, StreamInBlocksOfAnyLengthOfMessage)
{
    class Collected : public MarkupSink
    {
    public:
        void write(QStringView block) override
        {
            text += block;
            ++blocks;
        }
        QString text;
        int blocks = 0;
    };
    const QString message = u"a👍🏽\r\n"_s.repeated(40000);
    for (const OutputFormat format : {OutputFormat::ChatLine, OutputFormat::Ansi}) {
        for (const int mode : {FadeMode::Normal, FadeMode::NoFade}) {
            FadeRun run(message, mode, format);
            run.request.options.waving = true;
            const QString whole = run.markup();
            Collected sink;
            MarkupBuffer buffer;
            buffer.streamTo(&sink);
            const FadeResult streamed =
                GenerateFade(run.request, run.host, run.segments, run.random, buffer);
            EXPECT_GT(sink.blocks, 1) << int(format) << ' ' << mode;
            EXPECT_TRUE(sink.text + *streamed.output == whole) << int(format) << ' ' << mode;
        }
    }
}

TEST(Formats, APaletteColourIsTheNearestOfCubeAndGreys)
{
    const std::pair<Rgb, int> cases[] = {
        {{0, 0, 0}, 16},        {{255, 0, 0}, 196},   {{255, 255, 255}, 231},
        {{128, 128, 128}, 244}, {{95, 135, 175}, 67}, {{8, 8, 8}, 232},
    };
    for (const auto &[color, index] : cases)
        EXPECT_EQ(Palette256Index(RGB(color)), index) << index;
}
