#include "FadeRun.h"
#include "engine/Letters.h"
#include "engine/MarkupBuffer.h"
#include "engine/formats/AnsiWriter.h"
#include "engine/formats/DiscordWriter.h"
#include "engine/formats/IrcWriter.h"
#include "engine/testing/ExpectedTurns.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// The formats that stream, all but the page and the chat line.
const QList<OutputFormat> StreamedFormats = AllFormats().mid(2);

// The formats of the game's colour codes, which have no escape for their section sign.
bool refusesSectionSigns(OutputFormat format)
{
    return format == OutputFormat::AmpHex || format == OutputFormat::AmpX ||
        format == OutputFormat::Section;
}

// Markup characters and tags of every format, Latin-1, emoji with modifiers, families and flags,
// and line breaks; no capital, so no letter can spell a page's colour tag.
const QString MessageLetters =
    u"a|b|z|0| |<|>|&|\"|'|[|]|\\|/|=|#|;|à|é|ß|¿|©|ÿ|e\u0301|\r\n|[b]|[/color]|<b>|<#ff0000>"
    u"|👍🏽|👨‍👩‍👧|🇫🇷|😀|&amp;|\\<|<newline>|&|&#|&x|&l|&r|§|§x|#a|\u2028|\uFEFF|,|1|`|```"_s;

QList<ColorValue> pageColors(const QString &markup)
{
    QList<ColorValue> colors;
    for (const QString &hex : letterColors(markup))
        colors << ColorOfHex6(hex);
    return colors;
}

// A fade of the run in the given format, with the same seed and colours; like a page, it shows
// its progress.
QString fadeAs(const FadeRun &page, OutputFormat format, int every = 1)
{
    FadeRun run(page.request.message, page.request.fadeMode, format);
    run.request.options = page.request.options;
    run.request.every = every;
    run.random = RandomSource(7, [] { return quint64(0); });
    const QString markup = run.markup();
    EXPECT_EQ(run.host.progressShown, 1) << int(format);
    return markup;
}

} // namespace

// Each format reads back as the page markup's letters, whole, in the page's colours; with
// every, a format that writes runs starts one only every that many letters, in the colour of
// its first. The colours a fade keeps write the same markup again, as the window's rich copy
// does.
TEST(Formats, ShowThePagesLettersInThePagesColours)
{
    std::mt19937 random(17);
    for (int round = 0; round < 60; ++round) {
        const int every = 1 + round % 4;
        for (int mode = FadeMode::Normal; mode <= FadeMode::NoFade; ++mode) {
            FadeRun page(RandomMessage(random, MessageLetters, 40), mode);
            page.random = RandomSource(7, [] { return quint64(0); });
            const FadeOptions options {u"Comic \"Sans\""_s, u"+1"_s,        round % 2 == 0,
                                       round % 3 == 0,      round % 5 == 0, round % 4 < 2};
            page.request.options = options;
            page.request.keepColors = true;
            const FadeResult kept = page.generate();
            // A message of line breaks alone keeps no colour to tell its fade from "No Fade".
            const bool rewritable = !kept.letterColors.isEmpty() || mode == FadeMode::NoFade;
            EXPECT_TRUE(!rewritable || WriteFadeAs(page.request, kept.letterColors) == kept.output);
            const QList<ColorValue> colors = pageColors(*kept.output);
            QList<ColorValue> held;
            for (qsizetype at = 0; at < colors.size(); ++at)
                held << colors[at - at % every];
            const Letters letters(page.request.message);
            for (const OutputFormat format : StreamedFormats) {
                if (refusesSectionSigns(format) && page.request.message.contains(u'§'))
                    continue;
                const QString markup = fadeAs(page, format, every);
                EXPECT_EQ(ReadShownTurns(format, markup),
                          ExpectedTurns(format, letters, WritesRuns(format) ? held : colors,
                                        options.waving))
                    << "format " << int(format) << ", mode " << mode << ", every " << every << ": "
                    << markup.toStdString();
                FadeRequest request = page.request;
                request.format = format;
                request.every = every;
                EXPECT_TRUE(!rewritable || WriteFadeAs(request, kept.letterColors) == markup)
                    << int(format) << ": " << markup.toStdString();
            }
        }
    }
}

