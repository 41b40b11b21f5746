#pragma once

#include "engine/FadeGenerator.h"
#include "presets/PresetStore.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <array>
#include <optional>

// One run of tintra-fade as its command line describes it.
struct FadeJob
{
    FadeRequest request; // its message is empty until read
    QStringList words; // the message's words; none means standard input
    std::array<Rgb, 3> colors;
    QString count;
    std::optional<quint64> seed;
    bool measure = false; // print the length against the budget instead of the markup
};

// The options of tintra-fade: parses a command line into a job, help, version or a problem.
class FadeArguments
{
public:
    enum class Action { Fade, Help, Version, UsageError, ListPresets, SavePreset, ReadStops };

    // Whether the terminal shows 24-bit colour, which -f ansi then writes unless told otherwise
    // (the caller reads it from the environment); presets are looked up among the built-in ones
    // and those of the store.
    explicit FadeArguments(bool trueColorTerminal = true, PresetStore presets = PresetStore());

    Action parse(const QStringList &arguments);

    const FadeJob &job() const { return m_job; }
    const QString &problem() const { return m_problem; }
    // What --save-preset saves: the job's settings under its name.
    const Preset &presetToSave() const { return m_presetToSave; }
    PresetStore &presets() { return m_presets; }
    // The format that --read reads standard input as; none for any.
    const std::optional<OutputFormat> &markupFormat() const { return m_markupFormat; }
    // The options, then what each mode and format does and the exit codes.
    QString helpText() const;

private:
    Action readJob();
    std::optional<OutputFormat> readFormat();
    Action readBudget(OutputFormat format);
    bool readStops(int mode);
    Action applyPreset(const QStringList &arguments);
    Action readPresetToSave();
    Action refuse(const QString &problem);

    const bool m_trueColorTerminal;
    QCommandLineParser m_parser;
    const QCommandLineOption m_mode;
    const std::array<QCommandLineOption, 3> m_colors;
    const QCommandLineOption m_stops;
    const QCommandLineOption m_face;
    const QCommandLineOption m_size;
    const QCommandLineOption m_bold;
    const QCommandLineOption m_italic;
    const QCommandLineOption m_underline;
    const QCommandLineOption m_wave;
    const QCommandLineOption m_count;
    const QCommandLineOption m_format;
    const QCommandLineOption m_chat;
    const QCommandLineOption m_ansi24;
    const QCommandLineOption m_ansi256;
    const QCommandLineOption m_ircHex;
    const QCommandLineOption m_every;
    const QCommandLineOption m_budget;
    const QCommandLineOption m_fit;
    const QCommandLineOption m_ircPrefixRoom;
    const QCommandLineOption m_measure;
    const QCommandLineOption m_space;
    const QCommandLineOption m_seed;
    const QCommandLineOption m_preset;
    const QCommandLineOption m_listPresets;
    const QCommandLineOption m_savePreset;
    const QCommandLineOption m_read;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    FadeJob m_job;
    QString m_problem;
    PresetStore m_presets;
    Preset m_presetToSave;
    std::optional<OutputFormat> m_markupFormat;
};
