#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

class QWidget;

// Where one control stood when the layout was recorded, in twips, with the inner size of its
// window at that time and its font size in points.
struct ControlLayout
{
    qint16 Top = 0;
    qint16 Left = 0;
    qint16 Width = 0;
    qint16 Height = 0;
    qint16 InnerHeight = 0;
    qint16 InnerWidth = 0;
    qint16 FontSize = 0; // 0: the control has no point-sized font

    friend bool operator==(const ControlLayout &, const ControlLayout &) = default;
};

// One element per control of the window last recorded, in the order of its controls.
using LayoutTable = std::vector<ControlLayout>;

LayoutTable &SharedLayoutTable();

// A control's measures as read from the window, before rounding.
struct ControlMeasures
{
    double top = 0;
    double left = 0;
    double width = 0;
    double height = 0;
    double innerHeight = 0;
    double innerWidth = 0;
    double fontSize = 0;
};

// Rounds each measure to a whole number, halves to even; a measure that does not fit the record
// stays 0.
ControlLayout RecordControl(const ControlMeasures &measures);

// A recorded control scaled to the window's current inner size. A value that cannot be worked
// out (the recorded inner size is 0, the control had no font) is left out and the control keeps
// what it has.
struct ScaledControl
{
    std::optional<float> top;
    std::optional<float> left;
    std::optional<float> width;
    std::optional<float> height;
    std::optional<float> fontSize;
};

// Font sizes follow the smaller of the height and width ratios but never shrink below this.
inline constexpr float SmallestFontSize = 8.0f;

ScaledControl ScaleControl(const ControlLayout &recorded, double innerHeight, double innerWidth);

// The window's controls in creation order: its child widgets that are not windows of their own
// (a pop-up menu is not laid out).
QList<QWidget *> FormControls(const QWidget &window);

// Records every control of the window and sounds the beep once.
void SaveLayout(const QWidget &window, LayoutTable &table = SharedLayoutTable());

// Re-places and re-sizes every control in proportion to the window's current inner size.
void ApplyLayout(QWidget &window, const LayoutTable &table = SharedLayoutTable());

// A text that a control must show whole.
struct ControlText
{
    const QWidget *control;
    QString text;
};

// The smallest size to which the window can shrink, laid out in proportion again, with each text
// still whole in its control: laying out never makes a control's font larger at a smaller size,
// so the text is measured in its present font, against the room the control's style leaves.
QSize SmallestSizeShowing(const QWidget &window, const QList<ControlText> &texts);
