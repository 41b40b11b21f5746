#pragma once

#include <QString>
#include <QStringView>

#include <optional>

enum class OutputFormat;

// What a target counts: Minecraft counts UTF-16 units, as Java's String.length() does; Discord's
// API counts code points (it runs on Python 3); IRC and Matrix count the bytes of UTF-8.
enum class BudgetUnit { Utf16Units, CodePoints, Utf8Bytes };

// What to do with markup over its budget: report it with the smallest --every that fits, or,
// for IRC, send it as several lines, each within the limit.
enum class BudgetFit { Error, Split };

inline constexpr qsizetype DefaultIrcPrefixRoom = 100;
// An IRC line, as the server passes it on, holds at most this many bytes with its CR LF.
inline constexpr qsizetype IrcLineBytes = 512;

// The length limit of a target. A budget per line (IRC) holds each line of the markup as it goes
// out, with lineOverhead added for what goes with it (CR LF and the sender's prefix).
struct Budget
{
    qsizetype limit = 0;
    BudgetUnit unit = BudgetUnit::CodePoints;
    bool perLine = false;
    qsizetype lineOverhead = 0;
    BudgetFit fit = BudgetFit::Error;
};

// The budget of a format's usual target, if it has one: amp-hex, amp-x, section and mc-json the
// game's chat line of 256 UTF-16 units; irc 512 bytes a line with CR LF and prefixRoom bytes for
// the prefix the server puts in front (split by default); discord 2,000 code points; matrix the
// 65,536 bytes of an event.
std::optional<Budget> TargetBudget(OutputFormat format,
                                   qsizetype ircPrefixRoom = DefaultIrcPrefixRoom);

// The unit a format's length is counted in, also where it has no budget of its own (code points
// for the formats without a target).
BudgetUnit TargetUnit(OutputFormat format);

// The length of text in unit.
qsizetype MeasureText(QStringView text, BudgetUnit unit);

// The length of markup against a budget: for a budget per line, that of its longest line with
// the overhead.
struct BudgetCount
{
    qsizetype used = 0;
    qsizetype limit = 0;
    BudgetUnit unit = BudgetUnit::CodePoints;
    qsizetype lines = 1;
    bool perLine = false;

    bool fits() const { return used <= limit; }
};

BudgetCount CountMarkup(QStringView markup, const Budget &budget);

// "characters" or "bytes".
QString UnitName(BudgetUnit unit);

// "N/M characters", or for a budget per line "N/M bytes in the longest of L lines".
QString BudgetUsage(const BudgetCount &count);

// What to say of markup over its budget: "needs N characters, the limit is M; try --every K",
// where every is the smallest spacing of codes that fits, if one does; every 0 says that none
// does.
QString BudgetAdvice(const BudgetCount &count, std::optional<int> every);
