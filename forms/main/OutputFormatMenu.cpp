#include "forms/main/OutputFormatMenu.h"

#include <QActionGroup>

using namespace Qt::StringLiterals;

namespace {

struct FormatItem
{
    QString name;
    QString caption;
    OutputFormat format;
};

struct FormatGroup
{
    QString name;
    QString caption;
    QList<FormatItem> items;
};

QList<FormatGroup> formatGroups()
{
    return {
        {u"WebAndMail"_s,
         u"Web and mail"_s,
         {{u"ClassicHtml"_s, u"Classic HTML (FONT tags)"_s, OutputFormat::Page},
          {u"ModernHtml"_s, u"Modern HTML"_s, OutputFormat::Html}}},
        {u"Forums"_s, u"Forums"_s, {{u"BBCode"_s, u"BBCode"_s, OutputFormat::BBCode}}},
        {u"Games"_s,
         u"Games"_s,
         {{u"MiniMessage"_s, u"MiniMessage"_s, OutputFormat::MiniMessage},
          {u"AmpHex"_s, u"Hex colour codes of server plugins"_s, OutputFormat::AmpHex},
          {u"AmpX"_s, u"Hex x codes of server plugins"_s, OutputFormat::AmpX},
          {u"Section"_s, u"The game's own colour codes"_s, OutputFormat::Section},
          {u"TextComponents"_s, u"JSON text components"_s, OutputFormat::TextComponents}}},
        {u"Chat"_s,
         u"Chat"_s,
         {{u"Irc"_s, u"IRC"_s, OutputFormat::Irc},
          {u"IrcHex"_s, u"IRC with hex colours"_s, OutputFormat::IrcHex},
          {u"Discord"_s, u"Discord"_s, OutputFormat::Discord},
          {u"Matrix"_s, u"Matrix (event JSON)"_s, OutputFormat::Matrix}}},
        {u"StatusBars"_s, u"Status bars"_s, {{u"Pango"_s, u"Pango markup"_s, OutputFormat::Pango}}},
        {u"Documents"_s, u"Documents"_s, {{u"Rtf"_s, u"Rich Text (RTF)"_s, OutputFormat::Rtf}}},
    };
}

} // namespace

OutputFormatMenu::OutputFormatMenu(QWidget *parent)
    : QMenu(u"Output Format"_s, parent)
    , m_formats(new QActionGroup(this))
{
    setObjectName(u"OutputFormat"_s);
    setFont(QFont());
    for (const FormatGroup &group : formatGroups()) {
        QMenu *submenu = addMenu(group.caption);
        submenu->setObjectName(group.name);
        submenu->setFont(QFont());
        for (const FormatItem &item : group.items) {
            QAction *action = submenu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setCheckable(true);
            action->setData(int(item.format));
            m_formats->addAction(action);
        }
    }
    m_formats->actions().constFirst()->setChecked(true);
}

OutputFormat OutputFormatMenu::chosen() const
{
    return OutputFormat(m_formats->checkedAction()->data().toInt());
}

void OutputFormatMenu::choose(OutputFormat format)
{
    for (QAction *action : m_formats->actions()) {
        if (action->data().toInt() == int(format))
            action->setChecked(true);
    }
}
