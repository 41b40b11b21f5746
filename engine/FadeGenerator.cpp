#include "engine/FadeGenerator.h"

#include "engine/AnsiWriter.h"
#include "engine/BBCodeWriter.h"
#include "engine/FadeHost.h"
#include "engine/FixedColors.h"
#include "engine/HtmlMarkupWriter.h"
#include "engine/LetterLoop.h"
#include "engine/MiniMessageWriter.h"
#include "engine/ModernHtmlWriter.h"
#include "engine/OkLab.h"
#include "engine/RandomSource.h"
#include "engine/StopsFade.h"
#include "engine/formats/DiscordWriter.h"
#include "engine/formats/IrcWriter.h"
#include "engine/formats/LegacyCodeWriter.h"
#include "engine/formats/MatrixWriter.h"
#include "engine/formats/PangoWriter.h"
#include "engine/formats/RtfWriter.h"
#include "engine/formats/TextComponentWriter.h"

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

FadeResult tooBig()
{
    return {FadeResult::Status::Refused,
            u"Error: The message is too big for the textbox 2 hold."_s,
            {},
            {}};
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
};

// Writes the whole markup of a colour mode into the buffer; gives the colour of the last turn.
template<typename Writer>
ColorValue writeFade(Writer writer, const FadeRequest &request, const Letters &letters,
                     const ColorRun &run)
{
    writer.start(letters.size(), request.message.size());
    writer.opening();
    LetterLoop<Writer> loop(letters, request.options.waving, writer);
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

// Hands write the writer of a format that writes each letter whole.
template<typename Write>
auto withStreamedWriter(const FadeRequest &request, MarkupBuffer &buffer, Write &&write)
{
    const FadeOptions &options = request.options;
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
        return write(LegacyCodeWriter(buffer, options, LegacyCodes::AmpHex));
    case OutputFormat::AmpX:
        return write(LegacyCodeWriter(buffer, options, LegacyCodes::AmpX));
    case OutputFormat::Section:
        return write(LegacyCodeWriter(buffer, options, LegacyCodes::Section));
    case OutputFormat::TextComponents:
        return write(TextComponentWriter(buffer, options));
    case OutputFormat::Irc:
    case OutputFormat::IrcHex:
        return write(IrcWriter(buffer, options, request.format == OutputFormat::IrcHex));
    case OutputFormat::Discord:
        return write(DiscordWriter(buffer, options));
    case OutputFormat::Pango:
        return write(PangoWriter(buffer, options));
    case OutputFormat::Matrix:
        return write(MatrixWriter(buffer, options));
    case OutputFormat::Rtf:
        return write(RtfWriter(buffer, options));
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
    const bool chat = request.format == OutputFormat::ChatLine;
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

    if (!isColorMode(mode))
        return {FadeResult::Status::Done, noFade(request, letters, buffer), {}, {}};

    int howMuch = ChatLineHowMuch;
    if (!chat &&
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

    const FixedColors colors(host);
    const QList<Rgb> stops = stopsOf(request, colors, chat);
    const ColorRun run {mode, howMuch, colors, stops, segments, random};
    const ColorValue lastColor = withWriter(
        request, buffer, [&](auto writer) { return writeFade(writer, request, letters, run); });
    return {FadeResult::Status::Done, buffer.text(), {}, lastColor};
}
