#include "engine/FadeGenerator.h"

#include "engine/FadeHost.h"
#include "engine/Letters.h"
#include "engine/MarkupWriter.h"
#include "engine/RandomSource.h"
#include "engine/SegmentPlanners.h"

#include <QRegularExpression>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString NoticeTitle = u"DUV or QY"_s;

// The chat line takes no count: its segments are always seven letters long.
constexpr int ChatLineHowMuch = 6;

FadeResult refusedWith(NoticeIcon icon, const QString &text, std::optional<QString> output)
{
    return {FadeResult::Status::Refused, std::move(output), Notice {text, icon, NoticeTitle}, {}};
}

// The turns of one run: letter after letter, a CR LF pair taking one turn as a line break,
// each turn moving the waving phase on and asking for its colour, whether it shows it or not.
class LetterLoop
{
public:
    LetterLoop(const Letters &letters, const FadeRequest &request, MarkupWriter &out)
        : m_letters(letters)
        , m_dialect(request.dialect)
        , m_waving(request.options.waving)
        , m_out(out)
    { }

    // Runs turns until the letter index reaches limit (a count of letters from the start).
    template<typename ColorOfTurn, typename AfterTurn>
    void runTo(qsizetype limit, ColorOfTurn &&colorOfTurn, AfterTurn &&afterTurn)
    {
        while (m_index < limit) {
            WaveTags wave;
            if (m_waving) {
                wave = WaveStep(m_wavePhase);
                m_wavePhase = wave.nextPhase;
            }
            m_lastColor = colorOfTurn();
            if (isCarriageReturn(m_letters[m_index])) {
                m_out << LineBreak;
                ++m_index; // the LF of the pair makes no turn of its own
            } else {
                LetterFragment(m_out, m_letters[m_index], m_lastColor, wave, m_dialect);
            }
            afterTurn();
            ++m_index;
        }
    }

    // A gradient from start toward end over howMuch letters, up to limit.
    void runGradientTo(qsizetype limit, Rgb start, Rgb end, double howMuch)
    {
        SegmentState running;
        SetSegment(running, start, end, howMuch);
        runTo(
            limit, [&] { return LetterColor(running); }, [&] { TakeStep(running); });
    }

    ColorValue lastColor() const { return m_lastColor; }

private:
    const Letters &m_letters;
    const MarkupDialect m_dialect;
    const bool m_waving;
    MarkupWriter &m_out;
    qsizetype m_index = 0;
    int m_wavePhase = 1;
    ColorValue m_lastColor = 0;
};

// The mystery modes replace the first bars with random values 0..254.
void drawMysteryColors(FadeHost &host, RandomSource &random, int bars)
{
    random.reseedFromClock();
    for (int bar = 1; bar <= bars; ++bar)
        host.setChannel(bar, static_cast<int>(std::floor(double(random.next()) * 255)));
}

// A chat line never carries pure white: such a colour loses one step of blue.
void applyWhiteGuard(FadeHost &host)
{
    for (int which = 1; which <= 3; ++which) {
        if (host.color(which) == Rgb {255, 255, 255})
            host.setChannel(3 * which, 254);
    }
}

ColorValue randomColor(RandomSource &random)
{
    random.reseedFromClock();
    const int red = RoundHalfEven(random.next() * 255.0);
    const int green = RoundHalfEven(random.next() * 255.0);
    const int blue = RoundHalfEven(random.next() * 255.0);
    return RGB(red, green, blue);
}

void fadeTwoHalves(LetterLoop &loop, const FadeHost &host, qsizetype letters)
{
    const qsizetype half = letters / 2;
    if (half == 0) {
        // One letter has no halves to fade across: it shows colour 1.
        loop.runGradientTo(letters, host.color(1), host.color(1), 1);
        return;
    }
    loop.runGradientTo(half, host.color(1), host.color(2), double(half));
    loop.runGradientTo(letters, host.color(2), host.color(3), double(half));
}

struct CountPrompt
{
    QString prompt;
    QString title;
};

CountPrompt countPromptFor(int mode)
{
    switch (mode) {
    case FadeMode::Rainbow:
        return {u"You want the fade 2 change every ??? letters..."_s, u"Rainbow Fade"_s};
    case FadeMode::Repeater:
        return {u"You want the fade 2 repeat every ??? letters..."_s, u"Repeater Fade"_s};
    default:
        return {u"You want the fade 2 repeat every ??? letters..."_s, u"TCRepeater Fade"_s};
    }
}

