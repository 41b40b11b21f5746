// Fades fuzzed messages in every mode, both dialects and with fuzzed options, colours and
// counts, checks each markup against the one its letters must make, and reads each page's
// letters back from the other formats, in the page's colours.

#include "Invariant.h"
#include "engine/FadeGenerator.h"
#include "engine/Letters.h"
#include "engine/MarkupBuffer.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"
#include "engine/formats/IrcWriter.h"
#include "engine/testing/ExpectedTurns.h"

#include <QStringDecoder>

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

using namespace Qt::StringLiterals;

namespace {

const QString TooBig = u"Error: The message is too big for the textbox 2 hold."_s;

// Whether every surrogate in the texts has its partner.
bool whole(std::initializer_list<QStringView> texts)
{
    return std::ranges::all_of(texts, [](QStringView text) { return text.isValidUtf16(); });
}

// Everything one run takes, drawn from the fuzzer's bytes.
struct Run
{
    FadeRequest request;
    Rgb colors[3];
    QString countAnswer;
    quint64 seed = 0;
};

QString textFrom(FuzzedDataProvider &data, std::size_t longest)
{
    const bool utf16 = data.ConsumeBool();
    const std::string bytes = data.ConsumeRandomLengthString(longest);
    if (utf16) // any units at all, lone surrogates included
        return QString(reinterpret_cast<const QChar *>(bytes.data()), qsizetype(bytes.size() / 2));
    return QString::fromUtf8(bytes);
}

Run runFrom(FuzzedDataProvider &data)
{
    Run run;
    // Every fade of the list, and one index on either side of it, which fade nothing.
    run.request.fadeMode = data.ConsumeIntegralInRange(-1, FadeMode::Stops + 1);
    run.request.format = data.ConsumeBool() ? OutputFormat::ChatLine : OutputFormat::Page;
    run.request.options = {textFrom(data, 16), textFrom(data, 8),  data.ConsumeBool(),
                           data.ConsumeBool(), data.ConsumeBool(), data.ConsumeBool()};
    const auto colorFrom = [&data] {
        return Rgb {data.ConsumeIntegral<quint8>(), data.ConsumeIntegral<quint8>(),
                    data.ConsumeIntegral<quint8>()};
    };
    for (Rgb &color : run.colors)
        color = colorFrom();
    static const QString answers[] = {u"5"_s, u"2"_s, u"500"_s, u""_s, u"1"_s, u"5.5"_s, u"x"_s};
    run.countAnswer =
        data.ConsumeBool() ? answers[data.ConsumeIntegralInRange(0, 6)] : textFrom(data, 8);
    run.seed = data.ConsumeIntegral<quint64>();
    // Stops Fade falls back to colours 1 and 2 with fewer than two and leaves out the eleventh.
    for (int stop = data.ConsumeIntegralInRange(0, 11); stop > 0; --stop)
        run.request.stops << colorFrom();
    // Repeated, so the message can pass the page limits.
    run.request.message = textFrom(data, 8192).repeated(data.ConsumeIntegralInRange(1, 8));
    return run;
}

// One fade of the run in the given format into the buffer, with a host and a cycle of its own.
struct Fade
{
    Fade(const Run &run, OutputFormat format, MarkupBuffer &buffer)
        : host(run.colors[0], run.colors[1], run.colors[2], run.countAnswer)
    {
        FadeRequest request = run.request;
        request.format = format;
        RandomSource random(run.seed, [] { return quint64(0); });
        result = GenerateFade(request, host, segments, random, buffer);
    }

