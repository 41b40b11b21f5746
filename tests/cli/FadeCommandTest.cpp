#include "cli/FadeArguments.h"
#include "engine/FadeGenerator.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// Runs tintra-fade as a script would, feeding it standard input when given, with COLORTERM as
// given or else unset.
Outcome fade(const QStringList &arguments, const QByteArray &input = {},
             const QString &colorTerm = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"COLORTERM"_s);
    if (!colorTerm.isEmpty())
        environment.insert(u"COLORTERM"_s, colorTerm);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TINTRA_FADE), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(10000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Runs tintra-fade with its standard input and output redirected to files, as a shell does.
Outcome fadeRedirected(const QStringList &arguments, const QString &input, const QString &output)
{
    QProcess process;
    process.setStandardInputFile(input);
    process.setStandardOutputFile(output);
    process.start(QStringLiteral(TINTRA_FADE), arguments);
    EXPECT_TRUE(process.waitForFinished(10000));
    return {process.exitCode(), {}, process.readAllStandardError()};
}

const QByteArray TooBig = "tintra-fade: Error: The message is too big for the textbox 2 hold.\n";

const QByteArray HiInBold = R"(<FONT FACE="Comic Sans MS" SIZE=3><B><FONT COLOR="#FF0000">H</FONT>)"
                            R"(<FONT COLOR="#800080">i</FONT></B></FONT>)"
                            "\n";

} // namespace

TEST(FadeCommand, PrintsTheMarkupForArgumentsOrStandardInput)
{
    const struct
    {
        const char *name;
        QStringList arguments;
        QByteArray input;
        QByteArray output;
    } cases[] = {
        {"arguments", {u"-b"_s, u"Hi"_s}, {}, HiInBold},
        {"standard input, trailing LF dropped", {u"-b"_s}, "Hi\n", HiInBold},
        {"standard input, trailing CR LF dropped", {u"--bold"_s}, "Hi\r\n", HiInBold},
        {"words joined by one space", {u"-m"_s, u"none"_s, u"a"_s, u"b"_s}, {}, "a b\n"},
        {"every break becomes CR LF",
         {u"--mode"_s, u"NONE"_s},
         "a\nb\r\nc\rd\n\n",
         "a\r\nb\r\nc\r\nd\r\n\n"},
        {"only one trailing break is dropped", {u"-m"_s, u"8"_s}, "a\n\n", "a\r\n\n"},
        {"a break in a colour mode",
         {u"--face"_s, u"Arial"_s, u"--size"_s, u"2"_s},
         "A\nB",
         R"(<FONT FACE="Arial" SIZE=2><FONT COLOR="#FF0000">A</FONT><br>)"
         R"(<FONT COLOR="#800080">B</FONT></FONT>)"
         "\n"},
        {"colours with or without #, any case",
         {u"-1"_s, u"#00ff00"_s, u"--color2"_s, u"00FF00"_s, u"--"_s, u"-b"_s},
         {},
         R"(<FONT FACE="Comic Sans MS" SIZE=3><FONT COLOR="#00FF00">-</FONT>)"
         R"(<FONT COLOR="#00FF00">b</FONT></FONT>)"
         "\n"},
        {"colours as #RGB and by CSS name; a size as a step",
         {u"-1"_s, u"#0F0"_s, u"-2"_s, u"Navy"_s, u"--size"_s, u"-2"_s, u"ab"_s},
         {},
         R"(<FONT FACE="Comic Sans MS" SIZE=-2><FONT COLOR="#00FF00">a</FONT>)"
         R"(<FONT COLOR="#008040">b</FONT></FONT>)"
         "\n"},
        {"chat line ignores size, italic and underline",
         {u"--chat"_s, u"-b"_s, u"-i"_s, u"-u"_s, u"--size"_s, u"7"_s, u"Hi"_s},
         {},
         R"(<FONT FACE="Comic Sans MS"><B><FONT COLOR=#FF0000>H<FONT COLOR=#800080>i)"
         "\n"},
        {"HTML5",
         {u"-f"_s, u"html"_s, u"-b"_s, u"Hi"_s},
         {},
         R"(<span style="font-family:'Comic Sans MS';font-size:medium"><b>)"
         R"(<span style="color:#ff0000">H</span><span style="color:#800080">i</span></b></span>)"
         "\n"},
        {"BBCode",
         {u"--format"_s, u"bbcode"_s, u"Hi"_s},
         {},
         "[font=\"Comic Sans MS\"][size=3][color=#FF0000]H[/color][color=#800080]i[/color][/size]"
         "[/font]\n"},
        {"terminal colour from the 256",
         {u"-f"_s, u"ansi"_s, u"--ansi256"_s, u"-u"_s, u"Hi"_s},
         {},
         "\x1b[4m\x1b[38;5;196mH\x1b[38;5;90mi\x1b[0m\n"},
        {"MiniMessage",
         {u"-f"_s, u"MiniMessage"_s, u"a<b"_s},
         {},
         "<#ff0000>a<#aa0055>\\<<#5500aa>b\n"},
        {"the game's codes", {u"-f"_s, u"section"_s, u"-i"_s, u"H"_s}, {}, "§x§f§f§0§0§0§0§oH\n"},
        {"a code every three letters",
         {u"-f"_s, u"amp-hex"_s, u"--every"_s, u"3"_s, u"Hello"_s},
         {},
         "&#ff0000Hel&#660099lo\n"},
        {"stops read back from markup",
         {u"--read"_s, u"auto"_s},
         "[color=#FF0000]a[/color][color=#AA0055]b[/color][color=#5500AA]c[/color]\n",
         "#FF0000,#0000FF\n"},
        {"four stops, spaces after the commas",
         {u"-m"_s, u"stops"_s, u"--stops"_s, u"red, #00f,lime,FFFFFF"_s, u"-f"_s, u"minimessage"_s,
          u"abcdefg"_s},
         {},
         "<#ff0000>a<#800080>b<#0000ff>c<#008080>d<#00ff00>e<#80ff80>f<#ffffff>g\n"},
        {"a gradient through OKLab",
         {u"--space"_s, u"oklab"_s, u"Hi"_s},
         {},
         R"(<FONT FACE="Comic Sans MS" SIZE=3><FONT COLOR="#FF0000">H</FONT>)"
         R"(<FONT COLOR="#8C53A2">i</FONT></FONT>)"
         "\n"},
        {"UTF-8 in and out, one tag per letter",
         {u"-m"_s, u"ttintra"_s},
         "å👍🏽e\xCC\x81",
         R"(<FONT FACE="Comic Sans MS" SIZE=3><FONT COLOR="#FF0000">å</FONT>)"
         R"(<FONT COLOR="#0000FF">👍🏽</FONT><FONT COLOR="#00FF00">é</FONT></FONT>)"
         "\n"},
    };
    for (const auto &c : cases) {
        const Outcome outcome = fade(c.arguments, c.input);
        EXPECT_EQ(outcome.exitCode, 0) << c.name;
        EXPECT_EQ(outcome.output, c.output) << c.name;
        EXPECT_TRUE(outcome.errors.isEmpty()) << c.name;
    }
}