TEST(Formats, FrameTheLettersInTheirOwnTags)
{
    const QString hi = u"H\r\n[b]"_s;
    const std::tuple<OutputFormat, int, QString, QString, QString> cases[] = {
        {OutputFormat::Html, FadeMode::Normal, u"Comic 'Sans'"_s, u"-1"_s,
         uR"(<span style="font-family:'Comic \'Sans\'';font-size:small"><b><u><sup><span style="color:#ff0000">H</span></sup><br><sub><span style="color:#aa0055">[</span></sub><span style="color:#800080">b</span><sup><span style="color:#5500aa">]</span></sup></u></b></span>)"_s},
        {OutputFormat::Html, FadeMode::NoFade, u""_s, u"x"_s,
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
    for (const auto &[format, mode, face, size, markup] : cases) {
        FadeRun run(hi, mode, format);
        run.request.options = {face, size, true, false, true, true};
        EXPECT_EQ(run.markup(), markup) << int(format);
    }
    FadeRun escaped(u"<\\"_s, FadeMode::Normal, OutputFormat::MiniMessage);
    EXPECT_EQ(escaped.markup(), u"<#ff0000>\\<<#800080>\\\\"_s);
}

// Caret notation for the control characters of IRC and terminals: ^B, ^C, ^D, ^[ and so on.
QString controls(QString text)
{
    for (char16_t c = u'\x01'; c < u' '; ++c) {
        const QChar caret[] = {u'^', QChar(c + u'@')};
        text.replace(QString(caret, 2), QString(QChar(c)));
    }
    return text;
}

// A mark of the message never starts a code with what follows it, a colour code comes once for
// each run of one colour, and in the game's codes styles follow every colour code, since it
// resets them.
TEST(Formats, KeepTheMessageOutOfTheCodes)
{
    // Each row: format, mode, red to red (so the letters make one run), bold, message, markup.
    const std::tuple<OutputFormat, int, bool, bool, QString, QString> cases[] = {
        {OutputFormat::AmpHex, FadeMode::Normal, false, false, u"R&B"_s,
         u"&#ff0000R&#aa0055&&#5500aaB"_s},
        {OutputFormat::AmpHex, FadeMode::Normal, true, true, u"&&#1\r\nx&"_s,
         u"&#ff0000&l&&#ff0000&l&&#ff0000&l#1\n&#ff0000&lx&"_s},
        {OutputFormat::AmpX, FadeMode::Normal, false, true, u"&x"_s,
         u"&x&f&f&0&0&0&0&l&&x&8&0&0&0&8&0&lx"_s},
        {OutputFormat::Section, FadeMode::Normal, true, false, u"&lb"_s, u"§x§f§f§0§0§0§0&lb"_s},
        {OutputFormat::AmpHex, FadeMode::NoFade, false, false, u"a&b&&"_s, u"a&&rb&&r&"_s},
        {OutputFormat::AmpX, FadeMode::NoFade, false, true, u"&\r\n&9"_s, u"&l&\n&l&&r&l9"_s},
        {OutputFormat::TextComponents, FadeMode::Normal, true, true,
         u"\"\\\r\n\x01\x1f\u2028\uFEFF/"_s,
         u"[\"\",{\"color\":\"#ff0000\",\"bold\":true,\"text\":\"\\\"\\\\\\n\\u0001\\u001f\\u2028\\ufeff/\"}]"_s},
        {OutputFormat::TextComponents, FadeMode::Normal, false, false, u"ab"_s,
         u"[\"\",{\"color\":\"#ff0000\",\"text\":\"a\"},{\"color\":\"#800080\",\"text\":\"b\"}]"_s},
        {OutputFormat::TextComponents, FadeMode::NoFade, false, false, u"\r\na"_s,
         u"[\"\",{\"text\":\"\\na\"}]"_s},
        {OutputFormat::Irc, FadeMode::Normal, false, true, u"a,1 b"_s,
         controls(u"^B^C04a^C40^B^B,^C511^C49 ^C48b"_s)},
        {OutputFormat::IrcHex, FadeMode::Normal, false, false, u"a,b"_s,
         controls(u"^C04^DFF0000a^C51^DAA0055^B^B,^C49^D5500AAb"_s)},
        {OutputFormat::Irc, FadeMode::Normal, true, true, u"a\r\n,b"_s,
         controls(u"^B^C04a\n^B^C04^B^B,b"_s)},
        {OutputFormat::Discord, FadeMode::Normal, false, true, u"a```b"_s,
         controls(u"```ansi\n^[[1m^[[31ma`^[[35m`^[[30m`^[[34mb^[[0m\n```"_s)},
        {OutputFormat::Discord, FadeMode::Normal, true, false, u"``\r\nb"_s,
         controls(u"```ansi\n^[[31m`^[[31m`\n^[[31mb^[[0m\n```"_s)},
        {OutputFormat::Pango, FadeMode::Normal, true, true, u"&<>\"'\r\nb"_s,
         u"<b><span "
         u"foreground=\"#ff0000\"><sup>&amp;</sup>&lt;<sub>&gt;</sub>&quot;<sup>&apos;</sup>"
         u"\n<sub>b</sub></span></b>"_s},
        {OutputFormat::Pango, FadeMode::NoFade, false, false, u"a&\r\n"_s, u"a&amp;\n"_s},
        {OutputFormat::Matrix, FadeMode::Normal, true, true, u"&<>\"\\\r\n\x01\u2028"_s,
         uR"({"msgtype":"m.text","format":"org.matrix.custom.html","formatted_body":"<b>)"
         uR"(<font color=\"#ff0000\" data-mx-color=\"#ff0000\"><sup>&amp;</sup>&lt;<sub>&gt;</sub>)"
         uR"(&quot;<sup>\\</sup><br><sub>\u0001</sub>\u2028</font></b>","body":"&<>\"\\\n\u0001\u2028"})"_s},
        {OutputFormat::Rtf, FadeMode::NoFade, false, false, u"\t\x01"_s,
         u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;}\n\\f0\\fs24 \\u9?\\u1?}"_s},
        {OutputFormat::Discord, FadeMode::NoFade, false, true, u"a``\r\nb"_s,
         controls(u"```ansi\n^[[1ma`^[[1m`\n^[[1mb^[[0m\n```"_s)},
    };
    for (const auto &[format, mode, oneColour, bold, message, markup] : cases) {
        FadeRun run(message, mode, format);
        run.host = RecordingHost(u"5"_s, Red, oneColour ? Red : Blue);
        run.request.options = {u"Arial"_s, u"3"_s, bold, false, false, mode != FadeMode::NoFade};
        EXPECT_EQ(run.markup(), markup) << message.toStdString();
    }
    // Black is a colour of its own, not the text's, also when a line break comes first.
    FadeRun black(u"\r\na"_s, FadeMode::Normal, OutputFormat::Rtf);
    black.host = RecordingHost(u"5"_s, Rgb {0, 0, 0}, Rgb {0, 0, 0});
    EXPECT_TRUE(black.markup().endsWith(u"\\par\n\\cf1 a}"_s)) << black.markup().toStdString();
    const std::pair<OutputFormat, QString> refused[] = {{OutputFormat::AmpHex, u"a§b"_s},
                                                        {OutputFormat::Section, u"§"_s}};
    for (const auto &[format, message] : refused)
        EXPECT_EQ(FadeRun(message, FadeMode::Normal, format).generate().status,
                  FadeResult::Status::Refused);
    for (const QChar control : u"\x01\x02\x03\x04\x0f\x16\x1d\x1f"_s)
        EXPECT_EQ(FadeRun(u"a"_s + control, FadeMode::NoFade, OutputFormat::Irc).generate().status,
                  FadeResult::Status::Refused);
}

