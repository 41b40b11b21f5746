#pragma once

#include "engine/ColorValue.h"
#include "engine/LetterLoop.h"
#include "engine/SegmentPlanners.h"

#include <QList>

inline constexpr qsizetype MinimumStops = 2;
inline constexpr qsizetype MaximumStops = 10;

// A gradient through k stops over n letters in k − 1 passes of h = n \ (k − 1) letters, the
// last pass taking the rest: pass j runs from stop j toward stop j + 1, a h-th of the way per
// turn, so two stops fade as Normal Fade does and three as TTintra Fade. The last pass can hold
// up to h + k − 2 letters; those past its h-th step show the final stop rather than overshoot it.
// With fewer letters than passes, the letter at position i shows stop i.
template<typename Writer>
void FadeThroughStops(LetterLoop<Writer> &loop, const QList<Rgb> &stops, qsizetype letters)
{
    const qsizetype passes = stops.size() - 1;
    const qsizetype h = letters / passes;
    if (h == 0) {
        for (qsizetype position = 1; position <= letters; ++position) {
            const ColorValue stop = RGB(stops[position - 1]);
            loop.runTo(
                position, [stop] { return stop; }, [] {});
        }
        return;
    }
    for (qsizetype pass = 1; pass < passes; ++pass)
        loop.runGradientTo(pass * h, stops[pass - 1], stops[pass], double(h));
    SegmentState running;
    SetSegment(running, stops[passes - 1], stops[passes], double(h));
    const ColorValue last = RGB(stops[passes]);
    qsizetype turn = 0;
    loop.runTo(
        letters, [&] { return turn > h ? last : LetterColor(running); },
        [&] {
            ++turn;
            TakeStep(running);
        });
}
