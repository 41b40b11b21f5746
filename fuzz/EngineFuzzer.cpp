// Fades fuzzed messages in every mode, both dialects and with fuzzed options, colours and
// counts, and walks each markup as the letter loop must have written it; reads each page's
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

#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

using namespace Qt::StringLiterals;

namespace {

const QString TooBig = u"Error: The message is too big for the textbox 2 hold."_s;

// Whether some surrogate in the text has no partner.
bool HasUnpairedSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
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
    for (Rgb &color : run.colors)
        color = {data.ConsumeIntegral<quint8>(), data.ConsumeIntegral<quint8>(),
                 data.ConsumeIntegral<quint8>()};
    static const QString answers[] = {u"5"_s, u"2"_s, u"500"_s, u""_s, u"1"_s, u"5.5"_s, u"x"_s};
    run.countAnswer =
        data.ConsumeBool() ? answers[data.ConsumeIntegralInRange(0, 6)] : textFrom(data, 8);
    run.seed = data.ConsumeIntegral<quint64>();
    // Stops Fade falls back to colours 1 and 2 with fewer than two and leaves out the eleventh.
    for (int stop = data.ConsumeIntegralInRange(0, 11); stop > 0; --stop)
        run.request.stops << Rgb {data.ConsumeIntegral<quint8>(), data.ConsumeIntegral<quint8>(),
                                  data.ConsumeIntegral<quint8>()};
    // Repeated, so the message can pass the page limits.
    const int repeats = data.ConsumeIntegralInRange(1, 8);
    run.request.message = textFrom(data, 8192).repeated(repeats);
    return run;
}

FadeResult generate(const Run &run, MarkupBuffer &buffer, SegmentState &segments,
                    PlainFadeHost &host)
{
    RandomSource random(run.seed, [] { return quint64(0); });
    return GenerateFade(run.request, host, segments, random, buffer);
}

void checkLetters(const QString &message, const Letters &letters, int window)
{
    QString joined;
    qsizetype longest = 0;
    qsizetype count = 0;
    for (const QStringView letter : letters) {
        Expect(!letter.isEmpty(), "no letter is empty");
        Expect(!letter.front().isLowSurrogate() || joined.isEmpty() ||
                   !joined.back().isHighSurrogate(),
               "no letter boundary splits a surrogate pair");
        Expect(letter.size() == 1 || (!letter.contains(u'\r') && !letter.contains(u'\n')),
               "CR and LF are letters of their own");
        joined += letter;
        longest = std::max(longest, letter.size());
        ++count;
    }
    Expect(joined == message, "the letters joined give back the message");
    Expect(count == letters.size(), "the letters are as many as they say");
    // A window finds the same letters wherever no letter is too long to be seen whole in it.
    if (longest <= window - 2) {
        const Letters windowed(message, window);
        Expect(windowed.size() == letters.size(), "windows find as many letters");
        Expect(std::equal(windowed.begin(), windowed.end(), letters.begin(), letters.end(),
                          [](QStringView a, QStringView b) {
                              return a.data() == b.data() && a.size() == b.size();
                          }),
               "windows find the same letters");
    }
}

// Walks markup from its start: each piece must come next.
class Walker
{
public:
    explicit Walker(const QString &markup)
        : m_markup(markup)
    { }

    void take(QStringView piece, const char *rule)
    {
        Expect(QStringView(m_markup).sliced(m_at).startsWith(piece), rule);
        m_at += piece.size();
    }

    QString takeHex6()
    {
        Expect(m_markup.size() - m_at >= 6, "six hex digits follow");
        const QString hex = m_markup.mid(m_at, 6);
        Expect(std::all_of(
                   hex.begin(), hex.end(),
                   [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }),
               "colours are six uppercase hex digits");
        m_at += 6;
        return hex;
    }

    bool atEnd() const { return m_at == m_markup.size(); }

private:
    const QString &m_markup;
    qsizetype m_at = 0;
};

QString opening(const FadeRequest &request)
{
    const FadeOptions &options = request.options;
    if (request.format == OutputFormat::ChatLine)
        return options.bold ? u"<FONT FACE=\""_s + options.fontFace + u"\"><B>"_s : QString();
    return u"<FONT FACE=\""_s + options.fontFace + u"\" SIZE="_s + options.fontSize + u">"_s +
        (options.bold ? u"<B>"_s : QString()) + (options.italic ? u"<I>"_s : QString()) +
        (options.underline ? u"<U>"_s : QString());
}

QString closing(const FadeRequest &request)
{
    const FadeOptions &options = request.options;
    if (request.format == OutputFormat::ChatLine)
        return {};
    return (options.bold ? u"</B>"_s : QString()) + (options.italic ? u"</I>"_s : QString()) +
        (options.underline ? u"</U>"_s : QString()) + u"</FONT>"_s;
}

struct ColourTurns
{
    QStringList colors; // of the letters shown
    bool endsWithLetter = false; // rather than with a line break
};

