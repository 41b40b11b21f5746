#pragma once

#include "chat/ChatSender.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

// Where the chat window's lines go on this desktop, for the program whose file lies in
// programFolder. On Windows: the chat room search over user32. Elsewhere, when wine is on the PATH
// and tintra-post.exe stands beside the program as installed: the Wine bridge. Otherwise the
// desktop without a client, where lines go nowhere. While the search looks, the program's own
// events run.
std::unique_ptr<ChatSender>
MakeDesktopChatSender(const QString &programFolder = QCoreApplication::applicationDirPath());

// Where tintra-post.exe stands for the program in programFolder, installed or in the build tree.
QString ChatHelperPath(const QString &programFolder);
