#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// Runs tintra-fade as a script would, feeding it standard input when given.
Outcome fade(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(TINTRA_FADE), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(10000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

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
        {"chat line ignores size, italic and underline",
         {u"--chat"_s, u"-b"_s, u"-i"_s, u"-u"_s, u"--size"_s, u"7"_s, u"Hi"_s},
         {},
         R"(<FONT FACE="Comic Sans MS"><B><FONT COLOR=#FF0000>H<FONT COLOR=#800080>i)"
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

TEST(FadeCommand, RefusalsGoToStandardErrorWithExitOne)
{
    const struct
    {
        const char *name;
        QStringList arguments;
        QByteArray input;
        QByteArray errors;
    } cases[] = {
        {"empty standard input", {}, "", "Hey Man, Enter Some Text!\n"},
        {"only a line break", {}, "\n", "Hey Man, Enter Some Text!\n"},
        {"1401 letters",
         {},
         QByteArray(1401, 'x'),
         "Error: The message is too big for the textbox 2 hold.\n"},
        {"count with letters",
         {u"-m"_s, u"repeater"_s, u"-c"_s, u"five"_s, u"x"_s},
         {},
         "Not a valid number\n"},
        {"count too small",
         {u"-m"_s, u"rainbow"_s, u"--count"_s, u"1"_s, u"x"_s},
         {},
         "Not a valid fading number\n"},
        {"count not whole",
         {u"-m"_s, u"tcrepeater"_s, u"-c"_s, u"5.5"_s, u"x"_s},
         {},
         "Not a valid fading number\n"},
        {"empty count is a cancel", {u"-m"_s, u"3"_s, u"-c"_s, u""_s, u"x"_s}, {}, ""},
    };
    for (const auto &c : cases) {
        const Outcome outcome = fade(c.arguments, c.input);
        EXPECT_EQ(outcome.exitCode, 1) << c.name;
        EXPECT_TRUE(outcome.output.isEmpty()) << c.name;
        EXPECT_EQ(outcome.errors, c.errors) << c.name;
    }
}

TEST(FadeCommand, CountIsCheckedOnlyWhereAModeAsksForIt)
{
    EXPECT_EQ(fade({u"-c"_s, u"nonsense"_s, u"x"_s}).exitCode, 0);
    EXPECT_EQ(fade({u"--chat"_s, u"-m"_s, u"repeater"_s, u"-c"_s, u"0"_s, u"x"_s}).exitCode, 0);
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
        {{u"-m"_s, u"9"_s, u"x"_s}, "\"9\""},
        {{u"-1"_s, u"GG0000"_s, u"x"_s}, "GG0000"},
        {{u"-3"_s, u"#FFF"_s, u"x"_s}, "--color3"},
        {{u"--seed"_s, u"soon"_s, u"x"_s}, "soon"},
        {{u"--face"_s}, "face"},
        {{}, "UTF-8", "Hi \xFF\xFE there\n"},
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
        const QStringList arguments = {u"--seed"_s, u"7"_s, u"-m"_s, mode, u"Hello, world"_s};
        const Outcome first = fade(arguments);
        EXPECT_EQ(first.exitCode, 0);
        EXPECT_EQ(fade(arguments).output, first.output) << qPrintable(mode);
        EXPECT_NE(fade({u"--seed"_s, u"8"_s, u"-m"_s, mode, u"Hello, world"_s}).output,
                  first.output)
            << qPrintable(mode);
    }
}

TEST(FadeCommand, HelpAndVersion)
{
    for (const QString &option : {u"--help"_s, u"--help-all"_s}) {
        const Outcome help = fade({option});
        EXPECT_EQ(help.exitCode, 0) << qPrintable(option);
        EXPECT_TRUE(help.output.contains("--chat")) << qPrintable(option);
    }
    const Outcome version = fade({u"--version"_s});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.output.startsWith("tintra-fade "));
}