// Every letter in exactly one colour tag, a line break for each CR (whose next letter makes no
// turn), wave tags on the raised and lowered turns.
ColourTurns walkColourMarkup(const QString &markup, const Letters &letters,
                             const FadeRequest &request)
{
    const bool page = request.format == OutputFormat::Page;
    Walker walker(markup);
    walker.take(opening(request), "the opening comes first");
    ColourTurns turns;
    int turn = 0;
    for (auto next = letters.begin(); next != letters.end(); ++next, ++turn) {
        const int phase = request.options.waving ? turn % 4 : 1;
        const QStringView letter = *next;
        turns.endsWithLetter = !isCarriageReturn(letter);
        if (!turns.endsWithLetter) {
            walker.take(u"<br>", "a CR is a line break");
            if (!next.isLast())
                ++next;
            continue;
        }
        if (phase == 0)
            walker.take(u"<sup>", "the raised phase opens <sup>");
        if (phase == 2)
            walker.take(u"<sub>", "the lowered phase opens <sub>");
        walker.take(page ? u"<FONT COLOR=\"#" : u"<FONT COLOR=#", "each letter has a colour tag");
        turns.colors << walker.takeHex6();
        walker.take(page ? u"\">" : u">", "the colour tag ends");
        walker.take(letter, "the letter follows its tag whole");
        if (page)
            walker.take(u"</FONT>", "a page closes each colour tag");
        if (phase == 0)
            walker.take(u"</sup>", "the raised phase closes </sup>");
        if (phase == 2)
            walker.take(u"</sub>", "the lowered phase closes </sub>");
    }
    walker.take(closing(request), "the closing comes last");
    Expect(walker.atEnd(), "nothing follows the closing");
    return turns;
}

void walkNoFadeMarkup(const QString &markup, const Letters &letters, const FadeRequest &request)
{
    static constexpr QStringView tagOfPhase[] = {u"<sup>", u"</sup>", u"<sub>", u"</sub>"};
    Walker walker(markup);
    walker.take(opening(request), "the opening comes first");
    int phase = 0;
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        const QStringView letter = *next;
        if (isCarriageReturn(letter)) {
            walker.take(u"<br>", "a CR is a line break");
            if (!next.isLast())
                ++next;
            continue;
        }
        walker.take(tagOfPhase[phase], "each letter follows the tag of its phase");
        walker.take(letter, "the letter follows whole");
        phase = (phase + 1) % 4;
    }
    walker.take(closing(request), "the closing comes last");
    Expect(walker.atEnd(), "nothing follows the closing");
}

FadeResult::Status expectedStatus(const Run &run, const Letters &letters)
{
    const FadeRequest &request = run.request;
    const bool page = request.format == OutputFormat::Page;
    if (request.message.isEmpty())
        return FadeResult::Status::Refused;
    if (page && (request.message.size() > MaximumPageUnits || letters.size() > MaximumLetters))
        return FadeResult::Status::Refused;
    const int mode = request.fadeMode;
    if (!page ||
        (mode != FadeMode::Rainbow && mode != FadeMode::Repeater && mode != FadeMode::TCRepeater))
        return FadeResult::Status::Done;
    switch (CheckCount(run.countAnswer).status) {
    case CountAnswer::Status::Accepted:
        return FadeResult::Status::Done;
    case CountAnswer::Status::Cancelled:
        return FadeResult::Status::Cancelled;
    default:
        return FadeResult::Status::Refused;
    }
}

// Whether a reader of the format can tell the message's letters from its markup: no reader
// takes unpaired surrogates; XML holds no control character but tab and line ends and no
// U+FFFE or U+FFFF; a terminal takes an escape character as the start of a sequence; and
// BBCode and a terminal show a LF that makes a turn of its own as a line break; the game's
// colour codes refuse a section sign, which the game never shows, and IRC control characters.
bool readableIn(OutputFormat format, const FadeRequest &request, const Letters &letters)
{
    if (HasUnpairedSurrogate(request.message) || HasUnpairedSurrogate(request.options.fontFace))
        return false;
    const bool gameCodes = format == OutputFormat::AmpHex || format == OutputFormat::AmpX ||
        format == OutputFormat::Section;
    if (gameCodes && request.message.contains(u'§'))
        return false;
    const bool irc = format == OutputFormat::Irc || format == OutputFormat::IrcHex;
    if (irc && IrcProblem(request.message))
        return false;
    const auto xmlCanHold = [](QStringView text) {
        return std::none_of(text.begin(), text.end(), [](QChar c) {
            return (c < u' ' && c != u'\t' && c != u'\n' && c != u'\r') || c == u'\uFFFE' ||
                c == u'\uFFFF';
        });
    };
    if (format == OutputFormat::Html)
        return xmlCanHold(request.message) && xmlCanHold(request.options.fontFace);
    if ((format == OutputFormat::Pango || format == OutputFormat::Matrix) &&
        !xmlCanHold(request.message))
        return false;
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        const QStringView letter = *next;
        if (isCarriageReturn(letter) && !next.isLast())
            ++next;
        else if (letter == u"\n" && format != OutputFormat::MiniMessage)
            return false;
    }
    const bool terminal = format == OutputFormat::Ansi || format == OutputFormat::Ansi256 ||
        format == OutputFormat::Discord;
    return !terminal || !request.message.contains(u'\x1b');
}

