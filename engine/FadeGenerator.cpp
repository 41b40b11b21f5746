#include "engine/FadeGenerator.h"

#include "engine/FadeHost.h"
#include "engine/FixedColors.h"
#include "engine/LetterLoop.h"
#include "engine/OkLab.h"
#include "engine/RandomSource.h"
#include "engine/StopsFade.h"
#include "engine/formats/AnsiWriter.h"
#include "engine/formats/BBCodeWriter.h"
#include "engine/formats/DiscordWriter.h"
#include "engine/formats/HtmlMarkupWriter.h"
#include "engine/formats/IrcLines.h"
#include "engine/formats/IrcWriter.h"
#include "engine/formats/LegacyCodeWriter.h"
#include "engine/formats/MatrixWriter.h"
#include "engine/formats/MiniMessageWriter.h"
#include "engine/formats/ModernHtmlWriter.h"
#include "engine/formats/PangoWriter.h"
#include "engine/formats/RtfWriter.h"
#include "engine/formats/TextComponentWriter.h"

#include <QRegularExpression>

#include <climits>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString NoticeTitle = u"DUV or QY"_s;

// The chat line takes no count: its segments are always seven letters long.
constexpr int ChatLineHowMuch = 6;

FadeResult refusedWith(NoticeIcon icon, const QString &text, std::optional<QString> output)
{
    return {.status = FadeResult::Status::Refused,
            .output = std::move(output),
            .notice = Notice {text, icon, NoticeTitle}};
}

FadeResult tooBig()
{
    return {.status = FadeResult::Status::Refused,
            .output = u"Error: The message is too big for the textbox 2 hold."_s};
}

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

template<typename Writer>
void fadeTwoHalves(LetterLoop<Writer> &loop, const UserColors &colors, qsizetype letters)
{
    const qsizetype half = letters / 2;
    if (half == 0) {
        // One letter has no halves to fade across: it shows colour 1.
        loop.runGradientTo(letters, colors.color(1), colors.color(1), 1);
        return;
    }
    loop.runGradientTo(half, colors.color(1), colors.color(2), double(half));
    loop.runGradientTo(letters, colors.color(2), colors.color(3), double(half));
}

