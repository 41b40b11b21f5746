// Sends a line through Tintra's chat window as a user would, with the chat window finding its
// way to the chat room as the program `tintra` in the build tree does: through tintra-post.exe
// under Wine. It opens the window, types the UTF-8 line on standard input, picks "Normal Fade"
// and presses "Send Text!", then says how long the helper took to answer.
//
// Exit status as tintra-post.exe's: 0 posted, 3 no room; 1 for anything else (no Wine bridge, a
// message box, a failed or stopped helper).

#include "chat/DesktopChatSender.h"
#include "chat/TintaAOL.h"
#include "chat/WineChatBridge.h"
#include "engine/RandomSource.h"
#include "tests/testing/FreshUserFolders.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    // Whatever the chat window keeps on disk stays in folders of this run's own.
    const FreshUserFolders folders;
    QApplication app(argc, argv);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    std::unique_ptr<ChatSender> sender =
        MakeDesktopChatSender(QStringLiteral(TINTRA_PROGRAM_FOLDER));
    auto *bridge = dynamic_cast<WineChatBridge *>(sender.get());
    if (!bridge) {
        std::fputs("no Wine bridge: wine or tintra-post.exe is missing\n", stderr);
        return 1;
    }
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    QWidget owner;
    auto *window = new TintaAOL(services, {}, std::move(sender), &owner);
    QElapsedTimer clock;
    int status = 1;
    QObject::connect(bridge, &WineChatBridge::lineDone, &app, [&](WineChatBridge::Outcome outcome) {
        std::printf("\"Send Text!\" to the helper's answer: %lld ms\n", clock.elapsed());
        status = outcome == WineChatBridge::Outcome::Posted ? 0
            : outcome == WineChatBridge::Outcome::NoRoom    ? 3
                                                            : 1;
        app.quit();
    });
    window->findChild<QComboBox *>(u"Combo1"_s)->setCurrentIndex(0);
    window->findChild<QPlainTextEdit *>(u"Text7"_s)
        ->setPlainText(QString::fromUtf8(input.readAll()));
    clock.start();
    QTest::mouseClick(window->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    app.exec();

    if (!dialogs.notices().empty()) {
        std::fputs("a message box appeared\n", stderr);
        return 1;
    }
    return status;
}