// Every format refuses as the page does, but only the page limits the letters and the chat line
// takes no count.
TEST(FadeCommand, RefusalsGoToStandardErrorWithExitOne)
{
    enum Refused { Always, OnAPage, WithACount };
    const struct
    {
        const char *name;
        QStringList arguments;
        QByteArray input;
        QByteArray errors;
        Refused refused = Always;
    } cases[] = {
        {"empty standard input", {}, "", "tintra-fade: Hey Man, Enter Some Text!\n"},
        {"only a line break", {}, "\n", "tintra-fade: Hey Man, Enter Some Text!\n"},
        {"1401 letters", {}, QByteArray(1401, 'x'), TooBig, OnAPage},
        {"more marks than a page holds",
         {},
         "e" + QByteArray("\xCC\x81").repeated(MaximumPageUnits),
         TooBig,
         OnAPage},
        {"count with letters",
         {u"-m"_s, u"repeater"_s, u"-c"_s, u"five"_s, u"x"_s},
         {},
         "tintra-fade: Not a valid number\n",
         WithACount},
        {"count with a line break",
         {u"-m"_s, u"3"_s, u"-c"_s, u"5\n"_s, u"x"_s},
         {},
         "tintra-fade: Not a valid number\n",
         WithACount},
        {"count too small",
         {u"-m"_s, u"rainbow"_s, u"--count"_s, u"1"_s, u"x"_s},
         {},
         "tintra-fade: Not a valid fading number\n",
         WithACount},
        {"count not whole",
         {u"-m"_s, u"tcrepeater"_s, u"-c"_s, u"5.5"_s, u"x"_s},
         {},
         "tintra-fade: Not a valid fading number\n",
         WithACount},
        {"empty count",
         {u"-m"_s, u"3"_s, u"-c"_s, u""_s, u"x"_s},
         {},
         "tintra-fade: the count is empty, so no fade was made\n",
         WithACount},
    };
    for (const QString &format :
         {u"classic"_s, u"chat"_s, u"html"_s, u"bbcode"_s, u"ansi"_s, u"minimessage"_s,
          u"amp-hex"_s, u"amp-x"_s, u"section"_s, u"mc-json"_s, u"irc"_s, u"discord"_s, u"pango"_s,
          u"matrix"_s, u"rtf"_s}) {
        for (const auto &c : cases) {
            // Without a limit, the long cases are refused only for their length as a page.
            const Outcome outcome = fade(
                QStringList {u"-f"_s, format, u"--budget"_s, u"none"_s} + c.arguments, c.input);
            const bool refused = c.refused == Always ||
                (c.refused == OnAPage && format == u"classic"_s) ||
                (c.refused == WithACount && format != u"chat"_s);
            EXPECT_EQ(outcome.exitCode, refused ? 1 : 0) << c.name << ' ' << qPrintable(format);
            EXPECT_EQ(outcome.output.isEmpty(), refused) << c.name;
            EXPECT_EQ(outcome.errors, refused ? c.errors : QByteArray()) << c.name;
        }
    }
}

