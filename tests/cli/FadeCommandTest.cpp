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

} // namespace

// What the command line adds to the engine: words or standard input, its breaks, the options'
// values, and the exit code and stream of each outcome, the markup on standard output (any, where
// none is given) or the problem named on standard error. The colours themselves are the engine's.
TEST(FadeCommand, MapsArgumentsAndInputToMarkupOrANamedProblem)
{
    const QByteArray x100(100, 'x'), x300(300, 'x'), x1401(1401, 'x');
    std::mt19937 random(5);
    QByteArray binary(1 << 20, Qt::Uninitialized);
    for (char &byte : binary)
        byte = char(random());
    const struct
    {
        const char *arguments; // separated by |
        QByteArray input;
        int exitCode;
        QByteArray shown;
        QString colorTerm = {};
    } cases[] = {
        {"-f|minimessage|Hi", {}, 0, "<#ff0000>H<#800080>i\n"},
        {"-f|MiniMessage", "Hi\r\n", 0, "<#ff0000>H<#800080>i\n"},
        {"-m|none|a|b", {}, 0, "a b\n"},
        {"--mode|NONE", "a\nb\r\nc\rd\n\n", 0, "a\r\nb\r\nc\r\nd\r\n\n"},
        {"-f|minimessage|-1|#00ff00|--color2|00FF00|--|-b", {}, 0, "<#00ff00>-<#00ff00>b\n"},
        {"-f|minimessage|-1|#0F0|-2|Navy|ab", {}, 0, "<#00ff00>a<#008040>b\n"},
        {"-f|minimessage|-m|stops|--stops|red,#00f,lime|ab", {}, 0, "<#ff0000>a<#0000ff>b\n"},
        {"-f|minimessage|-m|stops|--stops|red, blue|ab", {}, 0, "<#ff0000>a<#800080>b\n"},
        {"--read|auto", "[color=#FF0000]a[/color][color=#AA0055]b[/color][color=#5500AA]c[/color]",
         0, "#FF0000,#0000FF\n"},
        // The page's sizes at both ends and a face as given.
        {"-m|none|-w|--face|x'&\\]{};y|--size|1|a", "", 0,
         "<FONT FACE=\"x'&\\]{};y\" SIZE=1><sup>a</FONT>\n"},
        {"-m|none|-w|--face|F|--size|7|a", {}, 0, "<FONT FACE=\"F\" SIZE=7><sup>a</FONT>\n"},
        {"-m|none|-w|--face|F|--size|+6|a", {}, 0, "<FONT FACE=\"F\" SIZE=+6><sup>a</FONT>\n"},
        {"-m|none|-w|--face|F|--size|-6|a", {}, 0, "<FONT FACE=\"F\" SIZE=-6><sup>a</FONT>\n"},
        {"-c|nonsense|-m|none|-w|--face|F|a", {}, 0, "<FONT FACE=\"F\" SIZE=3><sup>a</FONT>\n"},
        {"-f|html|--budget|none", x1401, 0, {}},
        {"-m|stops|--stops|red,red,red,red,red,red,red,red,red,red|x", {}, 0, {}},
        {"-m|repeater|-c|500|x", {}, 0, {}},
        {"-m|repeater|-c|2|x", {}, 0, {}},
        // A seed runs on a stopped clock: its colours as SplitMix64 gives them, worked out apart.
        {"-f|minimessage|-m|randomize|--seed|7|ab", {}, 0, "<#82c0e6>a<#9cf547>b\n"},
        // -f ansi writes 24-bit colour where COLORTERM says the terminal shows it, else the 256
        // colours, unless an option says which.
        {"-f|ansi|H", {}, 0, "\x1b[38;5;196mH\x1b[0m\n"},
        {"-f|ansi|H", {}, 0, "\x1b[38;2;255;0;0mH\x1b[0m\n", u"truecolor"_s},
        {"-f|ansi|H", {}, 0, "\x1b[38;2;255;0;0mH\x1b[0m\n", u"24bit"_s},
        {"-f|ansi|H", {}, 0, "\x1b[38;5;196mH\x1b[0m\n", u"TrueColor"_s},
        {"-f|ansi|--ansi24|H", {}, 0, "\x1b[38;2;255;0;0mH\x1b[0m\n"},
        {"-f|ansi|--ansi256|H", {}, 0, "\x1b[38;5;196mH\x1b[0m\n", u"truecolor"_s},
        // The engine's refusals, with exit 1.
        {"", "", 1, "Hey Man, Enter Some Text!\n"},
        {"", "\n", 1, "Hey Man, Enter Some Text!\n"},
        {"", x1401, 1, "Error: The message is too big for the textbox 2 hold.\n"},
        {"-m|repeater|-c|five|x", {}, 1, "Not a valid number\n"},
        {"-m|rainbow|-c|1|x", {}, 1, "Not a valid fading number\n"},
        {"-m|3|-c||x", {}, 1, "the count is empty, so no fade was made\n"},
        // Over a target's limit, the spacing of codes that fits is named; --measure counts.
        {"-f|amp-hex", x100, 1, "needs 900 characters, the limit is 256; try --every 6\n"},
        {"-f|amp-hex|--every|5", x100, 1,
         "needs 260 characters, the limit is 256; try --every 6\n"},
        {"-f|html|--budget|10", x100, 1, "needs 3666 characters, the limit is 10\n"},
        {"-f|irc|--irc-hex|--fit|error", x300, 1,
         "needs 2982 bytes in a line, the limit is 512; try --every 28\n"},
        {"-f|discord|--measure|Hi 👍🏽", {}, 0, "36/2000 characters\n"},
        {"-f|pango|--measure|Hi", {}, 0, "70 characters, no limit\n"},
        {"-f|irc|--measure", x300, 0, "426/512 bytes in the longest of 1 lines\n"},
        {"-f|irc|--irc-prefix-room|0|--measure", x300, 0,
         "326/512 bytes in the longest of 1 lines\n"},
        // Usage errors, with exit 2, each naming its problem.
        {"--sparkle|x", {}, 2, "sparkle"},
        {"-m|sideways|x", {}, 2, "sideways"},
        {"-m|10|x", {}, 2, "\"10\""},
        {"-m|stops|--stops|red|x", {}, 2, "not 1"},
        {"-m|stops|--stops|red,red,red,red,red,red,red,red,red,red,red|x", {}, 2, "not 11"},
        {"-m|stops|--stops|red,,blue|x", {}, 2, "\"\" in --stops"},
        {"-m|stops|--stops|red,#12345g|x", {}, 2, "#12345g"},
        {"--stops|red,blue|x", {}, 2, "--stops goes with --mode stops"},
        {"--read|odt", {}, 2, "\"odt\" for --read"},
        {"--read|html", "<b>Hi</b>", 2, "no coloured letters"},
        {"--read|auto", "\xFF", 2, "UTF-8"},
        {"-1|GG0000|x", {}, 2, "GG0000"},
        {"-3|#FFFF|x", {}, 2, "--color3"},
        {"-1|FF0000\n|x", {}, 2, "--color1"},
        {"-2|transparent|x", {}, 2, "--color2"},
        {"-2|#FF000080|x", {}, 2, "--color2"},
        {"--seed|soon|x", {}, 2, "soon"},
        {"-f|odt|x", {}, 2, "odt"},
        {"--chat|--format|html|x", {}, 2, "--chat and --format html"},
        {"-f|html|--ansi256|x", {}, 2, "--ansi256"},
        {"--ansi24|x", {}, 2, "--ansi24 goes with --format ansi"},
        {"-f|ansi|--ansi24|--ansi256|x", {}, 2, "two colour depths"},
        {"-f|ansi|--irc-hex|x", {}, 2, "--irc-hex"},
        {"--space|lab|x", {}, 2, "lab"},
        {"--every|2|x", {}, 2, "--every goes with the formats that write runs"},
        {"-f|irc|--every|0|x", {}, 2, "--every"},
        {"-f|irc|--every|two|x", {}, 2, "two"},
        {"-f|amp-hex|--fit|split|x", {}, 2, "--fit split goes with"},
        {"-f|irc|--fit|sideways|x", {}, 2, "sideways"},
        {"-f|html|--fit|error|x", {}, 2, "--fit needs a limit"},
        {"-f|discord|--budget|0|x", {}, 2, "--budget"},
        {"-f|discord|--budget|lots|x", {}, 2, "lots"},
        {"-f|html|--irc-prefix-room|9|x", {}, 2, "--irc-prefix-room"},
        {"-f|irc|--irc-prefix-room|-1|x", {}, 2, "--irc-prefix-room"},
        {"-f|irc|--irc-prefix-room|490|x", {}, 2, "too little room"},
        {"--face", {}, 2, "face"},
        {"--face|a\"|x", {}, 2, "--face"},
        {"--face|a<|x", {}, 2, "--face"},
        {"--face|a>|x", {}, 2, "--face"},
        {"--face|Arial\nBold|x", {}, 2, "--face"},
        {"--chat|--face|a<b|x", {}, 2, "--face"},
        {"--size||x", {}, 2, "--size"},
        {"--size|0|x", {}, 2, "--size"},
        {"--size|8|x", {}, 2, "--size"},
        {"--size|+7|x", {}, 2, "--size"},
        {"--size|-7|x", {}, 2, "--size"},
        {"--size|-0|x", {}, 2, "--size"},
        {"", "Hi \xFF\xFE there\n", 2, "UTF-8"},
        // Refused as soon as it comes, before a page is too big.
        {"", binary, 2, "standard input is not UTF-8 text\n"},
    };
    for (const auto &c : cases) {
        const QString line = QString::fromUtf8(c.arguments);
        const Outcome outcome =
            fade(line.isEmpty() ? QStringList() : line.split(u'|'), c.input, c.colorTerm);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.arguments;
        if (c.exitCode == 0) {
            EXPECT_TRUE(c.shown.isEmpty() ? !outcome.output.isEmpty() : outcome.output == c.shown)
                << c.arguments << ": " << outcome.output.left(200).constData();
            EXPECT_EQ(outcome.errors, QByteArray()) << c.arguments;
        } else {
            EXPECT_EQ(outcome.output, QByteArray()) << c.arguments;
            EXPECT_TRUE(outcome.errors.startsWith("tintra-fade: ")) << c.arguments;
            EXPECT_TRUE(c.exitCode == 2 ? outcome.errors.contains(c.shown)
                                        : outcome.errors == "tintra-fade: " + c.shown)
                << outcome.errors.constData();
        }
    }
    // The page's limit is met exactly by 1400 letters.
    EXPECT_EQ(fade({}, QByteArray(1400, 'x')).exitCode, 0);
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
    const std::tuple<QString, QString, QString, int, QByteArray> cases[] = {
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
    for (const auto &[arguments, from, to, exitCode, errors] : cases) {
        const Outcome outcome = fade(args(arguments), {}, {}, from, to);
        EXPECT_EQ(outcome.exitCode, exitCode) << qPrintable(arguments);
        EXPECT_TRUE(outcome.errors.startsWith(errors)) << outcome.errors.constData();
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

    const std::tuple<QStringList, int, QByteArray> cases[] = {
        {{u"--preset"_s, u"Saver 7"_s, u"-f"_s, u"minimessage"_s, u"abc"_s},
         0,
         "<#ff0000>a<#ffffff>b<#0000ff>c\n"},
        {args(u"--preset Mint -f minimessage -1 black ab"_s), 0, "<#000000>a<#3eb489>b\n"},
        {args(u"--preset Nothing x"_s), 2, {}},
        {args(u"--save-preset Ocean"_s), 2, {}},
        {{u"--save-preset"_s, u" "_s}, 2, {}},
        {args(u"--save-preset Odd -c 1"_s), 2, {}},
    };
    for (const auto &[arguments, exitCode, output] : cases) {
        const auto run = start(arguments);
        ASSERT_TRUE(run->waitForFinished(10000));
        EXPECT_EQ(run->exitCode(), exitCode) << arguments.join(u' ').toStdString();
        EXPECT_EQ(run->readAllStandardOutput(), output);
    }
}