// The running colour moves through OKLab and is shown as the sRGB colour nearest to it.
template<typename Writer>
void fadeInOkLab(LetterLoop<Writer> &loop, Rgb start, Rgb end, qsizetype letters)
{
    OkLab running = ToOkLab(start);
    const OkLab target = ToOkLab(end);
    const double turns = double(letters);
    const OkLab step {(target.L - running.L) / turns, (target.a - running.a) / turns,
                      (target.b - running.b) / turns};
    loop.runTo(
        letters, [&] { return RGB(FromOkLab(running)); },
        [&] {
            running.L += step.L;
            running.a += step.a;
            running.b += step.b;
        });
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
template<typename Writer>
void fadeSegments(LetterLoop<Writer> &loop, int mode, int howMuch, qsizetype letters,
                  const UserColors &colors, SegmentState &segments, RandomSource &random)
{
    std::function<void()> plan;
    switch (mode) {
    case FadeMode::Rainbow:
        plan = [&] {
            ColorX2(segments, random, howMuch);
        };
        segments.FromR = static_cast<qint16>(colors.color(1).red);
        segments.FromG = static_cast<qint16>(colors.color(1).green);
        segments.FromB = static_cast<qint16>(colors.color(1).blue);
        segments.ToR = static_cast<qint16>(colors.color(2).red);
        segments.ToG = static_cast<qint16>(colors.color(2).green);
        segments.ToB = static_cast<qint16>(colors.color(2).blue);
        segments.StageIndex = 2;
        break;
    case FadeMode::Repeater:
        plan = [&] {
            ColorX(segments, colors, howMuch);
        };
        break;
    default:
        plan = [&] {
            ColorX3(segments, colors, howMuch);
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

// What a colour mode reads and changes while it runs.
struct ColorRun
{
    int mode;
    int howMuch;
    const UserColors &colors;
    const QList<Rgb> &stops;
    SegmentState &segments;
    RandomSource &random;
    QList<ColorValue> *log; // of every letter's colour, when kept
};

// Writes the whole markup of a colour mode into the buffer; gives the colour of the last turn.
template<typename Writer>
ColorValue writeFade(Writer writer, const FadeRequest &request, const Letters &letters,
                     const ColorRun &run)
{
    writer.start(letters.size(), request.message.size());
    writer.opening();
    LetterLoop<Writer> loop(letters, request.options.waving, writer, run.log);
    switch (run.mode) {
    case FadeMode::Normal:
        if (request.space == ColorSpace::OkLab)
            fadeInOkLab(loop, run.colors.color(1), run.colors.color(2), letters.size());
        else
            loop.runGradientTo(letters.size(), run.colors.color(1), run.colors.color(2),
                               double(letters.size()));
        break;
    case FadeMode::TTintra:
        fadeTwoHalves(loop, run.colors, letters.size());
        break;
    case FadeMode::Stops:
        FadeThroughStops(loop, run.stops, letters.size());
        break;
    case FadeMode::Randomize:
        loop.runTo(
            letters.size(), [&] { return randomColor(run.random); }, [] {});
        break;
    default:
        fadeSegments(loop, run.mode, run.howMuch, letters.size(), run.colors, run.segments,
                     run.random);
        break;
    }
    writer.closing();
    return loop.lastColor();
}

// Hands write the writer of a format that writes each letter whole; a writer of runs spaces
// them as the request asks.
template<typename Write>
auto withStreamedWriter(const FadeRequest &request, MarkupBuffer &buffer, Write &&write)
{
    const FadeOptions &options = request.options;
    const auto spaced = [&](auto writer) {
        writer.spaceRuns(request.every);
        return write(std::move(writer));
    };
    switch (request.format) {
    case OutputFormat::BBCode:
        return write(BBCodeWriter(buffer, options));
    case OutputFormat::Ansi:
        return write(AnsiWriter(buffer, options, TerminalColors::TrueColor));
    case OutputFormat::Ansi256:
        return write(AnsiWriter(buffer, options, TerminalColors::Palette256));
    case OutputFormat::MiniMessage:
        return write(MiniMessageWriter(buffer, options));
    case OutputFormat::AmpHex:
        return spaced(LegacyCodeWriter(buffer, options, LegacyCodes::AmpHex));
    case OutputFormat::AmpX:
        return spaced(LegacyCodeWriter(buffer, options, LegacyCodes::AmpX));
    case OutputFormat::Section:
        return spaced(LegacyCodeWriter(buffer, options, LegacyCodes::Section));
    case OutputFormat::TextComponents:
        return spaced(TextComponentWriter(buffer, options));
    case OutputFormat::Irc:
    case OutputFormat::IrcHex:
        return spaced(IrcWriter(buffer, options, request.format == OutputFormat::IrcHex));
    case OutputFormat::Discord:
        return spaced(DiscordWriter(buffer, options));
    case OutputFormat::Pango:
        return spaced(PangoWriter(buffer, options));
    case OutputFormat::Matrix:
        return spaced(MatrixWriter(buffer, options));
    case OutputFormat::Rtf:
        return spaced(RtfWriter(buffer, options));
    default:
        return write(ModernHtmlWriter(buffer, options));
    }
}

// Hands write the writer of the request's format.
template<typename Write>
auto withWriter(const FadeRequest &request, MarkupBuffer &buffer, Write &&write)
{
    switch (request.format) {
    case OutputFormat::Page:
        return write(PageMarkupWriter(buffer, request.options));
    case OutputFormat::ChatLine:
        // A chat window's line is short: only one that streams asks for room letter by letter.
        if (buffer.streams())
            return write(StreamedChatLineWriter(buffer, request.options));
        return write(ChatLineWriter(buffer, request.options));
    default:
        return withStreamedWriter(request, buffer, std::forward<Write>(write));
    }
}

// "No Fade": the page and the chat line have forms of their own.
QString noFade(const FadeRequest &request, const Letters &letters, MarkupBuffer &buffer)
{
    if (request.format == OutputFormat::Page || request.format == OutputFormat::ChatLine)
        return NoFadeText(request.message, letters, request.options,
                          request.format == OutputFormat::Page ? MarkupDialect::Page
                                                               : MarkupDialect::ChatLine,
                          buffer);
    withStreamedWriter(request, buffer, [&](auto writer) {
        writer.start(letters.size(), request.message.size());
        writer.opening();
        WritePlainLetters(letters, request.options.waving, writer);
        writer.closing();
    });
    return buffer.text();
}

// Why the message cannot be written in the request's format, if it cannot.
std::optional<QString> formatProblem(const FadeRequest &request)
{
    switch (request.format) {
    case OutputFormat::AmpHex:
        return LegacyCodeProblem(request.message, LegacyCodes::AmpHex);
    case OutputFormat::AmpX:
        return LegacyCodeProblem(request.message, LegacyCodes::AmpX);
    case OutputFormat::Section:
        return LegacyCodeProblem(request.message, LegacyCodes::Section);
    case OutputFormat::Irc:
    case OutputFormat::IrcHex:
        return IrcProblem(request.message);
    default:
        return std::nullopt;
    }
}

// Writes the letters again in the colours a fade gave them, turn by turn as the letter loop
// takes them, waving included.
template<typename Writer>
void rewriteFade(Writer writer, const FadeRequest &request, const Letters &letters,
                 const QList<ColorValue> &colors)
{
    writer.start(letters.size(), request.message.size());
    writer.opening();
    int wavePhase = 1;
    qsizetype shown = 0;
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        WaveHeight wave = WaveHeight::Level;
        if (request.options.waving) {
            const WaveTags tags = WaveStep(wavePhase);
            wave = tags.height;
            wavePhase = tags.nextPhase;
        }
        const QStringView letter = *next;
        if (isCarriageReturn(letter)) {
            writer.lineBreak(wave);
            if (!next.isLast())
                ++next;
            continue;
        }
        writer.letter(letter, colors.value(shown++), wave);
    }
    writer.closing();
}

// The fade of the given colours for each letter, none for "No Fade", in the request's format.
QString writeFadeAs(const FadeRequest &request, const Letters &letters,
                    const QList<ColorValue> &colors)
{
    MarkupBuffer buffer;
    if (colors.isEmpty())
        return noFade(request, letters, buffer);
    withWriter(request, buffer,
               [&](auto writer) { rewriteFade(writer, request, letters, colors); });
    return buffer.text();
}

// Whether the fade of the given colours fits its budget with a code every so many letters.
bool fitsWithEvery(FadeRequest request, int every, const Letters &letters,
                   const QList<ColorValue> &colors)
{
    request.every = every;
    return CountMarkup(writeFadeAs(request, letters, colors), *request.budget).fits();
}

// The smallest spacing of codes with which the fade fits its budget, 0 when even one run for
// the whole message does not; found by halving, as fewer runs make shorter markup.
int smallestFittingEvery(const FadeRequest &request, const Letters &letters,
                         const QList<ColorValue> &colors)
{
    const int most = int(std::min<qsizetype>(std::max<qsizetype>(colors.size(), 1), INT_MAX));
    if (!fitsWithEvery(request, most, letters, colors))
        return 0;
    int low = std::min(request.every + 1, most);
    int high = most;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fitsWithEvery(request, middle, letters, colors))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

bool splitsIrc(const FadeRequest &request)
{
    return request.budget && request.budget->fit == BudgetFit::Split && request.budget->perLine &&
        (request.format == OutputFormat::Irc || request.format == OutputFormat::IrcHex);
}

// Each line of IRC text too long for the budget as several lines within it.
QString splitIrcLines(const QString &text, const Budget &budget)
{
    const qsizetype room = budget.limit - budget.lineOverhead;
    QStringList lines;
    for (const QStringView line : QStringView(text).tokenize(u'\n'))
        lines << SplitIrcLine(line, room);
    return lines.join(u'\n');
}

// Counts the markup of a done fade against the request's budget, splitting IRC text where asked
// and finding the spacing that fits markup of runs over it.
void countAgainstBudget(const FadeRequest &request, const Letters &letters,
                        const QList<ColorValue> &colors, FadeResult &result)
{
    if (!request.budget || !result.output)
        return;
    if (splitsIrc(request))
        result.output = splitIrcLines(*result.output, *request.budget);
    result.budgetCount = CountMarkup(*result.output, *request.budget);
    if (!result.budgetCount->fits() && WritesRuns(request.format) && !colors.isEmpty())
        result.fittingEvery = smallestFittingEvery(request, letters, colors);
}

// The stops a Stops Fade runs through, within the allowed number; a chat line's lose pure white
// as its three colours do.
QList<Rgb> stopsOf(const FadeRequest &request, const UserColors &colors, bool chat)
{
    QList<Rgb> stops = request.stops.size() < MinimumStops
        ? QList<Rgb> {colors.color(1), colors.color(2)}
        : request.stops.first(std::min(request.stops.size(), MaximumStops));
    if (chat) {
        for (Rgb &stop : stops) {
            if (stop == Rgb {255, 255, 255})
                stop.blue = 254;
        }
    }
    return stops;
}

bool isColorMode(int mode)
{
    return (mode >= FadeMode::Normal && mode <= FadeMode::TWMystery) || mode == FadeMode::Stops;
}

} // namespace

bool WritesRuns(OutputFormat format)
{
    switch (format) {
    case OutputFormat::AmpHex:
    case OutputFormat::AmpX:
    case OutputFormat::Section:
    case OutputFormat::TextComponents:
    case OutputFormat::Irc:
    case OutputFormat::IrcHex:
    case OutputFormat::Discord:
    case OutputFormat::Pango:
    case OutputFormat::Matrix:
    case OutputFormat::Rtf:
        return true;
    default:
        return false;
    }
}

CountAnswer CheckCount(const QString &answer)
{
    static const QRegularExpression numeric(
        QRegularExpression::anchoredPattern(uR"( *[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)? *)"_s));
    if (answer.isEmpty())
        return {CountAnswer::Status::Cancelled};
    if (!numeric.match(answer).hasMatch())
        return {CountAnswer::Status::NotANumber};
    const double count = answer.trimmed().toDouble();
    if (!(count >= 2 && count <= 500) || count != std::floor(count))
        return {CountAnswer::Status::NotAFadingNumber};
    return {CountAnswer::Status::Accepted, static_cast<int>(count) - 1};
}

QString WriteFadeAs(const FadeRequest &request, const QList<ColorValue> &colors)
{
    return writeFadeAs(request, Letters(request.message), colors);
}

FadeResult GenerateFade(const FadeRequest &request, FadeHost &host, SegmentState &segments,
                        RandomSource &random)
{
    MarkupBuffer buffer;
    return GenerateFade(request, host, segments, random, buffer);
}

FadeResult GenerateFade(const FadeRequest &request, FadeHost &host, SegmentState &segments,
                        RandomSource &random, MarkupBuffer &buffer)
{
    if (request.message.isEmpty())
        return refusedWith(NoticeIcon::Critical, u"Hey Man, Enter Some Text!"_s, std::nullopt);

    if (const std::optional<QString> problem = formatProblem(request))
        return refusedWith(NoticeIcon::Critical, *problem, std::nullopt);
    const bool page = request.format == OutputFormat::Page;
    const bool chat = request.chatWindow || request.format == OutputFormat::ChatLine;
    if (page && request.message.size() > MaximumPageUnits)
        return tooBig();
    const Letters letters(request.message);
    const qsizetype letterCount = letters.size();
    if (page && letterCount > MaximumLetters)
        return tooBig();
    if (!chat)
        host.showProgress();

    int mode = request.fadeMode;
    if (mode == FadeMode::TWMystery) {
        drawMysteryColors(host, random, 6);
        mode = FadeMode::Normal;
    } else if (mode == FadeMode::DUDadodov) {
        drawMysteryColors(host, random, 9);
        mode = FadeMode::TTintra;
    }
    if (chat)
        applyWhiteGuard(host);

    if (!isColorMode(mode)) {
        FadeResult result {.status = FadeResult::Status::Done,
                           .output = noFade(request, letters, buffer)};
        countAgainstBudget(request, letters, {}, result);
        return result;
    }

    int howMuch = ChatLineHowMuch;
    if (!chat &&
        (mode == FadeMode::Rainbow || mode == FadeMode::Repeater || mode == FadeMode::TCRepeater)) {
        const CountPrompt prompt = countPromptFor(mode);
        const CountAnswer answer = CheckCount(host.askCount(prompt.prompt, prompt.title, u"5"_s));
        switch (answer.status) {
        case CountAnswer::Status::Cancelled:
            return {.status = FadeResult::Status::Cancelled, .output = QString()};
        case CountAnswer::Status::NotANumber:
            return refusedWith(NoticeIcon::Question, u"Not a valid number"_s, QString());
        case CountAnswer::Status::NotAFadingNumber:
            return refusedWith(NoticeIcon::Question, u"Not a valid fading number"_s, QString());
        case CountAnswer::Status::Accepted:
            howMuch = answer.howMuch;
            break;
        }
    }

    const FixedColors colors(host);
    // Over budget, other spacings are tried with the colours of this run.
    QList<ColorValue> colorLog;
    const bool logs =
        request.keepColors || (request.budget && !splitsIrc(request) && WritesRuns(request.format));
    const QList<Rgb> stops = stopsOf(request, colors, chat);
    const ColorRun run {mode, howMuch, colors, stops, segments, random, logs ? &colorLog : nullptr};
    const ColorValue lastColor = withWriter(
        request, buffer, [&](auto writer) { return writeFade(writer, request, letters, run); });
    FadeResult result {
        .status = FadeResult::Status::Done, .output = buffer.text(), .lastColor = lastColor};
    countAgainstBudget(request, letters, colorLog, result);
    if (request.keepColors)
        result.letterColors = std::move(colorLog);
    return result;
}