TEST(FadeCommand, CountIsCheckedOnlyWhereAModeAsksForIt)
{
    EXPECT_EQ(fade({u"-c"_s, u"nonsense"_s, u"x"_s}).exitCode, 0);
    EXPECT_EQ(fade({u"-m"_s, u"repeater"_s, u"-c"_s, u"500"_s, u"x"_s}).exitCode, 0);
}

TEST(FadeCommand, UsageErrorsNameTheProblemWithExitTwo)
{
    const struct
    {
        QStringList arguments;
        const char *named;
        QByteArray input = {};
    } cases[] = {
        {{u"--sparkle"_s, u"x"_s}, "sparkle"},
        {{u"-m"_s, u"sideways"_s, u"x"_s}, "sideways"},
        {{u"-m"_s, u"10"_s, u"x"_s}, "\"10\""},
        {{u"-m"_s, u"stops"_s, u"--stops"_s, u"red"_s, u"x"_s}, "not 1"},
        {{u"-m"_s, u"stops"_s, u"--stops"_s, u"red,"_s.repeated(10) + u"red"_s, u"x"_s}, "not 11"},
        {{u"-m"_s, u"stops"_s, u"--stops"_s, u"red,,blue"_s, u"x"_s}, "\"\" in --stops"},
        {{u"-m"_s, u"stops"_s, u"--stops"_s, u"red,#12345g"_s, u"x"_s}, "#12345g"},
        {{u"--stops"_s, u"red,blue"_s, u"x"_s}, "--stops goes with --mode stops"},
        {{u"--read"_s, u"odt"_s}, "\"odt\" for --read"},
        {{u"--read"_s, u"html"_s}, "no coloured letters", "<b>Hi</b>"},
        {{u"--read"_s, u"auto"_s}, "UTF-8", "\xFF"},
        {{u"-1"_s, u"GG0000"_s, u"x"_s}, "GG0000"},
        {{u"-3"_s, u"#FFFF"_s, u"x"_s}, "--color3"},
        {{u"-1"_s, u"FF0000\n"_s, u"x"_s}, "--color1"},
        {{u"-2"_s, u"transparent"_s, u"x"_s}, "--color2"},
        {{u"-2"_s, u"#FF000080"_s, u"x"_s}, "--color2"},
        {{u"--seed"_s, u"soon"_s, u"x"_s}, "soon"},
        {{u"-f"_s, u"odt"_s, u"x"_s}, "odt"},
        {{u"--chat"_s, u"--format"_s, u"html"_s, u"x"_s}, "--chat and --format html"},
        {{u"-f"_s, u"html"_s, u"--ansi256"_s, u"x"_s}, "--ansi256"},
        {{u"--ansi24"_s, u"x"_s}, "--ansi24 goes with --format ansi"},
        {{u"-f"_s, u"ansi"_s, u"--ansi24"_s, u"--ansi256"_s, u"x"_s}, "two colour depths"},
        {{u"-f"_s, u"ansi"_s, u"--irc-hex"_s, u"x"_s}, "--irc-hex"},
        {{u"--space"_s, u"lab"_s, u"x"_s}, "lab"},
        {{u"--every"_s, u"2"_s, u"x"_s}, "--every goes with the formats that write runs"},
        {{u"-f"_s, u"html"_s, u"--every"_s, u"2"_s, u"x"_s}, "--every goes with"},
        {{u"-f"_s, u"irc"_s, u"--every"_s, u"0"_s, u"x"_s}, "--every"},
        {{u"-f"_s, u"irc"_s, u"--every"_s, u"two"_s, u"x"_s}, "two"},
        {{u"-f"_s, u"amp-hex"_s, u"--fit"_s, u"split"_s, u"x"_s}, "--fit split goes with"},
        {{u"-f"_s, u"irc"_s, u"--fit"_s, u"sideways"_s, u"x"_s}, "sideways"},
        {{u"-f"_s, u"html"_s, u"--fit"_s, u"error"_s, u"x"_s}, "--fit needs a limit"},
        {{u"-f"_s, u"discord"_s, u"--budget"_s, u"0"_s, u"x"_s}, "--budget"},
        {{u"-f"_s, u"discord"_s, u"--budget"_s, u"lots"_s, u"x"_s}, "lots"},
        {{u"-f"_s, u"html"_s, u"--irc-prefix-room"_s, u"9"_s, u"x"_s}, "--irc-prefix-room"},
        {{u"-f"_s, u"irc"_s, u"--irc-prefix-room"_s, u"-1"_s, u"x"_s}, "--irc-prefix-room"},
        {{u"-f"_s, u"irc"_s, u"--irc-prefix-room"_s, u"490"_s, u"x"_s}, "too little room"},
        {{u"--face"_s}, "face"},
        {{u"--face"_s, u"a\"><script>"_s, u"x"_s}, "--face"},
        {{u"--face"_s, u"Arial\nBold"_s, u"x"_s}, "--face"},
        {{u"--chat"_s, u"--face"_s, u"a<b"_s, u"x"_s}, "--face"},
        {{u"--size"_s, u"\"><b"_s, u"x"_s}, "--size"},
        {{u"--size"_s, u"8"_s, u"x"_s}, "--size"},
        {{u"--size"_s, u"+7"_s, u"x"_s}, "--size"},
        {{u"--size"_s, u"-0"_s, u"x"_s}, "--size"},
        {{u"--size"_s, u""_s, u"x"_s}, "--size"},
        {{}, "UTF-8", "Hi \xFF\xFE there\n"},
        {{u"--chat"_s}, "UTF-8", "ab\xE2\x82"},
        {{}, "UTF-8", "\xED\xA0\x80"},
    };
    for (const auto &c : cases) {
        const Outcome outcome = fade(c.arguments, c.input);
        EXPECT_EQ(outcome.exitCode, 2) << c.named;
        EXPECT_TRUE(outcome.output.isEmpty()) << c.named;
        EXPECT_TRUE(outcome.errors.contains(c.named)) << outcome.errors.constData();
    }
}

