#include "app/TintraProgram.h"
#include "forms/preview/WebEngineSetup.h"

#include <QApplication>
#include <QTextStream>

#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process, at the resolution of its clock ticks.
double millisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22, the start time, counts from the field after the command's closing parenthesis.
    std::size_t position = text.rfind(')') + 2;
    for (int field = 3; field < 22; ++field)
        position = text.find(' ', position) + 1;
    const double startTicks = std::stod(text.substr(position, text.find(' ', position) - position));
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMilliseconds = double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    return nowMilliseconds - startTicks * 1e3 / double(sysconf(_SC_CLK_TCK));
}

} // namespace

// Starts the program as a user would and prints how long it took from process start until the
// main window stands at rest in view.
int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tintra"));
    const TintraProgram program;
    QCoreApplication::processEvents();
    QTextStream(stdout) << "start-up: " << millisecondsSinceProcessStart() << " ms\n";
    return 0;
}
