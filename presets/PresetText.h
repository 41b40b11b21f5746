#pragma once

#include "presets/Preset.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The presets file holds one preset per line as a JSON object, so that a line broken by hand or
// cut off by a full disk costs that preset only:
//   {"name":"Dusk","fade":"stops","colors":["#FF5E3A","#2B1055"],"count":5,"bold":true,...}
// Keys left out take their defaults; blank lines are skipped.
struct PresetLines
{
    QList<Preset> presets;
    // The lines that hold no preset, kept as they are so that rewriting the file loses nothing
    // a person could still mend.
    QList<QByteArray> unreadable;
};

PresetLines ReadPresetLines(const QByteArray &text);
QByteArray WritePresetLines(const PresetLines &lines);

// One preset as its line, without the line break, and back.
QByteArray PresetLine(const Preset &preset);
std::optional<Preset> ParsePresetLine(const QByteArray &line);

// The names that the file and tintra-fade give the fade types and the output formats.
QString FadeModeName(int mode);
std::optional<int> FadeModeNamed(const QString &name);
QString OutputFormatName(OutputFormat format);
std::optional<OutputFormat> OutputFormatNamed(const QString &name);