// Over its target's limit, markup is refused with the spacing of codes that fits; IRC is split
// into lines within it; --measure gives the length instead.
TEST(FadeCommand, KeepsEachTargetWithinItsLimit)
{
    const QString hundred = QString(100, u'x');
    const Outcome over = fade({u"-f"_s, u"amp-hex"_s, hundred});
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_TRUE(over.output.isEmpty());
    EXPECT_TRUE(over.errors.startsWith("tintra-fade: needs 900 characters, the limit is 256; "
                                       "try --every "))
        << over.errors.constData();
    const QByteArray every = over.errors.sliced(over.errors.lastIndexOf(' ') + 1).trimmed();
    const Outcome fitted =
        fade({u"-f"_s, u"amp-hex"_s, u"--every"_s, QString::fromUtf8(every), hundred});
    EXPECT_EQ(fitted.exitCode, 0);
    EXPECT_LE(fitted.output.trimmed().size(), 256);
    const Outcome closer =
        fade({u"-f"_s, u"amp-hex"_s, u"--every"_s, QString::number(every.toInt() - 1), hundred});
    EXPECT_EQ(closer.exitCode, 1);
    EXPECT_EQ(fade({u"-f"_s, u"amp-hex"_s, u"--budget"_s, u"none"_s, hundred}).exitCode, 0);
    EXPECT_EQ(fade({u"-f"_s, u"mc-json"_s, u"--budget"_s, u"5000"_s, hundred}).exitCode, 0);
    EXPECT_EQ(fade({u"-f"_s, u"html"_s, u"--budget"_s, u"10"_s, hundred}).errors,
              "tintra-fade: needs 3666 characters, the limit is 10\n");

    const Outcome measured = fade({u"-f"_s, u"discord"_s, u"--measure"_s, u"Hi 👍🏽"_s});
    EXPECT_EQ(measured.exitCode, 0);
    EXPECT_EQ(measured.output, "36/2000 characters\n");
    EXPECT_EQ(fade({u"-f"_s, u"amp-hex"_s, u"--measure"_s, hundred}).output,
              "900/256 characters\n");
    EXPECT_EQ(fade({u"-f"_s, u"pango"_s, u"--measure"_s, u"Hi"_s}).output,
              "70 characters, no limit\n");

    const QString long_ = QString(300, u'x') + u"é"_s.repeated(100);
    const Outcome split = fade({u"-f"_s, u"irc"_s, u"-m"_s, u"randomize"_s, long_});
    EXPECT_EQ(split.exitCode, 0);
    const QList<QByteArray> lines = split.output.trimmed().split('\n');
    EXPECT_GT(lines.size(), 2);
    for (const QByteArray &line : lines)
        EXPECT_LE(line.size() + 2 + 100, 512) << line.constData();
    const Outcome roomy =
        fade({u"-f"_s, u"irc"_s, u"--irc-prefix-room"_s, u"0"_s, u"-m"_s, u"randomize"_s, long_});
    EXPECT_LT(roomy.output.trimmed().split('\n').size(), lines.size());
    const Outcome refused = fade(
        {u"-f"_s, u"irc"_s, u"-m"_s, u"randomize"_s, u"--fit"_s, u"error"_s, QString(300, u'x')});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errors.contains("bytes in a line, the limit is 512; try --every "))
        << refused.errors.constData();
    EXPECT_TRUE(fade({u"-f"_s, u"irc"_s, u"--fit"_s, u"error"_s, long_})
                    .errors.endsWith("; no --every makes it fit\n"));
    EXPECT_TRUE(fade({u"-f"_s, u"irc"_s, u"--measure"_s, long_})
                    .output.contains("/512 bytes in the longest of "));
}

