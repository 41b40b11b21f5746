#pragma once

#include "engine/formats/ShownTurns.h"

class Letters;

// The turns that the letters of a message take in the given format, with the colours that the
// page markup of the same fade gives them (none for "No Fade") and the waving where the format
// shows it.
QList<ShownTurn> ExpectedTurns(OutputFormat format, const Letters &letters,
                               const QList<ColorValue> &colors, bool waving);
