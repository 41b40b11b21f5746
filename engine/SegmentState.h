#pragma once

#include <QtGlobal>

// The segment cycle of a fading window: shared by the segment planners, the generator and the
// fade chart, so a chart drawing must leave StageIndex where it found it.
struct SegmentState
{
    qint16 StageIndex = 0;
    double FadeR = 0;
    double FadeG = 0;
    double FadeB = 0;
    double StepR = 0;
    double StepG = 0;
    double StepB = 0;
    qint16 FromR = 0;
    qint16 FromG = 0;
    qint16 FromB = 0;
    qint16 ToR = 0;
    qint16 ToG = 0;
    qint16 ToB = 0;
};