// Pango's own parser takes the markup and finds the message's text in it.
TEST(Formats, PangoMarkupParsesAsTheMessage)
{
    std::mt19937 random(5);
    for (int round = 0; round < 20; ++round) {
        FadeRun run(RandomMessage(random, MessageLetters, 40), FadeMode::Normal,
                    OutputFormat::Pango);
        run.request.options = {{}, {}, true, true, true, true};
        QProcess pango;
        pango.start(QStringLiteral(TINTRA_PANGO_MARKUP_TEXT), {});
        pango.write(run.markup().toUtf8());
        pango.closeWriteChannel();
        ASSERT_TRUE(pango.waitForFinished());
        EXPECT_EQ(pango.exitCode(), 0) << pango.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(pango.readAllStandardOutput()),
                  QString(run.request.message).replace(u"\r\n"_s, u"\n"_s));
    }
}

// Backslashes and braces escaped, and letters past ASCII written as signed UTF-16 units, which
// unrtf reads back as the letters in their colours.
TEST(Formats, WriteRichTextEscapesAndLettersInTheirColours)
{
    const QString rtf = FadeRun(u"a\\{}é👍"_s, FadeMode::Normal, OutputFormat::Rtf).markup();
    EXPECT_EQ(rtf,
              uR"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;)"
              uR"(\red212\green0\blue42;\red170\green0\blue85;\red128\green0\blue128;)"
              uR"(\red85\green0\blue170;\red42\green0\blue212;})"
              u"\n"
              uR"(\f0\fs20 \cf1 a\cf2 \\\cf3 \{\cf4 \}\cf5 \u233?\cf6 \u-10179?\u-9139?})"_s);
    QProcess unrtf;
    unrtf.start(u"unrtf"_s, {u"--html"_s, u"/dev/stdin"_s});
    unrtf.write(rtf.toLatin1());
    unrtf.closeWriteChannel();
    ASSERT_TRUE(unrtf.waitForFinished());
    static const QRegularExpression colored(uR"x(<font color="#([0-9a-f]{6})">([^<]+)</font>)x"_s);
    QStringList shown;
    for (const auto &match : colored.globalMatch(QString::fromUtf8(unrtf.readAllStandardOutput())))
        shown << match.captured(1) + u' ' + match.captured(2);
    EXPECT_EQ(shown,
              QStringList({u"ff0000 a"_s, u"d4002a \\"_s, u"aa0055 {"_s, u"800080 }"_s,
                           u"5500aa &eacute;"_s, u"2a00d4 &#55357;&#56397;"_s}));
}

// A long fade streamed to a sink in blocks gives the same text as one kept whole, for the chat
// line, which asks for room only when it streams, as for the other formats, faded or not.
TEST(Formats, StreamInBlocksOfAnyLengthOfMessage)
{
    class Collected : public MarkupSink
    {
    public:
        void write(QStringView block) override { text += block; }
        QString text;
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
            EXPECT_TRUE(!sink.text.isEmpty() && sink.text + *streamed.output == whole)
                << int(format) << ' ' << mode;
        }
    }
}

