#include "engine/Budget.h"

#include "engine/FadeGenerator.h"
#include "engine/formats/IrcLines.h"

using namespace Qt::StringLiterals;

std::optional<Budget> TargetBudget(OutputFormat format, qsizetype ircPrefixRoom)
{
    switch (format) {
    case OutputFormat::AmpHex:
    case OutputFormat::AmpX:
    case OutputFormat::Section:
    case OutputFormat::TextComponents:
        return Budget {.limit = 256, .unit = BudgetUnit::Utf16Units};
    case OutputFormat::Irc:
    case OutputFormat::IrcHex:
        return Budget {.limit = IrcLineBytes,
                       .unit = BudgetUnit::Utf8Bytes,
                       .perLine = true,
                       .lineOverhead = 2 + ircPrefixRoom,
                       .fit = BudgetFit::Split};
    case OutputFormat::Discord:
        return Budget {.limit = 2000, .unit = BudgetUnit::CodePoints};
    case OutputFormat::Matrix:
        return Budget {.limit = 65536, .unit = BudgetUnit::Utf8Bytes};
    default:
        return std::nullopt;
    }
}

BudgetUnit TargetUnit(OutputFormat format)
{
    const std::optional<Budget> budget = TargetBudget(format);
    return budget ? budget->unit : BudgetUnit::CodePoints;
}

qsizetype MeasureText(QStringView text, BudgetUnit unit)
{
    switch (unit) {
    case BudgetUnit::Utf16Units:
        return text.size();
    case BudgetUnit::Utf8Bytes:
        return Utf8Length(text);
    case BudgetUnit::CodePoints:
        break;
    }
    qsizetype lowSurrogates = 0;
    for (const QChar c : text)
        lowSurrogates += c.isLowSurrogate() ? 1 : 0;
    return text.size() - lowSurrogates;
}

BudgetCount CountMarkup(QStringView markup, const Budget &budget)
{
    BudgetCount count {0, budget.limit, budget.unit, 1, budget.perLine};
    if (!budget.perLine) {
        count.used = MeasureText(markup, budget.unit);
        return count;
    }
    count.lines = 0;
    for (const QStringView line : markup.tokenize(u'\n')) {
        count.used = std::max(count.used, MeasureText(line, budget.unit) + budget.lineOverhead);
        ++count.lines;
    }
    return count;
}

QString UnitName(BudgetUnit unit)
{
    return unit == BudgetUnit::Utf8Bytes ? u"bytes"_s : u"characters"_s;
}

QString BudgetUsage(const BudgetCount &count)
{
    QString usage = u"%1/%2 %3"_s.arg(count.used).arg(count.limit).arg(UnitName(count.unit));
    if (count.perLine)
        usage += u" in the longest of %1 lines"_s.arg(count.lines);
    return usage;
}

QString BudgetAdvice(const BudgetCount &count, std::optional<int> every)
{
    QString advice = u"needs %1 %2%3, the limit is %4"_s.arg(count.used)
                         .arg(UnitName(count.unit), count.perLine ? u" in a line"_s : QString())
                         .arg(count.limit);
    if (every == 0)
        advice += u"; no --every makes it fit"_s;
    else if (every)
        advice += u"; try --every %1"_s.arg(*every);
    return advice;
}
