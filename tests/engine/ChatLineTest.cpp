#include "engine/FadeGenerator.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class GuardedHost : public PlainFadeHost
{
public:
    GuardedHost(Rgb color1, Rgb color2, Rgb color3)
        : PlainFadeHost(color1, color2, color3)
    { }
    void setChannel(int bar, int value) override
    {
        barsSet.append({bar, value});
        PlainFadeHost::setChannel(bar, value);
    }
    QString askCount(const QString &, const QString &, const QString &) override
    {
        ADD_FAILURE() << "a chat line never asks for a count";
        return {};
    }
    void showProgress() override { ADD_FAILURE() << "a chat line shows no progress"; }

    QList<std::pair<int, int>> barsSet;
};

struct ChatRun
{
    FadeRequest request;
    GuardedHost host;
    SegmentState segments;
    RandomSource random {3, [] {
                             return quint64(0);
                         }};

    ChatRun(const QString &message, int mode, Rgb color1 = {255, 0, 0}, Rgb color2 = {0, 0, 255},
            Rgb color3 = {0, 255, 0})
        : host(color1, color2, color3)
    {
        request.message = message;
        request.fadeMode = mode;
        request.dialect = MarkupDialect::ChatLine;
        request.options = {u"Arial"_s, u"7"_s, false, true, true, false};
    }

    QString line()
    {
        const FadeResult result = GenerateFade(request, host, segments, random);
        EXPECT_EQ(result.status, FadeResult::Status::Done);
        return result.output.value_or(QString());
    }
};

QStringList letterColors(const QString &line)
{
    static const QRegularExpression color(u"COLOR=#([0-9A-F]{6})>"_s);
    QStringList colors;
    for (const QRegularExpressionMatch &match : color.globalMatch(line))
        colors << match.captured(1);
    return colors;
}

} // namespace

TEST(ChatLine, ShortMarkupWithoutClosingTags)
{
    const struct
    {
        const char *name;
        QString message;
        int mode;
        bool bold, waving;
        QString line;
    } cases[] = {
        {"normal", u"Hi"_s, FadeMode::Normal, false, false,
         u"<FONT COLOR=#FF0000>H<FONT COLOR=#800080>i"_s},
        {"normal, bold", u"Hi"_s, FadeMode::Normal, true, false,
         uR"(<FONT FACE="Arial"><B><FONT COLOR=#FF0000>H<FONT COLOR=#800080>i)"_s},
        {"a line break", u"A\r\nB"_s, FadeMode::Normal, false, false,
         u"<FONT COLOR=#FF0000>A<br><FONT COLOR=#800080>B"_s},
        {"waving", u"abcd"_s, FadeMode::Normal, false, true,
         u"<sup><FONT COLOR=#FF0000>a</sup><FONT COLOR=#BF0040>b"
         u"<sub><FONT COLOR=#800080>c</sub><FONT COLOR=#4000BF>d"_s},
        {"no fade is the plain message, even in bold", u"a\r\nb"_s, FadeMode::NoFade, true, false,
         u"a\r\nb"_s},
        {"no fade, waving", u"A\r\nB"_s, FadeMode::NoFade, false, true, u"<sup>A<br></sup>B"_s},
        {"no fade, waving, bold", u"abcde"_s, FadeMode::NoFade, true, true,
         uR"(<FONT FACE="Arial"><B><sup>a</sup>b<sub>c</sub>d<sup>e)"_s},
        {"ttintra, one letter is sent in colour 1", u"x"_s, FadeMode::TTintra, false, false,
         u"<FONT COLOR=#FF0000>x"_s},
    };
    for (const auto &c : cases) {
        ChatRun run(c.message, c.mode);
        run.request.options.bold = c.bold;
        run.request.options.waving = c.waving;
        EXPECT_EQ(run.line(), c.line) << c.name;
    }
}

TEST(ChatLine, RepeaterSegmentsAreSevenLettersLong)
{
    ChatRun run(u"abcdefghijklm"_s, FadeMode::Repeater);
    const QStringList colors = letterColors(run.line());
    ASSERT_EQ(colors.size(), 13);
    EXPECT_EQ(colors[0], u"FF0000"_s);
    EXPECT_EQ(colors[3], u"800080"_s);
    EXPECT_EQ(colors[6], u"0000FF"_s);
    EXPECT_EQ(colors[9], u"800080"_s);
    EXPECT_EQ(colors[12], u"FF0000"_s);
    EXPECT_EQ(run.segments.StageIndex, 0);
}

TEST(ChatLine, WhiteBecomesOneStepLessBlue)
{
    ChatRun run(u"ab"_s, FadeMode::Normal, {255, 255, 255}, {0, 0, 255}, {255, 255, 255});
    EXPECT_EQ(letterColors(run.line()).first(), u"FFFFFE"_s);
    EXPECT_EQ(run.host.barsSet, (QList<std::pair<int, int>> {{3, 254}, {9, 254}}));
}

TEST(ChatLine, HasNoLengthLimitAndRefusesOnlyAnEmptyMessage)
{
    ChatRun longRun(QString(3000, u'x'), FadeMode::Normal);
    EXPECT_EQ(letterColors(longRun.line()).size(), 3000);

    ChatRun empty(QString(), FadeMode::Normal);
    const FadeResult result = GenerateFade(empty.request, empty.host, empty.segments, empty.random);
    EXPECT_EQ(result.status, FadeResult::Status::Refused);
    EXPECT_EQ(result.notice->text, u"Hey Man, Enter Some Text!"_s);
}

TEST(ChatLine, DudadodovOnOneLetterDrawsTheBarsAndSendsColourOne)
{
    ChatRun run(u"x"_s, FadeMode::DUDadodov);
    const QString line = run.line();
    EXPECT_EQ(run.host.barsSet.size(), 9);
    EXPECT_EQ(line, u"<FONT COLOR=#"_s + Hex6(RGB(run.host.color(1))) + u">x"_s);
}