TEST(FadeCommand, SameSeedSameColours)
{
    for (const QString &mode : {u"randomize"_s, u"rainbow"_s, u"dudadodov"_s, u"twmystery"_s}) {
        const QStringList arguments = {u"--seed"_s, u"7"_s, u"-m"_s, mode, u"Hello, world"_s};
        const Outcome first = fade(arguments);
        EXPECT_EQ(first.exitCode, 0);
        EXPECT_EQ(fade(arguments).output, first.output) << qPrintable(mode);
        EXPECT_NE(fade({u"--seed"_s, u"8"_s, u"-m"_s, mode, u"Hello, world"_s}).output,
                  first.output)
            << qPrintable(mode);
    }
}

// The formats other than the page take a whole file, which goes out in blocks as it is faded.
TEST(FadeCommand, ColoursAWholeFileForTheTerminal)
{
    const Outcome outcome =
        fade({u"-f"_s, u"ansi"_s}, QByteArray("Hello, world\n").repeated(20000), u"24bit"_s);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output.count("\x1b[38;2;"), 12 * 20000);
    EXPECT_EQ(outcome.output.count("\x1b[0m\n"), 20000);
    EXPECT_TRUE(outcome.output.startsWith("\x1b[38;2;255;0;0mH"));
    EXPECT_TRUE(outcome.output.endsWith("d\x1b[0m\n"));
}

// -f ansi writes 24-bit colour where COLORTERM says the terminal shows it, else the 256
// colours, unless an option says which.
TEST(FadeCommand, WritesTheTerminalsColourDepth)
{
    const struct
    {
        QString colorTerm;
        QStringList options;
        const char *red;
    } cases[] = {
        {{}, {}, "\x1b[38;5;196mH"},
        {u"truecolor"_s, {}, "\x1b[38;2;255;0;0mH"},
        {u"24bit"_s, {}, "\x1b[38;2;255;0;0mH"},
        {u"yes"_s, {}, "\x1b[38;5;196mH"},
        {u"TrueColor"_s, {}, "\x1b[38;5;196mH"},
        {{}, {u"--ansi24"_s}, "\x1b[38;2;255;0;0mH"},
        {u"truecolor"_s, {u"--ansi256"_s}, "\x1b[38;5;196mH"},
    };
    for (const auto &c : cases) {
        const Outcome outcome = fade(
            QStringList {u"-f"_s, u"ansi"_s} + c.options + QStringList {u"Hi"_s}, {}, c.colorTerm);
        EXPECT_TRUE(outcome.output.startsWith(c.red)) << qPrintable(c.colorTerm);
    }
}