// Every other format shows the page's letters, whole, in the page's colours.
void checkOtherFormats(const Run &run, const Letters &letters, const QStringList &pageColors)
{
    QList<ColorValue> colors;
    for (const QString &hex : pageColors)
        colors << ColorOfHex6(hex);
    for (const OutputFormat format :
         {OutputFormat::Html, OutputFormat::BBCode, OutputFormat::Ansi, OutputFormat::Ansi256,
          OutputFormat::MiniMessage, OutputFormat::AmpHex, OutputFormat::AmpX,
          OutputFormat::Section, OutputFormat::TextComponents, OutputFormat::Irc,
          OutputFormat::IrcHex, OutputFormat::Discord, OutputFormat::Pango, OutputFormat::Matrix,
          OutputFormat::Rtf}) {
        if (!readableIn(format, run.request, letters))
            continue;
        Run other = run;
        other.request.format = format;
        MarkupBuffer buffer;
        SegmentState segments;
        PlainFadeHost host(run.colors[0], run.colors[1], run.colors[2], run.countAnswer);
        const FadeResult result = generate(other, buffer, segments, host);
        Expect(result.status == FadeResult::Status::Done, "every format fades what a page does");
        Expect(ReadShownTurns(format, *result.output) ==
                   ExpectedTurns(format, letters, colors, run.request.options.waving),
               "every format shows the page's letters in the page's colours");
    }
}

bool isColourMode(int mode)
{
    return (mode >= FadeMode::Normal && mode <= FadeMode::TWMystery) || mode == FadeMode::Stops;
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
    SegmentState segments;
    PlainFadeHost host(run.colors[0], run.colors[1], run.colors[2], run.countAnswer);
    const FadeResult result = generate(run, buffer, segments, host);
    Expect(result.status == expectedStatus(run, letters), "the run ends as its input asks");
    Expect(segments.StageIndex == 0, "every run leaves the segment cycle at its start");
    if (result.status != FadeResult::Status::Done) {
        const bool tooBig = !request.message.isEmpty() &&
            result.status == FadeResult::Status::Refused && !result.notice;
        Expect(!tooBig || result.output == TooBig, "an over-long page is refused as too big");
        return 0;
    }

    const QString &markup = *result.output;
    const bool wholeInput = !HasUnpairedSurrogate(request.message) &&
        !HasUnpairedSurrogate(request.options.fontFace) &&
        !HasUnpairedSurrogate(request.options.fontSize);
    if (wholeInput) {
        Expect(!HasUnpairedSurrogate(markup), "no markup holds an unpaired surrogate");
        // A byte order mark in front is text here, as a letter or in the face.
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::ConvertInitialBom |
                                QStringDecoder::Flag::Stateless);
        Expect(utf8(markup.toUtf8()) == markup && !utf8.hasError(), "the markup survives UTF-8");
    }
    const bool page = request.format == OutputFormat::Page;
    if (!isColourMode(request.fadeMode)) {
        if (request.options.waving)
            walkNoFadeMarkup(markup, letters, request);
        else
            Expect(markup == request.message, "no fade without waving is the message itself");
        if (page)
            checkOtherFormats(run, letters, {});
    } else {
        const ColourTurns turns = walkColourMarkup(markup, letters, request);
        if (page)
            checkOtherFormats(run, letters, turns.colors);
        const bool gradient = request.fadeMode == FadeMode::Normal ||
            request.fadeMode == FadeMode::TTintra || request.fadeMode == FadeMode::DUDadodov ||
            request.fadeMode == FadeMode::TWMystery;
        if (gradient && !isCarriageReturn(*letters.begin()))
            Expect(turns.colors.first() == Hex6(RGB(host.color(1))),
                   "a gradient starts at colour 1");
        if (turns.endsWithLetter)
            Expect(result.lastColor && Hex6(*result.lastColor) == turns.colors.last(),
                   "the last colour is that of the last letter");
    }

    // The same run into the same buffer, while the first markup is still held.
    const QString copy(markup.constData(), markup.size());
    SegmentState againSegments;
    PlainFadeHost againHost(run.colors[0], run.colors[1], run.colors[2], run.countAnswer);
    const FadeResult again = generate(run, buffer, againSegments, againHost);
    Expect(again.output == copy, "a run repeated with the same seed gives the same markup");
    Expect(markup == copy, "a held markup keeps its text while the buffer serves again");
    return 0;
}
