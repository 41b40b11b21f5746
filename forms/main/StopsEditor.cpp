#include "forms/main/StopsEditor.h"

#include "engine/StopsFade.h"
#include "panel/ColorBars.h"
#include "panel/FaderPanel.h"
#include "winhelpers/Dialogs.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QIcon swatch(const Rgb &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(color.red, color.green, color.blue));
    return QIcon(pixmap);
}

Rgb midpoint(const Rgb &a, const Rgb &b)
{
    return {(a.red + b.red) / 2, (a.green + b.green) / 2, (a.blue + b.blue) / 2};
}

} // namespace

StopsEditor::StopsEditor(FaderPanel &panel, Dialogs &dialogs, QWidget &window)
    : QWidget(&window, Qt::Tool)
    , m_panel(panel)
    , m_dialogs(dialogs)
    , m_list(new QListWidget(this))
    , m_add(new QPushButton(u"&Add"_s, this))
    , m_remove(new QPushButton(u"&Remove"_s, this))
    , m_up(new QPushButton(u"Move &Up"_s, this))
    , m_down(new QPushButton(u"Move &Down"_s, this))
{
    setObjectName(u"StopsEditor"_s);
    setWindowTitle(u"Stops"_s);
    m_list->setObjectName(u"StopsList"_s);
    m_list->setAccessibleName(u"Stops"_s);
    m_list->setAccessibleDescription(u"Enter or a double click chooses the stop's colour"_s);
    m_list->setToolTip(u"The colours the fade runs through, in order"_s);
    const std::tuple<QPushButton *, QString, QString> buttons[] = {
        {m_add, u"AddStop"_s, u"Add a stop after the chosen one, halfway to the next"_s},
        {m_remove, u"RemoveStop"_s, u"Remove the chosen stop"_s},
        {m_up, u"MoveStopUp"_s, u"Move the chosen stop one place up"_s},
        {m_down, u"MoveStopDown"_s, u"Move the chosen stop one place down"_s},
    };
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0, 5, 1);
    int row = 0;
    for (const auto &[button, name, toolTip] : buttons) {
        button->setObjectName(name);
        button->setToolTip(toolTip);
        layout->addWidget(button, row++, 1);
    }
    connect(m_add, &QPushButton::clicked, this, &StopsEditor::addStop);
    connect(m_remove, &QPushButton::clicked, this, &StopsEditor::removeStop);
    connect(m_up, &QPushButton::clicked, this, [this] { moveStop(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveStop(1); });
    connect(m_list, &QListWidget::currentRowChanged, this, &StopsEditor::enableButtons);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { chooseColor(m_list->row(item)); });
    connect(&m_panel.colorBars(), &ColorBars::changed, this, [this] {
        if (isVisible())
            refresh();
    });
}

void StopsEditor::showStops()
{
    refresh();
    if (m_list->currentRow() < 0)
        m_list->setCurrentRow(0);
    show();
    raise();
    activateWindow();
}

void StopsEditor::refresh()
{
    const QList<Rgb> stops = m_panel.stops();
    const int chosen = m_list->currentRow();
    m_list->clear();
    for (qsizetype stop = 0; stop < stops.size(); ++stop) {
        auto *item = new QListWidgetItem(swatch(stops[stop]), HColor1(RGB(stops[stop])), m_list);
        item->setData(Qt::AccessibleDescriptionRole,
                      u"Stop %1 of %2"_s.arg(stop + 1).arg(stops.size()));
    }
    m_list->setCurrentRow(std::min(chosen, m_list->count() - 1));
    enableButtons();
}

void StopsEditor::changeStops(const QList<Rgb> &stops, int chosen)
{
    m_panel.setStops(stops);
    refresh();
    m_list->setCurrentRow(chosen);
}

void StopsEditor::addStop()
{
    QList<Rgb> stops = m_panel.stops();
    const int row = std::max(m_list->currentRow(), 0);
    const Rgb added = row + 1 < stops.size() ? midpoint(stops[row], stops[row + 1]) : stops[row];
    stops.insert(row + 1, added);
    changeStops(stops, row + 1);
}

void StopsEditor::removeStop()
{
    QList<Rgb> stops = m_panel.stops();
    const int row = m_list->currentRow();
    stops.removeAt(row);
    changeStops(stops, std::min(row, int(stops.size()) - 1));
}

void StopsEditor::moveStop(int by)
{
    QList<Rgb> stops = m_panel.stops();
    const int row = m_list->currentRow();
    stops.swapItemsAt(row, row + by);
    changeStops(stops, row + by);
}

void StopsEditor::chooseColor(int row)
{
    QList<Rgb> stops = m_panel.stops();
    if (const std::optional<ColorValue> chosen = m_dialogs.chooseColor(this, RGB(stops[row]))) {
        stops[row] = SplitColor(*chosen);
        changeStops(stops, row);
    }
}

void StopsEditor::enableButtons()
{
    const int row = m_list->currentRow();
    const int count = m_list->count();
    m_add->setEnabled(count < MaximumStops);
    m_remove->setEnabled(row >= 0 && count > MinimumStops);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < count);
}
