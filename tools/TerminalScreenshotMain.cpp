// Draws terminal output read from standard input, with its 24-bit colours, bold, italic and
// underline, below the command line when one is given, as a dark terminal window shows it, to a
// PNG:
//   tintra-terminal-screenshot OUTPUT.png [COMMAND] < OUTPUT-OF-COMMAND
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QColor Background(30, 30, 36);
const QColor Plain(220, 220, 220);

// Draws one line of text with its escape sequences at the baseline y.
void drawLine(QPainter &painter, const QString &line, int y, int left)
{
    static const QRegularExpression sequence(u"\x1b\\[([0-9;]*)m"_s);
    QFont font = painter.font();
    QColor color = Plain;
    int x = left;
    qsizetype at = 0;
    const auto drawText = [&](QStringView text) {
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(x, y, text.toString());
        x += QFontMetrics(font).horizontalAdvance(text.toString());
    };
    for (const QRegularExpressionMatch &match : sequence.globalMatch(line)) {
        drawText(QStringView(line).sliced(at, match.capturedStart() - at));
        const QStringList codes = match.captured(1).split(u';');
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const int code = codes[i].toInt();
            if (code == 38 && i + 4 < codes.size() && codes[i + 1] == u"2"_s) {
                color = QColor(codes[i + 2].toInt(), codes[i + 3].toInt(), codes[i + 4].toInt());
                i += 4;
            } else if (code == 0) {
                font = painter.font();
                color = Plain;
            } else {
                font.setBold(font.bold() || code == 1);
                font.setItalic(font.italic() || code == 3);
                font.setUnderline(font.underline() || code == 4);
            }
        }
        at = match.capturedEnd();
    }
    drawText(QStringView(line).sliced(at));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fputs("usage: tintra-terminal-screenshot OUTPUT.png [COMMAND] < OUTPUT-OF-COMMAND\n",
                   stderr);
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    const QString commandLine = arguments.size() == 3 ? u"$ "_s + arguments[2] + u'\n' : QString();
    const QStringList lines =
        (commandLine + QString::fromUtf8(input.readAll())).trimmed().split(u'\n');

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(13);
    const QFontMetrics metrics(font);
    const int margin = 16;
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width,
                         metrics.horizontalAdvance(
                             QString(line).remove(QRegularExpression(u"\x1b\\[[0-9;]*m"_s))));
    QImage image(width + 2 * margin + 8 * metrics.averageCharWidth(),
                 int(lines.size()) * metrics.lineSpacing() + 2 * margin, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (qsizetype row = 0; row < lines.size(); ++row)
        drawLine(painter, lines[row], margin + metrics.ascent() + int(row) * metrics.lineSpacing(),
                 margin);
    painter.end();
    return image.save(arguments[1]) ? 0 : 1;
}