// Rainbow, Repeater and TCRepeater: segments of howMuch turns, each planned by the mode's
// planner. The cycle starts afresh at the next run.
void fadeSegments(LetterLoop &loop, int mode, int howMuch, qsizetype letters, FadeHost &host,
                  SegmentState &segments, RandomSource &random)
{
    std::function<void()> plan;
    switch (mode) {
    case FadeMode::Rainbow:
        plan = [&] {
            ColorX2(segments, random, howMuch);
        };
        segments.FromR = static_cast<qint16>(host.color(1).red);
        segments.FromG = static_cast<qint16>(host.color(1).green);
        segments.FromB = static_cast<qint16>(host.color(1).blue);
        segments.ToR = static_cast<qint16>(host.color(2).red);
        segments.ToG = static_cast<qint16>(host.color(2).green);
        segments.ToB = static_cast<qint16>(host.color(2).blue);
        segments.StageIndex = 2;
        break;
    case FadeMode::Repeater:
        plan = [&] {
            ColorX(segments, host, howMuch);
        };
        break;
    default:
        plan = [&] {
            ColorX3(segments, host, howMuch);
        };
        break;
    }
    plan();
    int turnInSegment = 1;
    loop.runTo(
        letters, [&] { return LetterColor(segments); },
        [&] {
            TakeStep(segments);
            if (turnInSegment == howMuch) {
                plan();
                turnInSegment = 1;
            } else {
                ++turnInSegment;
            }
        });
    segments.StageIndex = 0;
}

} // namespace

CountAnswer CheckCount(const QString &answer)
{
    static const QRegularExpression numeric(uR"(^ *[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)? *$)"_s);
    if (answer.isEmpty())
        return {CountAnswer::Status::Cancelled};
    if (!numeric.match(answer).hasMatch())
        return {CountAnswer::Status::NotANumber};
    const double count = answer.trimmed().toDouble();
    if (!(count >= 2 && count <= 500) || count != std::floor(count))
        return {CountAnswer::Status::NotAFadingNumber};
    return {CountAnswer::Status::Accepted, static_cast<int>(count) - 1};
}

FadeResult GenerateFade(const FadeRequest &request, FadeHost &host, SegmentState &segments,
                        RandomSource &random)
{
    if (request.message.isEmpty())
        return refusedWith(NoticeIcon::Critical, u"Hey Man, Enter Some Text!"_s, std::nullopt);

    const bool page = request.dialect == MarkupDialect::Page;
    const Letters letters(request.message);
    const qsizetype letterCount = letters.size();
    if (page && letterCount > MaximumLetters) {
        return {FadeResult::Status::Refused,
                u"Error: The message is too big for the textbox 2 hold."_s,
                {},
                {}};
    }
    if (page)
        host.showProgress();

    int mode = request.fadeMode;
    if (mode == FadeMode::TWMystery) {
        drawMysteryColors(host, random, 6);
        mode = FadeMode::Normal;
    } else if (mode == FadeMode::DUDadodov) {
        drawMysteryColors(host, random, 9);
        mode = FadeMode::TTintra;
    }
    if (!page)
        applyWhiteGuard(host);

    if (mode < FadeMode::Normal || mode > FadeMode::TWMystery)
        return {FadeResult::Status::Done,
                NoFadeText(request.message, request.options, request.dialect),
                {},
                {}};

    int howMuch = ChatLineHowMuch;
    if (page &&
        (mode == FadeMode::Rainbow || mode == FadeMode::Repeater || mode == FadeMode::TCRepeater)) {
        const CountPrompt prompt = countPromptFor(mode);
        const CountAnswer answer = CheckCount(host.askCount(prompt.prompt, prompt.title, u"5"_s));
        switch (answer.status) {
        case CountAnswer::Status::Cancelled:
            return {FadeResult::Status::Cancelled, QString(), {}, {}};
        case CountAnswer::Status::NotANumber:
            return refusedWith(NoticeIcon::Question, u"Not a valid number"_s, QString());
        case CountAnswer::Status::NotAFadingNumber:
            return refusedWith(NoticeIcon::Question, u"Not a valid fading number"_s, QString());
        case CountAnswer::Status::Accepted:
            howMuch = answer.howMuch;
            break;
        }
    }

    const qsizetype fragmentLength = 41; // a letter's tags, waving included
    MarkupWriter out(64 + request.options.fontFace.size() + request.options.fontSize.size() +
                     request.message.size() + fragmentLength * letterCount);
    MarkupOpening(out, request.options, request.dialect);
    LetterLoop loop(letters, request, out);
    switch (mode) {
    case FadeMode::Normal:
        loop.runGradientTo(letterCount, host.color(1), host.color(2), double(letterCount));
        break;
    case FadeMode::TTintra:
        fadeTwoHalves(loop, host, letterCount);
        break;
    case FadeMode::Randomize:
        loop.runTo(
            letterCount, [&] { return randomColor(random); }, [] {});
        break;
    default:
        fadeSegments(loop, mode, howMuch, letterCount, host, segments, random);
        break;
    }
    MarkupClosing(out, request.options, request.dialect);
    return {FadeResult::Status::Done, out.take(), {}, loop.lastColor()};
}
