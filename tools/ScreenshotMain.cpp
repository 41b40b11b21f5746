#include "app/TintraProgram.h"
#include "chat/TintaAOL.h"
#include "forms/main/Tintra3.h"
#include "forms/preview/WebEngineSetup.h"

#include <QApplication>
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

} // namespace

// Starts the program as usual and saves a picture of its main window to the first file named
// on the command line; given a second file, it then presses "AOL4 Chat Talker" and saves the
// chat window that opens.
int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 3) {
        QTextStream(stderr) << "usage: tintra-screenshot MAIN.png [CHAT.png]\n";
        return 2;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Tintra"));
    TintraProgram program;
    QCoreApplication::processEvents();
    if (!savePicture(program.mainWindow(), arguments[1]))
        return 1;
    if (arguments.size() == 3) {
        program.mainWindow().findChild<QPushButton *>(u"Command2"_s)->click();
        QCoreApplication::processEvents();
        auto *chatWindow = program.mainWindow().findChild<TintaAOL *>();
        if (chatWindow == nullptr || !savePicture(*chatWindow, arguments[2]))
            return 1;
    }
    return 0;
}
