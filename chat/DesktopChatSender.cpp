#include "chat/DesktopChatSender.h"

#include "chat/WindowTreeSender.h"
#include "chat/room/DesktopWindowTree.h"

#ifndef Q_OS_WIN
#include "chat/WineChatBridge.h"

#include <QFileInfo>
#include <QStandardPaths>
#endif

#include <QDir>

using namespace Qt::StringLiterals;

std::unique_ptr<ChatSender> MakeDesktopChatSender(const QString &programFolder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(programFolder)
#else
    const QString wine = QStandardPaths::findExecutable(u"wine"_s);
    const QString helper = ChatHelperPath(programFolder);
    if (!wine.isEmpty() && QFileInfo(helper).isFile())
        return std::make_unique<WineChatBridge>(wine, helper);
#endif
    return std::make_unique<WindowTreeSender>(
        MakeDesktopWindowTree([] { QCoreApplication::processEvents(); }));
}

QString ChatHelperPath(const QString &programFolder)
{
    // The build tree repeats the installed layout's path from the program to the helper.
    return QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(TINTRA_HELPER_FROM_PROGRAM)));
}
