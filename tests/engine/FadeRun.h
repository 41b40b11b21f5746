#pragma once

#include "engine/FadeGenerator.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <random>

// Failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline const Rgb Red {255, 0, 0};
inline const Rgb Blue {0, 0, 255};
inline const Rgb Green {0, 255, 0};

// Stands in for a window: remembers the bars the run set and whether it showed its progress.
class RecordingHost : public PlainFadeHost
{
public:
    explicit RecordingHost(QString countAnswer = QStringLiteral("5"), Rgb color1 = Red,
                           Rgb color2 = Blue, Rgb color3 = Green)
        : PlainFadeHost(color1, color2, color3, std::move(countAnswer))
    { }

    void setChannel(int bar, int value) override
    {
        channelsSet.append({bar, value});
        PlainFadeHost::setChannel(bar, value);
    }
    void showProgress() override { ++progressShown; }

    QList<std::pair<int, int>> channelsSet; // bar, value
    int progressShown = 0;
};

// One run of the generator, as the engine tests set it up: Arial, size 2, red, blue and green.
struct FadeRun
{
    FadeRequest request;
    RecordingHost host;
    SegmentState segments;
    RandomSource random {1, [] {
                             return quint64(0);
                         }};

    explicit FadeRun(const QString &message, int mode = FadeMode::Normal,
                     OutputFormat format = OutputFormat::Page)
    {
        request.message = message;
        request.fadeMode = mode;
        request.format = format;
        request.options.fontFace = QStringLiteral("Arial");
        request.options.fontSize = QStringLiteral("2");
    }

    FadeResult generate() { return GenerateFade(request, host, segments, random); }
    QString markup()
    {
        const FadeResult result = generate();
        EXPECT_EQ(result.status, FadeResult::Status::Done);
        return result.output.value_or(QString());
    }
};

// Every output format, in the order of the list, the page first.
inline QList<OutputFormat> AllFormats()
{
    QList<OutputFormat> formats;
    for (int format = int(OutputFormat::Page); format <= int(OutputFormat::Rtf); ++format)
        formats << OutputFormat(format);
    return formats;
}

// The colours of the letters, in order, as either markup writes them.
inline QStringList letterColors(const QString &markup)
{
    static const QRegularExpression color(QStringLiteral(R"(COLOR="?#([0-9A-F]{6}))"));
    QStringList colors;
    for (const QRegularExpressionMatch &match : color.globalMatch(markup))
        colors << match.captured(1);
    return colors;
}

// A message of 1 to `longest` letters, each drawn from `letters`, which '|' separates.
inline QString RandomMessage(std::mt19937 &random, const QString &letters, int longest)
{
    const QStringList choices = letters.split(u'|');
    QString message;
    for (int length = std::uniform_int_distribution(1, longest)(random); length > 0; --length)
        message += choices[std::uniform_int_distribution<qsizetype>(0, choices.size() - 1)(random)];
    return message;
}

inline Rgb RandomColor(std::mt19937 &random)
{
    std::uniform_int_distribution component(0, 255);
    return {component(random), component(random), component(random)};
}