// Worked out by hand from the palettes: the nearest entry by squared sRGB distance, on either
// side of the boundaries between cube levels, greys and entries; of two as near, the lower index
// or code.
TEST(Formats, PaletteColoursAreTheNearestOnEitherSideOfEachBoundary)
{
    const std::pair<Rgb, int> ansi256[] = {
        {{0, 0, 0}, 16},        {{255, 0, 0}, 196},     {{255, 255, 255}, 231},
        {{128, 128, 128}, 244}, {{95, 135, 175}, 67},   {{47, 0, 255}, 21},
        {{48, 0, 255}, 57},     {{114, 0, 255}, 57},    {{116, 0, 255}, 93},
        {{234, 0, 255}, 165},   {{236, 0, 255}, 201},   {{3, 3, 3}, 16},
        {{5, 5, 5}, 232},       {{246, 246, 246}, 255}, {{247, 247, 247}, 231},
    };
    for (const auto &[color, index] : ansi256)
        EXPECT_EQ(Palette256Index(RGB(color)), index) << index;
    const std::pair<Rgb, int> irc[] = {
        {{255, 255, 255}, 0},     {{0, 0, 0}, 1},           {{255, 0, 0}, 4},
        {{0, 0, 0x9a}, 2},        {{0x47, 0, 0}, 16},       {{0x9d, 0x91, 0}, 42},
        {{0x91, 0x45, 0x6f}, 93}, {{0x28, 0x96, 0xb5}, 46}, {{29, 29, 29}, 89},
        {{30, 30, 30}, 90},       {{217, 217, 217}, 15},    {{218, 218, 218}, 15},
        {{219, 219, 219}, 97},    {{240, 240, 240}, 97},    {{241, 241, 241}, 0},
    };
    for (const auto &[color, index] : irc)
        EXPECT_EQ(IrcColorIndex(RGB(color)), index) << index;
    const std::pair<Rgb, int> discord[] = {
        {{255, 255, 255}, 37}, {{0, 0, 0}, 30},          {{255, 0, 0}, 31},
        {{0x9d, 0x91, 0}, 32}, {{0x28, 0x96, 0xb5}, 34}, {{111, 0, 0}, 30},
        {{112, 0, 0}, 31},     {{176, 176, 176}, 35},    {{177, 177, 177}, 37},
    };
    for (const auto &[color, code] : discord)
        EXPECT_EQ(DiscordColorCode(RGB(color)), code) << code;
}

