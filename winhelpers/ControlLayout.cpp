#include "winhelpers/ControlLayout.h"

#include "engine/ColorValue.h"
#include "winhelpers/Twips.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <cmath>
#include <limits>

namespace {

qint16 recorded(double value)
{
    const int whole = RoundHalfEven(value);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return 0;
    return static_cast<qint16>(whole);
}

std::optional<float> scaled(double current, qint16 recordedExtent, qint16 value)
{
    if (recordedExtent == 0)
        return std::nullopt;
    return static_cast<float>(current / recordedExtent * value);
}

double fontPoints(const QWidget &control)
{
    const double points = control.font().pointSizeF();
    return points > 0 ? points : 0;
}

// Where the control draws its text.
QRect textRoom(const QWidget &control)
{
    if (const auto *button = qobject_cast<const QPushButton *>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return control.contentsRect();
}

} // namespace

LayoutTable &SharedLayoutTable()
{
    static LayoutTable table;
    return table;
}

ControlLayout RecordControl(const ControlMeasures &measures)
{
    return {recorded(measures.top),         recorded(measures.left),
            recorded(measures.width),       recorded(measures.height),
            recorded(measures.innerHeight), recorded(measures.innerWidth),
            recorded(measures.fontSize)};
}

ScaledControl ScaleControl(const ControlLayout &recorded, double innerHeight, double innerWidth)
{
    ScaledControl result {
        scaled(innerHeight, recorded.InnerHeight, recorded.Top),
        scaled(innerWidth, recorded.InnerWidth, recorded.Left),
        scaled(innerWidth, recorded.InnerWidth, recorded.Width),
        scaled(innerHeight, recorded.InnerHeight, recorded.Height),
        std::nullopt,
    };
    // Text grows only as far as the tighter of the two directions allows, so a window stretched
    // more one way than the other keeps its captions inside their controls.
    const std::optional<float> byHeight =
        scaled(innerHeight, recorded.InnerHeight, recorded.FontSize);
    const std::optional<float> byWidth = scaled(innerWidth, recorded.InnerWidth, recorded.FontSize);
    if (recorded.FontSize != 0 && byHeight && byWidth)
        result.fontSize = std::max(std::min(*byHeight, *byWidth), SmallestFontSize);
    return result;
}

QList<QWidget *> FormControls(const QWidget &window)
{
    QList<QWidget *> controls;
    for (QObject *child : window.children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow())
            controls.append(control);
    }
    return controls;
}

void SaveLayout(const QWidget &window, LayoutTable &table)
{
    const double dpi = LogicalDpi(window);
    const QList<QWidget *> controls = FormControls(window);
    table.assign(controls.size(), ControlLayout {});
    QApplication::beep();
    for (qsizetype index = 0; index < controls.size(); ++index) {
        const QWidget &control = *controls[index];
        const QRectF place = PixelsToTwips(control.geometry(), dpi);
        const QWidget &parent = *control.parentWidget();
        table[index] = RecordControl({place.top(), place.left(), place.width(), place.height(),
                                      PixelsToTwips(parent.height(), dpi),
                                      PixelsToTwips(parent.width(), dpi), fontPoints(control)});
    }
}

void ApplyLayout(QWidget &window, const LayoutTable &table)
{
    const double dpi = LogicalDpi(window);
    const double innerHeight = RoundHalfEven(PixelsToTwips(window.height(), dpi));
    const double innerWidth = RoundHalfEven(PixelsToTwips(window.width(), dpi));
    const QList<QWidget *> controls = FormControls(window);
    // Updates are held back instead of hiding each control, which would move the keyboard
    // focus away from the message box on every resize.
    const bool updates = window.updatesEnabled();
    window.setUpdatesEnabled(false);
    for (qsizetype index = 0; index < controls.size() && index < qsizetype(table.size()); ++index) {
        QWidget &control = *controls[index];
        const ScaledControl place = ScaleControl(table[index], innerHeight, innerWidth);
        const QRectF current = PixelsToTwips(control.geometry(), dpi);
        const QRectF target(place.left.value_or(current.left()), place.top.value_or(current.top()),
                            place.width.value_or(current.width()),
                            place.height.value_or(current.height()));
        control.setGeometry(TwipsToPixels(target, dpi));
        if (place.fontSize) {
            QFont font = control.font();
            font.setPointSizeF(*place.fontSize);
            control.setFont(font);
        }
    }
    window.setUpdatesEnabled(updates);
}

QSize SmallestSizeShowing(const QWidget &window, const QList<ControlText> &texts)
{
    double share = 0;
    for (const auto &[control, text] : texts) {
        const QRect room = textRoom(*control);
        const double needed =
            control->fontMetrics().horizontalAdvance(text) + control->width() - room.width();
        share = std::max(share, needed / control->width());
    }
    const QSize size = window.size();
    return {int(std::ceil(std::min(share, 1.0) * size.width())),
            int(std::ceil(std::min(share, 1.0) * size.height()))};
}
