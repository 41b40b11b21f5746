#include "engine/Budget.h"

#include "FadeRun.h"
#include "engine/Letters.h"
#include "engine/formats/IrcLines.h"
#include "engine/formats/ShownTurns.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

// Letters, punctuation that IRC's codes could take in, Latin-1, emoji clusters, CJK and breaks.
const QString MessageLetters =
    u"a|b|z|0|1|9| |,|&|§|#|<|>|\"|'|[|]|\\|à|é|ß|👍🏽|👨‍👩‍👧|🇫🇷|e\u0301|漢|字|\r\n"_s;

TEST(Budget, EachTargetKnowsItsLimitAndUnit)
{
    const std::tuple<OutputFormat, qsizetype, BudgetUnit, BudgetFit> cases[] = {
        {OutputFormat::AmpHex, 256, BudgetUnit::Utf16Units, BudgetFit::Error},
        {OutputFormat::Section, 256, BudgetUnit::Utf16Units, BudgetFit::Error},
        {OutputFormat::TextComponents, 256, BudgetUnit::Utf16Units, BudgetFit::Error},
        {OutputFormat::Irc, 512, BudgetUnit::Utf8Bytes, BudgetFit::Split},
        {OutputFormat::Discord, 2000, BudgetUnit::CodePoints, BudgetFit::Error},
        {OutputFormat::Matrix, 65536, BudgetUnit::Utf8Bytes, BudgetFit::Error},
    };
    // IRC counts each line with CR LF and the room kept for the prefix, here 60.
    for (const auto &[format, limit, unit, fit] : cases) {
        const std::optional<Budget> budget = TargetBudget(format, 60);
        ASSERT_TRUE(budget) << int(format);
        EXPECT_EQ(std::tuple(budget->limit, budget->unit, budget->fit,
                             budget->perLine ? budget->lineOverhead : -1),
                  std::tuple(limit, unit, fit, format == OutputFormat::Irc ? 62 : -1))
            << int(format);
    }
    for (const OutputFormat format : {OutputFormat::Page, OutputFormat::Html, OutputFormat::Pango,
                                      OutputFormat::Rtf, OutputFormat::Ansi})
        EXPECT_FALSE(TargetBudget(format));
}

TEST(Budget, CountsEachUnitAsItsTargetDoes)
{
    const QString text = u"aé漢👍🏽"_s; // 1 + 1 + 1 + 2 code points; 1 + 1 + 1 + 4 units
    EXPECT_EQ(MeasureText(text, BudgetUnit::Utf16Units), 7);
    EXPECT_EQ(MeasureText(text, BudgetUnit::CodePoints), 5);
    EXPECT_EQ(MeasureText(text, BudgetUnit::Utf8Bytes), 1 + 2 + 3 + 8);
    const Budget irc = *TargetBudget(OutputFormat::Irc);
    const BudgetCount lines = CountMarkup(u"ab\nabcd\nc"_s, irc);
    EXPECT_EQ(lines.used, 4 + 102);
    EXPECT_EQ(lines.lines, 3);
    EXPECT_EQ(BudgetUsage(lines), u"106/512 bytes in the longest of 3 lines"_s);
    const BudgetCount over {.used = 300, .limit = 256, .unit = BudgetUnit::Utf16Units};
    EXPECT_EQ(BudgetAdvice(over, 4), u"needs 300 characters, the limit is 256; try --every 4"_s);
    EXPECT_EQ(BudgetAdvice(over, 0),
              u"needs 300 characters, the limit is 256; no --every makes it fit"_s);
}

// Split IRC lines each hold at most the room, cut between letters with their codes, and read
// one after the other show the whole message in its colours and styles.
TEST(Budget, SplitIrcLinesStayWithinTheRoomAndShowTheWholeMessage)
{
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        const OutputFormat format = round % 2 ? OutputFormat::Irc : OutputFormat::IrcHex;
        FadeRun run(RandomMessage(random, MessageLetters, 300), round % 8, format);
        run.request.options.bold = round % 3 == 0;
        run.request.options.italic = round % 5 == 0;
        run.request.options.underline = round % 7 == 0;
        const QString whole = run.markup();
        const qsizetype room = 32 + round % 50;
        for (const QStringView line : QStringView(whole).tokenize(u'\n')) {
            const QStringList pieces = SplitIrcLine(line, room);
            QList<ShownTurn> turns;
            for (const QString &piece : pieces) {
                EXPECT_LE(Utf8Length(piece), room) << piece.toStdString();
                const std::optional<QList<ShownTurn>> shown = ReadShownTurns(format, piece);
                ASSERT_TRUE(shown) << piece.toStdString();
                turns += *shown;
            }
            EXPECT_EQ(turns, ReadShownTurns(format, line.toString()))
                << line.toString().toStdString();
            EXPECT_EQ(IrcCutLength(line, room),
                      pieces.size() > 1 ? pieces.front().size() : line.size());
        }
    }
}

// The generator splits IRC lines over the budget where asked and counts what it gives.
TEST(Budget, TheGeneratorSplitsIrcWithinTheLimitAndCountsIt)
{
    FadeRun run(QString(400, u'x') + u"\r\n"_s + QString(10, u'y'), FadeMode::Randomize,
                OutputFormat::Irc);
    run.request.budget = TargetBudget(OutputFormat::Irc);
    const FadeResult result = run.generate();
    ASSERT_TRUE(result.budgetCount);
    EXPECT_TRUE(result.budgetCount->fits());
    EXPECT_GT(result.budgetCount->lines, 2);
    for (const QStringView line : QStringView(*result.output).tokenize(u'\n'))
        EXPECT_LE(Utf8Length(line) + 102, 512);
    EXPECT_FALSE(result.fittingEvery);
}

// Over budget, the result names the smallest spacing of codes that fits, found with the run's
// own colours.
TEST(Budget, OverTheLimitTheSmallestEveryThatFitsIsNamed)
{
    std::mt19937 random(11);
    for (int round = 0; round < 30; ++round) {
        for (const OutputFormat format :
             {OutputFormat::AmpHex, OutputFormat::Section, OutputFormat::TextComponents,
              OutputFormat::Irc, OutputFormat::Discord, OutputFormat::Matrix}) {
            QString message = RandomMessage(random, MessageLetters, 200);
            message.remove(u'§');
            if (message.isEmpty())
                continue;
            const int mode = round % 2 ? FadeMode::Normal : FadeMode::Repeater;
            Budget budget = *TargetBudget(format);
            budget.fit = BudgetFit::Error;
            budget.limit = format == OutputFormat::Irc ? 102 + 300 : std::max(60, round * 10);
            FadeRun run(message, mode, format);
            run.request.budget = budget;
            const FadeResult result = run.generate();
            ASSERT_TRUE(result.budgetCount);
            if (result.budgetCount->fits())
                continue;
            ASSERT_TRUE(result.fittingEvery);
            const int every = *result.fittingEvery;
            if (every == 0)
                continue;
            const auto fitsWith = [&](int spacing) {
                FadeRun spaced(message, mode, format);
                spaced.request.budget = budget;
                spaced.request.every = spacing;
                return spaced.generate().budgetCount->fits();
            };
            EXPECT_TRUE(fitsWith(every)) << int(format) << ' ' << every;
            if (every > 2) {
                EXPECT_FALSE(fitsWith(every - 1)) << int(format) << ' ' << every;
            }
        }
    }
}