// The face with every character that could leave its place, in each format that writes it.
TEST(Formats, KeepEveryCharacterOfTheFaceInsideItsPlace)
{
    const std::pair<OutputFormat, QString> cases[] = {
        {OutputFormat::Html,
         uR"(<span style="font-family:'a&quot;\'&lt;&gt;&amp;\\[]{};b\1 ';font-size:medium">)"_s},
        {OutputFormat::BBCode, uR"([font="a'<>&\{};b"][size=3])"_s},
        {OutputFormat::Rtf, uR"({\rtf1\ansi\deff0{\fonttbl{\f0 a"'<>&\\[]\{\}b\u1?;}})"_s},
    };
    for (const auto &[format, opening] : cases) {
        FadeRun run(u"x"_s, FadeMode::Normal, format);
        run.request.options.fontFace = u"a\"'<>&\\[]{};b\x01"_s;
        run.request.options.fontSize = u"3"_s;
        EXPECT_TRUE(run.markup().startsWith(opening)) << run.markup().toStdString();
    }
}

// Sizes 1 to 7 at both ends and just outside, and steps from 3 kept within them.
TEST(Formats, WriteFontSizesOneToSevenAndNoneOutsideThem)
{
    const std::tuple<QString, QString, QString, int> cases[] = {
        {u"1"_s, u"<span style=\"font-size:x-small\">"_s, u"[size=1]"_s, 16},
        {u"7"_s, u"<span style=\"font-size:xxx-large\">"_s, u"[size=7]"_s, 72},
        {u"-1"_s, u"<span style=\"font-size:small\">"_s, u"[size=2]"_s, 20},
        {u"-2"_s, u"<span style=\"font-size:x-small\">"_s, u"[size=1]"_s, 16},
        {u"-6"_s, u"<span style=\"font-size:x-small\">"_s, u"[size=1]"_s, 16},
        {u"+4"_s, u"<span style=\"font-size:xxx-large\">"_s, u"[size=7]"_s, 72},
        {u"0"_s, u"<span>"_s, u"x"_s, 24},
        {u"8"_s, u"<span>"_s, u"x"_s, 24},
    };
    for (const auto &[size, html, bbcode, halfPoints] : cases) {
        const auto opening = [&](OutputFormat format) {
            FadeRun run(u"x"_s, FadeMode::NoFade, format);
            run.request.options.fontFace.clear();
            run.request.options.fontSize = size;
            return run.markup();
        };
        EXPECT_TRUE(opening(OutputFormat::Html).startsWith(html)) << qPrintable(size);
        EXPECT_TRUE(opening(OutputFormat::BBCode).startsWith(bbcode)) << qPrintable(size);
        EXPECT_TRUE(opening(OutputFormat::Rtf).contains(u"\\fs%1 "_s.arg(halfPoints)))
            << qPrintable(size);
    }
}
