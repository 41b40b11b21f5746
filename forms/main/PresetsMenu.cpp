#include "forms/main/PresetsMenu.h"

#include "presets/BuiltInPresets.h"
#include "winhelpers/Dialogs.h"

#include <QDir>
#include <QMenu>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString NoticeTitle = u"Presets"_s;
const QString PresetFilter = u"Tintra presets (*.jsonl)"_s;

QString menuText(const QString &name)
{
    return QString(name).replace(u'&', u"&&"_s);
}

} // namespace

PresetsMenu::PresetsMenu(QMenu &optionsMenu, QWidget &window, Dialogs &dialogs, PresetStore store,
                         std::function<Preset()> current, std::function<void(const Preset &)> apply)
    : QObject(&optionsMenu)
    , m_menu(optionsMenu.addMenu(u"Presets"_s))
    , m_window(window)
    , m_dialogs(dialogs)
    , m_store(std::move(store))
    , m_current(std::move(current))
    , m_apply(std::move(apply))
{
    m_menu->setObjectName(u"Presets"_s);
    m_menu->setFont(QFont());
    connect(m_menu, &QMenu::aboutToShow, this, &PresetsMenu::rebuild);
    // A message box waits until the menu has gone.
    connect(m_menu, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, &PresetsMenu::tellUnreadable); });
    rebuild();
}

void PresetsMenu::rebuild()
{
    m_menu->clear();
    const PresetLines saved = m_store.load();
    m_unreadable = saved.unreadable.size();
    const auto choice = [this](const Preset &preset) {
        m_menu->addAction(menuText(preset.name), this, [this, preset] { m_apply(preset); });
    };
    for (const Preset &preset : BuiltInPresets())
        choice(preset);
    if (!saved.presets.isEmpty())
        m_menu->addSeparator();
    for (const Preset &preset : saved.presets)
        choice(preset);
    m_menu->addSeparator();
    m_menu->addAction(u"Save Current as Preset…"_s, this, &PresetsMenu::saveCurrent)
        ->setObjectName(u"SavePreset"_s);
    QMenu *renames = m_menu->addMenu(u"Rename"_s);
    QMenu *deletions = m_menu->addMenu(u"Delete"_s);
    renames->setEnabled(!saved.presets.isEmpty());
    deletions->setEnabled(!saved.presets.isEmpty());
    for (const Preset &preset : saved.presets) {
        renames->addAction(menuText(preset.name), this,
                           [this, name = preset.name] { rename(name); });
        deletions->addAction(menuText(preset.name), this,
                             [this, name = preset.name] { tellProblem(m_store.remove(name)); });
    }
    m_menu->addAction(u"Import…"_s, this, &PresetsMenu::importFile);
    m_menu->addAction(u"Export…"_s, this, &PresetsMenu::exportFile)
        ->setEnabled(!saved.presets.isEmpty());
}

void PresetsMenu::tellUnreadable()
{
    if (m_unreadable == 0 || m_unreadableTold)
        return;
    m_unreadableTold = true;
    m_dialogs.messageBox(
        &m_window,
        {u"%1 of %2 could not be read and %3 left out."_s.arg(
             m_unreadable == 1 ? u"A line"_s : u"%1 lines"_s.arg(m_unreadable),
             QDir::toNativeSeparators(m_store.path()), m_unreadable == 1 ? u"is"_s : u"are"_s),
         NoticeIcon::Critical, NoticeTitle});
}

void PresetsMenu::saveCurrent()
{
    const QString name =
        m_dialogs.inputBox(&m_window, u"Name of the preset:"_s, NoticeTitle, QString()).trimmed();
    if (name.isEmpty())
        return;
    const QList<Preset> builtIns = BuiltInPresets();
    if (std::ranges::find(builtIns, name, &Preset::name) != builtIns.end()) {
        tellProblem(u"\"%1\" is the name of a built-in preset."_s.arg(name));
        return;
    }
    Preset preset = m_current();
    preset.name = name;
    tellProblem(m_store.save(preset));
}

void PresetsMenu::rename(const QString &name)
{
    const QString to =
        m_dialogs.inputBox(&m_window, u"New name of the preset:"_s, NoticeTitle, name).trimmed();
    if (!to.isEmpty() && to != name)
        tellProblem(m_store.rename(name, to));
}

void PresetsMenu::importFile()
{
    const QString file =
        m_dialogs.chooseOpenFile(&m_window, u"Import Presets"_s, QDir::homePath(), PresetFilter);
    if (file.isEmpty())
        return;
    qsizetype imported = 0;
    tellProblem(m_store.importFrom(file, imported));
}

void PresetsMenu::exportFile()
{
    const QString file = m_dialogs.chooseSaveFile(
        &m_window, u"Export Presets"_s, QDir::home().filePath(u"presets.jsonl"_s), PresetFilter);
    if (!file.isEmpty())
        tellProblem(m_store.exportTo(file));
}

void PresetsMenu::tellProblem(const std::optional<QString> &problem)
{
    if (problem)
        m_dialogs.messageBox(&m_window, {*problem, NoticeIcon::Critical, NoticeTitle});
}
