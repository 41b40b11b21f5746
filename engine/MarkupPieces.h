#pragma once

#include "engine/ColorValue.h"

#include <QString>
#include <QStringView>

class MarkupWriter;

// The page fragment of the main window, or the shorter line the chat window posts: unquoted
// colours, letter tags left open, no size, italic, underline or closing tags.
enum class MarkupDialect { Page, ChatLine };

struct FadeOptions
{
    QString fontFace;
    QString fontSize;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool waving = false;
};

// What a letter wears for the waving effect, and the phase the next turn takes.
struct WaveTags
{
    QStringView start;
    QStringView end;
    int nextPhase = 1;
};

inline constexpr QStringView LineBreak = u"<br>";

// Phases 1..4: raised, level, lowered, level.
WaveTags WaveStep(int wavePhase);

void MarkupOpening(MarkupWriter &out, const FadeOptions &options, MarkupDialect dialect);
void LetterFragment(MarkupWriter &out, QStringView letter, ColorValue color, const WaveTags &wave,
                    MarkupDialect dialect);
void MarkupClosing(MarkupWriter &out, const FadeOptions &options, MarkupDialect dialect);

// The whole output of "No Fade": with waving off the message itself; with waving on, the
// opening, each letter behind a raise or lower tag of its own, and (on a page) the closing.
QString NoFadeText(QStringView message, const FadeOptions &options, MarkupDialect dialect);
