#pragma once

#include "engine/ColorValue.h"
#include "engine/SegmentState.h"

class RandomSource;
class UserColors;

// Starts a segment at start that moves toward end by a howMuch-th of the way per letter.
inline void SetSegment(SegmentState &state, const Rgb &start, const Rgb &end, double howMuch)
{
    state.StepR = (end.red - start.red) / howMuch;
    state.StepG = (end.green - start.green) / howMuch;
    state.StepB = (end.blue - start.blue) / howMuch;
    state.FadeR = start.red;
    state.FadeG = start.green;
    state.FadeB = start.blue;
}

// The colour of the current letter: the running colour, rounded ties-to-even.
inline ColorValue LetterColor(const SegmentState &state)
{
    return RGB(RoundHalfEven(state.FadeR), RoundHalfEven(state.FadeG), RoundHalfEven(state.FadeB));
}

// Moves the running colour on by one letter's step.
inline void TakeStep(SegmentState &state)
{
    state.FadeR += state.StepR;
    state.FadeG += state.StepG;
    state.FadeB += state.StepB;
}

// Two stages: colour 1 → colour 2, then colour 2 → colour 1.
void ColorX(SegmentState &state, const UserColors &colors, double howMuch);

// Random targets: each segment starts at the last target and heads for a new random colour.
// StageIndex 2 (set by the caller) starts from the caller's From and To instead.
void ColorX2(SegmentState &state, RandomSource &random, double howMuch);

// Four stages: colour 1 → 2 → 3 → 2 → 1, and round again.
void ColorX3(SegmentState &state, const UserColors &colors, double howMuch);
