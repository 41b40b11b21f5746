#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// Runs tintra-fade as a script would: standard input written from `input` or read from the file
// `from`, standard output into the file `to` when given, COLORTERM as given or else unset.
Outcome fade(const QStringList &arguments, const QByteArray &input = {},
             const QString &colorTerm = {}, const QString &from = {}, const QString &to = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"COLORTERM"_s);
    if (!colorTerm.isEmpty())
        environment.insert(u"COLORTERM"_s, colorTerm);
    process.setProcessEnvironment(environment);
    if (!from.isEmpty())
        process.setStandardInputFile(from);
    if (!to.isEmpty())
        process.setStandardOutputFile(to);
    process.start(QStringLiteral(TINTRA_FADE), arguments);
    if (from.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    EXPECT_TRUE(process.waitForFinished(20000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QStringList args(const QString &line)
{
    return line.split(u' ', Qt::SkipEmptyParts);
}

const QByteArray TooBig = "tintra-fade: Error: The message is too big for the textbox 2 hold.\n";
const QByteArray Empty = "tintra-fade: Hey Man, Enter Some Text!\n";

} // namespace

// What the command line adds to the engine: words or standard input, its breaks, the options'
// values, and the exit code and stream of each outcome. The colours themselves are the engine's.
TEST(FadeCommand, MapsArgumentsAndInputToMarkupOrARefusal)
{
    const struct
    {
        QStringList arguments;
        QByteArray input;
        int exitCode;
        QByteArray output;
        QByteArray errors = {};
    } cases[] = {
        {args(u"-f minimessage Hi"_s), {}, 0, "<#ff0000>H<#800080>i\n"},
        {args(u"-f minimessage"_s), "Hi\n", 0, "<#ff0000>H<#800080>i\n"},
        {args(u"-f MiniMessage"_s), "Hi\r\n", 0, "<#ff0000>H<#800080>i\n"},
        {args(u"-m none a  b"_s), {}, 0, "a b\n"},
        {args(u"--mode NONE"_s), "a\nb\r\nc\rd\n\n", 0, "a\r\nb\r\nc\r\nd\r\n\n"},
        {args(u"-m 8"_s), "a\n\n", 0, "a\r\n\n"},
        {args(u"-f minimessage -1 #00ff00 --color2 00FF00 -- -b"_s),
         {},
         0,
         "<#00ff00>-<#00ff00>b\n"},
        {args(u"-f minimessage -1 #0F0 -2 Navy ab"_s), {}, 0, "<#00ff00>a<#008040>b\n"},
        {args(u"-f minimessage -m stops --stops red,#00f,lime ab"_s),
         {},
         0,
         "<#ff0000>a<#0000ff>b\n"},
        {{u"-f"_s, u"minimessage"_s, u"-m"_s, u"stops"_s, u"--stops"_s, u"red, blue"_s, u"ab"_s},
         {},
         0,
         "<#ff0000>a<#800080>b\n"},
        {args(u"--read auto"_s),
         "[color=#FF0000]a[/color][color=#AA0055]b[/color][color=#5500AA]c[/color]\n", 0,
         "#FF0000,#0000FF\n"},
        // The page's sizes at both ends and the face as given.
        {args(u"-m none -w --face x'&\\]{};y --size 1 a"_s),
         {},
         0,
         "<FONT FACE=\"x'&\\]{};y\" SIZE=1><sup>a</FONT>\n"},
        {args(u"-m none -w --size 7 a"_s),
         {},
         0,
         "<FONT FACE=\"Comic Sans MS\" SIZE=7><sup>a</FONT>\n"},
        {args(u"-m none -w --size +6 a"_s),
         {},
         0,
         "<FONT FACE=\"Comic Sans MS\" SIZE=+6><sup>a</FONT>\n"},
        {args(u"-m none -w --size -6 a"_s),
         {},
         0,
         "<FONT FACE=\"Comic Sans MS\" SIZE=-6><sup>a</FONT>\n"},
        // Refusals of the engine, as exit 1 on standard error.
        {{}, "", 1, {}, Empty},
        {{}, "\n", 1, {}, Empty},
        {args(u"-m repeater -c five x"_s), {}, 1, {}, "tintra-fade: Not a valid number\n"},
        {args(u"-m rainbow -c 1 x"_s), {}, 1, {}, "tintra-fade: Not a valid fading number\n"},
        {{u"-m"_s, u"3"_s, u"-c"_s, u""_s, u"x"_s},
         {},
         1,
         {},
         "tintra-fade: the count is empty, so no fade was made\n"},
        {args(u"-c nonsense x"_s),
         {},
         0,
         "<FONT FACE=\"Comic Sans MS\" SIZE=3><FONT "
         "COLOR=\"#FF0000\">x</FONT></FONT>\n"},
        {{}, QByteArray(1401, 'x'), 1, {}, TooBig},
        {args(u"-f html --budget none"_s), QByteArray(1401, 'x'), 0, {}},
        // Over a target's limit, the spacing of codes that fits is named; --measure counts.
        {args(u"-f amp-hex"_s) << QString(100, u'x'),
         {},
         1,
         {},
         "tintra-fade: needs 900 characters, the limit is 256; try --every 6\n"},
        {args(u"-f amp-hex --every 5"_s) << QString(100, u'x'),
         {},
         1,
         {},
         "tintra-fade: needs 260 characters, the limit is 256; try --every 6\n"},
        {args(u"-f html --budget 10"_s) << QString(100, u'x'),
         {},
         1,
         {},
         "tintra-fade: needs 3666 characters, the limit is 10\n"},
        {args(u"-f irc --irc-hex --fit error"_s) << QString(300, u'x'),
         {},
         1,
         {},
         "tintra-fade: needs 2982 bytes in a line, the limit is 512; try --every 28\n"},
        {args(u"-f discord --measure Hi 👍🏽"_s), {}, 0, "36/2000 characters\n"},
        {args(u"-f pango --measure Hi"_s), {}, 0, "70 characters, no limit\n"},
        {args(u"-f irc --measure"_s) << QString(300, u'x'),
         {},
         0,
         "426/512 bytes in the longest of 1 lines\n"},
        {args(u"-f irc --irc-prefix-room 0 --measure"_s) << QString(300, u'x'),
         {},
         0,
         "326/512 bytes in the longest of 1 lines\n"},
    };
    for (const auto &c : cases) {
        const Outcome outcome = fade(c.arguments, c.input);
        const std::string name = c.arguments.join(u' ').left(60).toStdString();
        EXPECT_EQ(outcome.exitCode, c.exitCode) << name;
        if (c.exitCode == 0 && c.output.isEmpty())
            EXPECT_FALSE(outcome.output.isEmpty()) << name;
        else
            EXPECT_EQ(outcome.output, c.output) << name;
        EXPECT_EQ(outcome.errors, c.errors) << name;
    }
    // The page's limit is met exactly by 1400 letters.
    EXPECT_EQ(fade({}, QByteArray(1400, 'x')).exitCode, 0);
}

TEST(FadeCommand, UsageErrorsNameTheProblemWithExitTwo)
{
    const struct
    {
        QStringList arguments;
        const char *named;
        QByteArray input = {};
    } cases[] = {
        {args(u"--sparkle x"_s), "sparkle"},
        {args(u"-m sideways x"_s), "sideways"},
        {args(u"-m 10 x"_s), "\"10\""},
        {args(u"-m stops --stops red x"_s), "not 1"},
        {args(u"-m stops x --stops"_s) << u"red,"_s.repeated(10) + u"red"_s, "not 11"},
        {args(u"-m stops --stops red,,blue x"_s), "\"\" in --stops"},
        {args(u"-m stops --stops red,#12345g x"_s), "#12345g"},
        {args(u"--stops red,blue x"_s), "--stops goes with --mode stops"},
        {args(u"--read odt"_s), "\"odt\" for --read"},
        {args(u"--read html"_s), "no coloured letters", "<b>Hi</b>"},
        {args(u"--read auto"_s), "UTF-8", "\xFF"},
        {args(u"-1 GG0000 x"_s), "GG0000"},
        {args(u"-3 #FFFF x"_s), "--color3"},
        {{u"-1"_s, u"FF0000\n"_s, u"x"_s}, "--color1"},
        {args(u"-2 transparent x"_s), "--color2"},
        {args(u"-2 #FF000080 x"_s), "--color2"},
        {args(u"--seed soon x"_s), "soon"},
        {args(u"-f odt x"_s), "odt"},
        {args(u"--chat --format html x"_s), "--chat and --format html"},
        {args(u"-f html --ansi256 x"_s), "--ansi256"},
        {args(u"--ansi24 x"_s), "--ansi24 goes with --format ansi"},
        {args(u"-f ansi --ansi24 --ansi256 x"_s), "two colour depths"},
        {args(u"-f ansi --irc-hex x"_s), "--irc-hex"},
        {args(u"--space lab x"_s), "lab"},
        {args(u"--every 2 x"_s), "--every goes with the formats that write runs"},
        {args(u"-f irc --every 0 x"_s), "--every"},
        {args(u"-f irc --every two x"_s), "two"},
        {args(u"-f amp-hex --fit split x"_s), "--fit split goes with"},
        {args(u"-f irc --fit sideways x"_s), "sideways"},
        {args(u"-f html --fit error x"_s), "--fit needs a limit"},
        {args(u"-f discord --budget 0 x"_s), "--budget"},
        {args(u"-f discord --budget lots x"_s), "lots"},
        {args(u"-f html --irc-prefix-room 9 x"_s), "--irc-prefix-room"},
        {args(u"-f irc --irc-prefix-room -1 x"_s), "--irc-prefix-room"},
        {args(u"-f irc --irc-prefix-room 490 x"_s), "too little room"},
        {args(u"--face"_s), "face"},
        {args(u"--face a\" x"_s), "--face"},
        {args(u"--face a< x"_s), "--face"},
        {args(u"--face a> x"_s), "--face"},
        {{u"--face"_s, u"Arial\nBold"_s, u"x"_s}, "--face"},
        {args(u"--chat --face a<b x"_s), "--face"},
        {{u"--size"_s, u""_s, u"x"_s}, "--size"},
        {args(u"--size 0 x"_s), "--size"},
        {args(u"--size 8 x"_s), "--size"},
        {args(u"--size +7 x"_s), "--size"},
        {args(u"--size -7 x"_s), "--size"},
        {args(u"--size -0 x"_s), "--size"},
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

TEST(FadeCommand, SameSeedSameColours)
{
    for (const QString &mode : {u"randomize"_s, u"rainbow"_s, u"dudadodov"_s, u"twmystery"_s}) {
        const Outcome first = fade({u"--seed"_s, u"7"_s, u"-m"_s, mode, u"Hello, world"_s});
        EXPECT_EQ(first.exitCode, 0);
        EXPECT_EQ(fade({u"--seed"_s, u"7"_s, u"-m"_s, mode, u"Hello, world"_s}).output,
                  first.output)
            << qPrintable(mode);
        EXPECT_NE(fade({u"--seed"_s, u"8"_s, u"-m"_s, mode, u"Hello, world"_s}).output,
                  first.output)
            << qPrintable(mode);
    }
}

// The formats other than the page take a whole file, which goes out in blocks as it is faded,
// whatever piece boundary an emoji falls on.
TEST(FadeCommand, ColoursAWholeFileForTheTerminal)
{
    const Outcome outcome = fade({u"-f"_s, u"ansi"_s},
                                 QByteArray("Hello, 👍🏽 world\n").repeated(20000), u"24bit"_s);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output.count("\x1b[38;2;"), 14 * 20000);
    EXPECT_EQ(outcome.output.count("👍🏽"), 20000);
    EXPECT_EQ(outcome.output.count("\x1b[0m\n"), 20000);
    EXPECT_FALSE(outcome.output.contains("\xEF\xBF\xBD"));
    EXPECT_TRUE(outcome.output.startsWith("\x1b[38;2;255;0;0mH"));
}

// -f ansi writes 24-bit colour where COLORTERM says the terminal shows it, else the 256
// colours, unless an option says which.
TEST(FadeCommand, WritesTheTerminalsColourDepth)
{
    const struct
    {
        QString colorTerm;
        QString options;
        const char *red;
    } cases[] = {
        {{}, {}, "\x1b[38;5;196mH"},
        {u"truecolor"_s, {}, "\x1b[38;2;255;0;0mH"},
        {u"24bit"_s, {}, "\x1b[38;2;255;0;0mH"},
        {u"yes"_s, {}, "\x1b[38;5;196mH"},
        {u"TrueColor"_s, {}, "\x1b[38;5;196mH"},
        {{}, u"--ansi24"_s, "\x1b[38;2;255;0;0mH"},
        {u"truecolor"_s, u"--ansi256"_s, "\x1b[38;5;196mH"},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(
            fade(args(u"-f ansi Hi "_s + c.options), {}, c.colorTerm).output.startsWith(c.red))
            << qPrintable(c.colorTerm);
}

// Bytes that are not UTF-8 are refused as soon as they come, before a page is too big and
// without the rest of the input, which here never ends.
TEST(FadeCommand, RefusesBinaryInputAtOnce)
{
    std::mt19937 random(5);
    QByteArray binary(1 << 20, Qt::Uninitialized);
    for (char &byte : binary)
        byte = char(random());
    const Outcome outcome = fade({}, binary);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.output.isEmpty());
    EXPECT_TRUE(outcome.errors.startsWith("tintra-fade: standard input is not UTF-8 text\n"));
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

// A full disk fails the run whether it comes at the first block or after more than a pipe's
// worth of output, streamed or held for its count.
TEST(FadeCommand, ReadAndWriteFailuresAreNamed)
{
    QTemporaryFile big;
    ASSERT_TRUE(big.open());
    big.write(QByteArray("Hello, world\n").repeated(10000));
    big.close();
    const struct
    {
        QString arguments;
        QString from;
        QString to;
        int exitCode;
        QByteArray errors;
    } cases[] = {
        {u"Hi"_s, u"/dev/null"_s, u"/dev/full"_s, 1, "tintra-fade: write error: "},
        {u"-f bbcode Hi"_s, u"/dev/null"_s, u"/dev/full"_s, 1, "tintra-fade: write error: "},
        {u"--help"_s, u"/dev/null"_s, u"/dev/full"_s, 1, "tintra-fade: write error: "},
        {u"-f html"_s, big.fileName(), u"/dev/full"_s, 1, "tintra-fade: write error: "},
        {u"-f matrix --budget 9999999"_s, big.fileName(), u"/dev/full"_s, 1,
         "tintra-fade: write error: "},
        {{}, u"/"_s, u"/dev/null"_s, 2, "tintra-fade: cannot read standard input: "},
        // Endless input: a page stops reading once the message is certainly too big.
        {{}, u"/dev/zero"_s, u"/dev/null"_s, 1, TooBig},
    };
    for (const auto &c : cases) {
        const Outcome outcome = fade(args(c.arguments), {}, {}, c.from, c.to);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << qPrintable(c.arguments);
        EXPECT_TRUE(outcome.errors.startsWith(c.errors)) << outcome.errors.constData();
        EXPECT_GE(outcome.errors.size(), c.errors.size()) << qPrintable(c.arguments);
    }
}

// The help lists every option, and every mode and format it lists runs.
TEST(FadeCommand, HelpListsEveryOptionModeAndFormat)
{
    const Outcome help = fade({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    for (const QString &option :
         args(u"help help-all version mode color1 color2 color3 stops face size bold italic "
              "underline wave count format chat ansi24 ansi256 irc-hex every budget fit "
              "irc-prefix-room measure space seed preset list-presets save-preset read"_s))
        EXPECT_TRUE(help.output.contains(u"--%1 "_s.arg(option).toUtf8())) << qPrintable(option);
    const QString text = QString::fromUtf8(help.output);
    static const QRegularExpression listed(uR"(^  (?:\d )?([a-z-]+) )"_s,
                                           QRegularExpression::MultilineOption);
    for (const auto &[title, option, count] :
         {std::tuple {u"\nModes:\n"_s, u"-m"_s, 10}, {u"\nFormats:\n"_s, u"-f"_s, 15}}) {
        const QString section = text.section(title, 1).section(u"\n\n"_s, 0, 0);
        int runs = 0;
        for (const QRegularExpressionMatch &match : listed.globalMatch(section)) {
            EXPECT_EQ(fade({option, match.captured(1), u"x"_s}).exitCode, 0)
                << qPrintable(match.captured(1));
            ++runs;
        }
        EXPECT_EQ(runs, count) << qPrintable(title);
    }
    EXPECT_EQ(fade({u"--help-all"_s}).exitCode, 0);
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
        savers.push_back(start(args(u"-m stops --stops red,white,blue --save-preset"_s)
                               << u"Saver %1"_s.arg(saver)));
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
        {args(u"--preset Mint -f minimessage -1 black ab"_s), 0, "<#000000>a<#3eb489>b\n"},
        {args(u"--preset Nothing x"_s), 2, {}},
        {args(u"--save-preset Ocean"_s), 2, {}},
        {{u"--save-preset"_s, u" "_s}, 2, {}},
        {args(u"--save-preset Odd -c 1"_s), 2, {}},
    };
    for (const auto &c : cases) {
        const auto run = start(c.arguments);
        ASSERT_TRUE(run->waitForFinished(10000));
        EXPECT_EQ(run->exitCode(), c.exitCode) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(run->readAllStandardOutput(), c.output);
    }
}