    PlainFadeHost host;
    SegmentState segments;
    FadeResult result;
};

void checkLetters(const QString &message, const Letters &letters, int window)
{
    QString joined;
    qsizetype longest = 0;
    for (const QStringView letter : letters) {
        Expect(!letter.isEmpty(), "no letter is empty");
        Expect(!letter.front().isLowSurrogate() || joined.isEmpty() ||
                   !joined.back().isHighSurrogate(),
               "no letter boundary splits a surrogate pair");
        Expect(letter.size() == 1 || (!letter.contains(u'\r') && !letter.contains(u'\n')),
               "CR and LF are letters of their own");
        joined += letter;
        longest = std::max(longest, letter.size());
    }
    Expect(joined == message, "the letters joined give back the message");
    Expect(std::distance(letters.begin(), letters.end()) == letters.size(),
           "the letters are as many as they say");
    // A window finds the same letters wherever no letter is too long to be seen whole in it.
    if (longest <= window - 2) {
        const Letters windowed(message, window);
        Expect(std::equal(windowed.begin(), windowed.end(), letters.begin(), letters.end(),
                          [](QStringView a, QStringView b) {
                              return a.data() == b.data() && a.size() == b.size();
                          }),
               "windows find the same letters");
    }
}

// The tags before and after the letters: a page's face, size and styles, closed in the order
// they opened, or a bold chat line's face, never closed.
std::pair<QString, QString> frame(const FadeRequest &request)
{
    const FadeOptions &options = request.options;
    if (request.format == OutputFormat::ChatLine)
        return {options.bold ? u"<FONT FACE=\""_s + options.fontFace + u"\"><B>"_s : QString(), {}};
    QString styles = options.bold ? u"<B>"_s : QString();
    styles += options.italic ? u"<I>"_s : QString();
    styles += options.underline ? u"<U>"_s : QString();
    return {u"<FONT FACE=\""_s + options.fontFace + u"\" SIZE="_s + options.fontSize + u'>' +
                styles,
            styles.replace(u"<"_s, u"</"_s) + u"</FONT>"_s};
}

// The markup the letters must make: after the opening, every letter in exactly one colour tag
// (none in "No Fade") at its wave height, a line break for each CR (whose next letter makes no
// turn), then the closing.
QString expectedMarkup(const FadeRequest &request, const Letters &letters, bool colourMode,
                       const QStringList &colors)
{
    static constexpr QStringView noFadeTags[] = {u"<sup>", u"</sup>", u"<sub>", u"</sub>"};
    const bool page = request.format == OutputFormat::Page;
    const auto [opening, closing] = frame(request);
    QString markup = opening;
    int turn = 0;
    int noFadeTurn = 0;
    qsizetype shown = 0;
    for (auto next = letters.begin(); next != letters.end(); ++next, ++turn) {
        const QStringView letter = *next;
        if (isCarriageReturn(letter)) {
            markup += u"<br>";
            if (!next.isLast())
                ++next;
        } else if (!colourMode) {
            markup.append(noFadeTags[noFadeTurn++ % 4]).append(letter);
        } else {
            const int phase = request.options.waving ? turn % 4 : 1;
            const QString hex = colors.value(shown++);
            markup += phase == 0 ? u"<sup>"_s : phase == 2 ? u"<sub>"_s : QString();
            markup +=
                page ? u"<FONT COLOR=\"#"_s + hex + u"\">"_s : u"<FONT COLOR=#"_s + hex + u'>';
            markup.append(letter).append(page ? u"</FONT>"_s : QString());
            markup += phase == 0 ? u"</sup>"_s : phase == 2 ? u"</sub>"_s : QString();
        }
    }
    return markup + closing;
}

// The colours of the letters' tags after the opening, found without a regular expression,
// which takes no unpaired surrogate.
QStringList tagColors(const QString &markup, const FadeRequest &request)
{
    const QString tag =
        request.format == OutputFormat::Page ? u"<FONT COLOR=\"#"_s : u"<FONT COLOR=#"_s;
    QStringList colors;
    for (qsizetype at = markup.indexOf(tag, frame(request).first.size()); at >= 0;
         at = markup.indexOf(tag, at + 1)) {
        colors << markup.mid(at + tag.size(), 6);
        Expect(Hex6(ColorOfHex6(colors.last())) == colors.last(),
               "colours are six uppercase hex digits");
    }
    return colors;
}

FadeResult::Status expectedStatus(const Run &run, const Letters &letters)
{
    const FadeRequest &request = run.request;
    const bool page = request.format == OutputFormat::Page;
    if (request.message.isEmpty() ||
        (page && (request.message.size() > MaximumPageUnits || letters.size() > MaximumLetters)))
        return FadeResult::Status::Refused;
    const int mode = request.fadeMode;
    if (!page ||
        (mode != FadeMode::Rainbow && mode != FadeMode::Repeater && mode != FadeMode::TCRepeater))
        return FadeResult::Status::Done;
    const CountAnswer::Status count = CheckCount(run.countAnswer).status;
    return count == CountAnswer::Status::Accepted ? FadeResult::Status::Done
        : count == CountAnswer::Status::Cancelled ? FadeResult::Status::Cancelled
                                                  : FadeResult::Status::Refused;
}

// Whether a reader of the format can tell the message's letters from its markup: no reader
// takes unpaired surrogates; XML holds no control character but tab and line ends and no
// U+FFFE or U+FFFF; a terminal takes an escape character as the start of a sequence; and
// BBCode and a terminal show a LF that makes a turn of its own as a line break; the game's
// colour codes refuse a section sign, which the game never shows, and IRC control characters.
bool readableIn(OutputFormat format, const FadeRequest &request, const Letters &letters)
{
    const auto among = [format](std::initializer_list<OutputFormat> formats) {
        return std::ranges::find(formats, format) != formats.end();
    };
    const auto xmlCanHold = [](QStringView text) {
        return std::none_of(text.begin(), text.end(), [](QChar c) {
            return (c < u' ' && c != u'\t' && c != u'\n' && c != u'\r') || c == u'\uFFFE' ||
                c == u'\uFFFF';
        });
    };
    const QString &message = request.message;
    if (!whole({message, request.options.fontFace}) ||
        (among({OutputFormat::AmpHex, OutputFormat::AmpX, OutputFormat::Section}) &&
         message.contains(u'§')) ||
        (among({OutputFormat::Irc, OutputFormat::IrcHex}) && IrcProblem(message)) ||
        (among({OutputFormat::Html, OutputFormat::Pango, OutputFormat::Matrix}) &&
         !xmlCanHold(message)) ||
        (among({OutputFormat::Ansi, OutputFormat::Ansi256, OutputFormat::Discord}) &&
         message.contains(u'\x1b')))
        return false;
    if (format == OutputFormat::Html)
        return xmlCanHold(request.options.fontFace);
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        if (isCarriageReturn(*next) && !next.isLast())
            ++next;
        else if (*next == u"\n" && format != OutputFormat::MiniMessage)
            return false;
    }
    return true;
}

