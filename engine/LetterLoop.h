#pragma once

#include "engine/ColorValue.h"
#include "engine/Letters.h"
#include "engine/MarkupPieces.h"
#include "engine/SegmentPlanners.h"

#include <QList>

// The turns of one run: letter after letter, a CR LF pair taking one turn as a line break,
// each turn moving the waving phase on and asking for its colour, whether it shows it or not.
// The writer takes each turn: writer.letter(letter, colour, wave height) or
// writer.lineBreak(wave height); its opening and closing are the caller's to ask for. The
// colour of every letter also goes to log, when given, so the same fade can be written again.
template<typename Writer> class LetterLoop
{
public:
    LetterLoop(const Letters &letters, bool waving, Writer &writer,
               QList<ColorValue> *log = nullptr)
        : m_letters(letters)
        , m_next(letters.begin())
        , m_waving(waving)
        , m_writer(writer)
        , m_log(log)
    { }

    // Runs turns until the letter index reaches limit (a count of letters from the start).
    template<typename ColorOfTurn, typename AfterTurn>
    void runTo(qsizetype limit, ColorOfTurn &&colorOfTurn, AfterTurn &&afterTurn)
    {
        // Worked on in locals, which the writes of the markup cannot be taken to change.
        const bool waving = m_waving;
        QList<ColorValue> *const log = m_log;
        const Letters::Iterator stop = m_letters.at(limit);
        Letters::Iterator next = m_next;
        int wavePhase = m_wavePhase;
        ColorValue color = m_lastColor;
        while (next < stop) {
            WaveHeight wave = WaveHeight::Level;
            if (waving) {
                const WaveTags tags = WaveStep(wavePhase);
                wave = tags.height;
                wavePhase = tags.nextPhase;
            }
            color = colorOfTurn();
            const QStringView letter = *next;
            if (isCarriageReturn(letter)) {
                m_writer.lineBreak(wave);
                if (!next.isLast())
                    ++next; // the LF of the pair makes no turn of its own
            } else {
                m_writer.letter(letter, color, wave);
                if (log)
                    log->append(color);
            }
            afterTurn();
            ++next;
        }
        m_next = next;
        m_wavePhase = wavePhase;
        m_lastColor = color;
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
    Letters::Iterator m_next;
    const bool m_waving;
    Writer &m_writer;
    QList<ColorValue> *const m_log;
    int m_wavePhase = 1;
    ColorValue m_lastColor = 0;
};

// "No Fade" in the formats that write each letter whole: the letters without colour, raised
// and lowered in turn when waving, where only letters move the waving on.
template<typename Writer>
void WritePlainLetters(const Letters &letters, bool waving, Writer &writer)
{
    int wavePhase = 1;
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        const QStringView letter = *next;
        if (isCarriageReturn(letter)) {
            writer.lineBreak(WaveHeight::Level);
            if (!next.isLast())
                ++next; // the LF of the pair
            continue;
        }
        WaveHeight wave = WaveHeight::Level;
        if (waving) {
            const WaveTags tags = WaveStep(wavePhase);
            wave = tags.height;
            wavePhase = tags.nextPhase;
        }
        writer.plainLetter(letter, wave);
    }
}
