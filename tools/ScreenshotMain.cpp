#include "app/TintraProgram.h"
#include "chat/IrcSettingsDialog.h"
#include "chat/TintaAOL.h"
#include "engine/FadeGenerator.h"
#include "forms/main/Tintra3.h"
#include "forms/preview/WebEngineSetup.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

bool savePicture(QWidget &window, const QString &fileName)
{
    if (window.grab().save(fileName))
        return true;
    QTextStream(stderr) << "tintra-screenshot: cannot write " << fileName << '\n';
    return false;
}

// Chooses the preset "Sunset" and then "Stops Fade" in the list, as a user does, which opens
// the stops window.
QWidget *openStops(QWidget &mainWindow)
{
    auto *presets = mainWindow.findChild<QMenu *>(u"Presets"_s);
    emit presets->aboutToShow();
    const QList<QAction *> items = presets->actions();
    (*std::ranges::find(items, u"Sunset"_s, &QAction::text))->trigger();
    auto *fades = mainWindow.findChild<QComboBox *>(u"Combo3"_s);
    emit fades->activated(FadeMode::Stops);
    QCoreApplication::processEvents();
    return mainWindow.findChild<QWidget *>(u"StopsEditor"_s);
}

// Saves the chat window's "IRC Settings…" dialog as a user fills it in for a channel on
// Libera.Chat, with a SASL account and its password typed; built here rather than through the
// button, whose dialog would start from the settings in the user's own configuration.
bool saveIrcSettings(QWidget &chatWindow, const QString &fileName)
{
    ChatWindowSettings example;
    example.irc.host = u"irc.libera.chat"_s;
    example.irc.nickname = u"tintra_fan"_s;
    example.irc.channel = u"#tintra"_s;
    example.login = IrcLogin::Sasl;
    example.irc.sasl = IrcSettings::SaslLogin {u"tintra_fan"_s, {}};
    IrcSettingsDialog dialog(example, &chatWindow);
    dialog.findChild<QLineEdit *>(u"password"_s)->setText(u"correct horse"_s);
    dialog.show();
    QCoreApplication::processEvents();
    return savePicture(dialog, fileName);
}

} // namespace

// Starts the program as usual and saves a picture of its main window to the first file named
// on the command line; given a third file, it chooses the preset "Sunset", opens the stops
// window and saves it there; given a second, it then presses "AOL4 Chat Talker" and saves the
// chat window that opens, and given a fourth, the chat window's IRC settings filled in there.
int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 5) {
        QTextStream(stderr)
            << "usage: tintra-screenshot MAIN.png [CHAT.png [STOPS.png [IRC-SETTINGS.png]]]\n";
        return 2;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Tintra"));
    TintraProgram program;
    QCoreApplication::processEvents();
    if (!savePicture(program.mainWindow(), arguments[1]))
        return 1;
    if (arguments.size() >= 4) {
        QWidget *stops = openStops(program.mainWindow());
        if (stops == nullptr || !savePicture(*stops, arguments[3]))
            return 1;
        stops->close();
    }
    if (arguments.size() >= 3) {
        program.mainWindow().findChild<QPushButton *>(u"Command2"_s)->click();
        QCoreApplication::processEvents();
        auto *chatWindow = program.mainWindow().findChild<TintaAOL *>();
        if (chatWindow == nullptr || !savePicture(*chatWindow, arguments[2]))
            return 1;
        if (arguments.size() == 5 && !saveIrcSettings(*chatWindow, arguments[4]))
            return 1;
    }
    return 0;
}