// Every other format shows the page's letters, whole, in the page's colours.
void checkOtherFormats(const Run &run, const Letters &letters, const QStringList &pageColors)
{
    QList<ColorValue> colors;
    for (const QString &hex : pageColors)
        colors << ColorOfHex6(hex);
    for (int each = int(OutputFormat::Html); each <= int(OutputFormat::Rtf); ++each) {
        const auto format = OutputFormat(each);
        if (!readableIn(format, run.request, letters))
            continue;
        MarkupBuffer buffer;
        const FadeResult result = Fade(run, format, buffer).result;
        Expect(result.status == FadeResult::Status::Done, "every format fades what a page does");
        Expect(ReadShownTurns(format, *result.output) ==
                   ExpectedTurns(format, letters, colors, run.request.options.waving),
               "every format shows the page's letters in the page's colours");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const Run run = runFrom(data);
    const int window = data.ConsumeIntegralInRange(2, 40);
    const FadeRequest &request = run.request;

    const Letters letters(request.message);
    checkLetters(request.message, letters, window);

    MarkupBuffer buffer;
    const Fade fade(run, request.format, buffer);
    const FadeResult &result = fade.result;
    Expect(result.status == expectedStatus(run, letters), "the run ends as its input asks");
    Expect(fade.segments.StageIndex == 0, "every run leaves the segment cycle at its start");
    if (result.status != FadeResult::Status::Done) {
        const bool tooBig = !request.message.isEmpty() &&
            result.status == FadeResult::Status::Refused && !result.notice;
        Expect(!tooBig || result.output == TooBig, "an over-long page is refused as too big");
        return 0;
    }

    const QString &markup = *result.output;
    if (whole({request.message, request.options.fontFace, request.options.fontSize})) {
        Expect(whole({markup}), "no markup holds an unpaired surrogate");
        // A byte order mark in front is text here, as a letter or in the face.
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::ConvertInitialBom |
                                QStringDecoder::Flag::Stateless);
        Expect(utf8(markup.toUtf8()) == markup && !utf8.hasError(), "the markup survives UTF-8");
    }
    const int mode = request.fadeMode;
    const bool colourMode =
        (mode >= FadeMode::Normal && mode <= FadeMode::TWMystery) || mode == FadeMode::Stops;
    const QStringList colors = colourMode ? tagColors(markup, request) : QStringList();
    if (colourMode || request.options.waving)
        Expect(markup == expectedMarkup(request, letters, colourMode, colors),
               "every letter sits in its tags between the opening and the closing");
    else
        Expect(markup == request.message, "no fade without waving is the message itself");
    if (request.format == OutputFormat::Page)
        checkOtherFormats(run, letters, colors);
    if (colourMode && !colors.isEmpty()) {
        const bool gradient = mode == FadeMode::Normal || mode == FadeMode::TTintra ||
            mode == FadeMode::DUDadodov || mode == FadeMode::TWMystery;
        if (gradient && !isCarriageReturn(*letters.begin()))
            Expect(colors.first() == Hex6(RGB(fade.host.color(1))),
                   "a gradient starts at colour 1");
        // The last turn is a letter unless the markup ends on a line break before its closing.
        if (!markup.chopped(frame(request).second.size()).endsWith(u"<br>"))
            Expect(result.lastColor && Hex6(*result.lastColor) == colors.last(),
                   "the last colour is that of the last letter");
    }

    // The same run into the same buffer, while the first markup is still held.
    const QString copy(markup.constData(), markup.size());
    const Fade again(run, request.format, buffer);
    Expect(again.result.output == copy, "a run repeated with the same seed gives the same markup");
    Expect(markup == copy, "a held markup keeps its text while the buffer serves again");
    return 0;
}