// A long chat line goes out in blocks as it is faded, byte for byte the line the engine makes
// whole of the message with its line breaks, whether CR, LF or CR LF, as the CR LF of a window.
TEST(FadeCommand, WritesALongChatLineAsTheEngineMakesItWhole)
{
    const QStringList options = {u"--chat"_s, u"-m"_s, u"rainbow"_s, u"--seed"_s, u"7"_s};
    const QString breaks[] = {u"\n"_s, u"\r"_s, u"\r\n"_s};
    QString input = u"å👍🏽 e\u0301 0"_s;
    QString message = input;
    for (int line = 1; line < 10000; ++line) {
        const QString text = u"å👍🏽 e\u0301 %1"_s.arg(line);
        input += breaks[line % 3] + text;
        message += u"\r\n"_s + text;
    }
    FadeArguments arguments;
    ASSERT_EQ(arguments.parse(QStringList {u"tintra-fade"_s} + options),
              FadeArguments::Action::Fade);
    FadeJob job = arguments.job();
    job.request.message = message;
    PlainFadeHost host(job.colors[0], job.colors[1], job.colors[2], job.count);
    SegmentState segments;
    RandomSource random(*job.seed, [] { return quint64(0); });
    const FadeResult whole = GenerateFade(job.request, host, segments, random);

    const Outcome outcome = fade(options, input.toUtf8());
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_GT(outcome.output.size(), 1 << 20);
    // Compared whole, so that a failure does not print megabytes.
    EXPECT_TRUE(outcome.output == whole.output->toUtf8() + '\n');
}

// Bytes that are not UTF-8 are refused as soon as they come, before a page is too big and
// without the rest of the input, which here never ends.
TEST(FadeCommand, RefusesBinaryInputAtOnce)
{
    std::mt19937 random(5);
    QByteArray binary(1 << 20, Qt::Uninitialized);
    for (char &byte : binary)
        byte = char(random());
    QProcess process;
    process.start(QStringLiteral(TINTRA_FADE), {});
    process.write(binary);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(process.readAllStandardError().startsWith(
        "tintra-fade: standard input is not UTF-8 text\n"));
}

TEST(FadeCommand, AnArgumentThatIsNotUtf8IsAUsageError)
{
    QProcess process;
    // QProcess takes its arguments as text, so the shell hands over the raw bytes.
    process.start(
        u"/bin/sh"_s,
        {u"-c"_s, uR"sh("$0" -m none "$(printf 'a\377b')")sh"_s, QStringLiteral(TINTRA_FADE)});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(process.readAllStandardError().contains("argument 3 is not UTF-8"));
}

TEST(FadeCommand, ReadAndWriteFailuresAreNamed)
{
    const struct
    {
        const char *name;
        QStringList arguments;
        QString input;
        QString output;
        int exitCode;
        QByteArray errors;
    } cases[] = {
        {"markup to a full disk",
         {u"Hi"_s},
         u"/dev/null"_s,
         u"/dev/full"_s,
         1,
         "tintra-fade: write error: "},
        {"a streamed fade to a full disk",
         {u"-f"_s, u"bbcode"_s, u"Hi"_s},
         u"/dev/null"_s,
         u"/dev/full"_s,
         1,
         "tintra-fade: write error: "},
        {"help to a full disk",
         {u"--help"_s},
         u"/dev/null"_s,
         u"/dev/full"_s,
         1,
         "tintra-fade: write error: "},
        {"a folder as input",
         {},
         u"/"_s,
         u"/dev/null"_s,
         2,
         "tintra-fade: cannot read standard input: "},
        // Endless input: a page stops reading once the message is certainly too big.
        {"endless input", {}, u"/dev/zero"_s, u"/dev/null"_s, 1, TooBig},
    };
    for (const auto &c : cases) {
        const Outcome outcome = fadeRedirected(c.arguments, c.input, c.output);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.name;
        EXPECT_TRUE(outcome.errors.startsWith(c.errors)) << outcome.errors.constData();
        EXPECT_GT(outcome.errors.size(), c.errors.size() - 1) << c.name;
    }
}

