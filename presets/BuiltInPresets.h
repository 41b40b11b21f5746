#pragma once

#include "presets/Preset.h"

#include <QList>

// The presets that come with the program, shown before the user's own: they leave the face,
// the size and the styles as they are and write classic HTML.
QList<Preset> BuiltInPresets();
