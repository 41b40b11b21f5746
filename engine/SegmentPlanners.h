#pragma once

#include "engine/ColorValue.h"
#include "engine/SegmentState.h"

class RandomSource;
class UserColors;

// Starts a segment at start that moves toward end by a howMuch-th of the way per letter.
void SetSegment(SegmentState &state, Rgb start, Rgb end, double howMuch);

// The colour of the current letter: the running colour, rounded ties-to-even.
ColorValue LetterColor(const SegmentState &state);

// Moves the running colour on by one letter's step.
void TakeStep(SegmentState &state);

// Two stages: colour 1 → colour 2, then colour 2 → colour 1.
void ColorX(SegmentState &state, const UserColors &colors, double howMuch);

// Random targets: each segment starts at the last target and heads for a new random colour.
// StageIndex 2 (set by the caller) starts from the caller's From and To instead.
void ColorX2(SegmentState &state, RandomSource &random, double howMuch);

// Four stages: colour 1 → 2 → 3 → 2 → 1, and round again.
void ColorX3(SegmentState &state, const UserColors &colors, double howMuch);