TEST(FadeCommand, HelpAndVersion)
{
    for (const QString &option : {u"--help"_s, u"--help-all"_s}) {
        const Outcome help = fade({option});
        EXPECT_EQ(help.exitCode, 0) << qPrintable(option);
        EXPECT_TRUE(help.output.contains("--chat")) << qPrintable(option);
    }
    const Outcome help = fade({u"--help"_s});
    for (const char *shown : {"--chat",
                              "--ansi256",
                              "--irc-hex",
                              "--every",
                              "--budget",
                              "--fit",
                              "--irc-prefix-room",
                              "--measure",
                              "256 characters",
                              "512 bytes",
                              "2000 characters",
                              "65536 bytes",
                              "default FF0000",
                              "default 0000FF",
                              "default 00FF00",
                              "default Comic Sans MS",
                              "default 3",
                              "default 5",
                              "2-500",
                              "1-7",
                              "#RGB",
                              "Exit codes:",
                              "  2  a usage error"})
        EXPECT_TRUE(help.output.contains(shown)) << shown;
    for (const char *item :
         {"0 normal",     "1 rainbow",    "2 randomize",  "3 repeater",   "4 ttintra",
          "5 dudadodov",  "6 tcrepeater", "7 twmystery",  "8 none",       "\n  classic ",
          "\n  chat ",    "\n  html ",    "\n  bbcode ",  "\n  ansi ",    "\n  minimessage ",
          "\n  amp-hex ", "\n  amp-x ",   "\n  section ", "\n  mc-json ", "\n  irc ",
          "\n  discord ", "\n  pango ",   "\n  matrix ",  "\n  rtf "})
        EXPECT_TRUE(help.output.contains(item)) << item;
    const Outcome version = fade({u"--version"_s});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.output.startsWith("tintra-fade "));
}

// Saved presets go to the configuration folder, which twenty programs saving at once share
// without losing a save; a preset's settings come before the options given beside it.
TEST(FadeCommand, SavesListsAndFadesWithPresets)
{
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, config.path());
    const auto start = [&](const QStringList &arguments) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(TINTRA_FADE), arguments);
        process->closeWriteChannel();
        return process;
    };
    std::vector<std::unique_ptr<QProcess>> savers;
    for (int saver = 0; saver < 20; ++saver)
        savers.push_back(start({u"-m"_s, u"stops"_s, u"--stops"_s, u"red,white,blue"_s,
                                u"--save-preset"_s, u"Saver %1"_s.arg(saver)}));
    for (const auto &saver : savers) {
        ASSERT_TRUE(saver->waitForFinished(20000));
        EXPECT_EQ(saver->exitCode(), 0) << saver->readAllStandardError().constData();
    }
    const auto list = start({u"--list-presets"_s});
    ASSERT_TRUE(list->waitForFinished(10000));
    const QList<QByteArray> lines = list->readAllStandardOutput().split('\n');
    EXPECT_EQ(lines.size(), 6 + 20 + 1);
    EXPECT_TRUE(lines.contains("Saver 19\tstops\t#FF0000,#FFFFFF,#0000FF"));

    const struct
    {
        QStringList arguments;
        int exitCode;
        QByteArray output;
    } cases[] = {
        {{u"--preset"_s, u"Saver 7"_s, u"-f"_s, u"minimessage"_s, u"abc"_s},
         0,
         "<#ff0000>a<#ffffff>b<#0000ff>c\n"},
        {{u"--preset"_s, u"Mint"_s, u"-f"_s, u"minimessage"_s, u"-1"_s, u"black"_s, u"ab"_s},
         0,
         "<#000000>a<#3eb489>b\n"},
        {{u"--preset"_s, u"Nothing"_s, u"x"_s}, 2, {}},
        {{u"--save-preset"_s, u"Ocean"_s}, 2, {}},
        {{u"--save-preset"_s, u" "_s}, 2, {}},
        {{u"--save-preset"_s, u"Odd"_s, u"-c"_s, u"1"_s}, 2, {}},
    };
    for (const auto &c : cases) {
        const auto run = start(c.arguments);
        ASSERT_TRUE(run->waitForFinished(10000));
        EXPECT_EQ(run->exitCode(), c.exitCode) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(run->readAllStandardOutput(), c.output);
    }
}
