#include "winhelpers/testing/Monkey.h"

#include "winhelpers/PictureBox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QThread>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Shown, not minimised and on the screen: what the pointer can reach.
QList<QWidget *> windowsInView()
{
    QList<QWidget *> windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget *window) {
        return !window->isVisible() || window->isMinimized() ||
            window->windowType() == Qt::ToolTip ||
            !window->screen()->geometry().intersects(window->frameGeometry());
    });
    return windows;
}

QString nameOf(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    const QString name = !object         ? u"nothing"_s
        : object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                         : object->objectName();
    return widget && !widget->isWindow() ? name + u" in "_s + nameOf(widget->window()) : name;
}

} // namespace

Monkey::Monkey(QWidget &mainWindow, QRandomGenerator &random, Announce announce)
    : m_mainWindow(mainWindow)
    , m_random(random)
    , m_announce(std::move(announce))
{
    // A menu that holds the move up in an event loop of its own until it is answered, as a scroll
    // bar's context menu does, gets a click.
    QObject::connect(&m_menuAnswerer, &QTimer::timeout, [this] {
        if (QApplication::activePopupWidget() && QThread::currentThread()->loopLevel() > 0)
            point(*QApplication::activePopupWidget());
    });
}

QString Monkey::act()
{
    m_menuAnswerer.start(0);
    const int roll = below(100);
    QWidget *window = any(windowsInView());
    QString broken;
    if (window && roll < 45)
        point(*window);
    else if (roll < 80)
        broken = press();
    else if (roll < 92)
        type();
    else if (roll < 98)
        fillClipboard();
    else
        changeWindow();
    m_menuAnswerer.stop();
    QCoreApplication::processEvents();
    // Closed windows go away, as they do when the program's own event loop runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return broken;
}

// A click or double click at a random point of the window, of one of its controls or of a text
// box, which are small and much used; or a drag on a colour bar or a fade chart.
void Monkey::point(QWidget &window)
{
    enum Aim { Drag, Window, Control, TextBox };
    const Aim aim = Aim(below(4));
    QList<QWidget *> controls = window.findChildren<QWidget *>();
    controls.removeIf([aim](const QWidget *control) {
        const bool aimedAt = aim == Drag
            ? qobject_cast<const QScrollBar *>(control) || qobject_cast<const PictureBox *>(control)
            : aim == TextBox ? qobject_cast<const QPlainTextEdit *>(control) ||
                qobject_cast<const QLineEdit *>(control)
                             : control->focusPolicy() != Qt::NoFocus;
        return !control->isVisible() || !control->isEnabled() || !aimedAt;
    });
    QWidget *target = aim == Window ? &window : any(controls);
    if (!target)
        return;
    const Qt::MouseButton button = std::array {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                               Qt::RightButton, Qt::MiddleButton}[below(5)];
    const bool twice = aim != Drag && below(6) == 0;
    // A control can reach past the edge of a window made small, and offscreen a maximised window
    // keeps the screen's size when it is resized.
    const QSize size = window.windowHandle()->size();
    const auto inside = [size](QPoint point) {
        return QPoint(std::clamp(point.x(), 0, size.width() - 1),
                      std::clamp(point.y(), 0, size.height() - 1));
    };
    QPoint at =
        inside(target->mapTo(&window, QPoint(below(target->width()), below(target->height()))));
    const QString kind = aim == Drag ? u"drag"_s : twice ? u"double click"_s : u"click"_s;
    m_announce(u"%1 with button %2 at %3 on %4"_s.arg(
        kind, QString::number(button), u"%1,%2"_s.arg(at.x()).arg(at.y()), nameOf(target)));
    // With a list or menu open, Qt gives it the click, and one outside closes it.
    if (!QApplication::activePopupWidget())
        window.activateWindow();
    const QPointer<QWindow> handle = window.windowHandle();
    // The pointer travels to the point first, as an open list waits for before it takes a click.
    QTest::mouseMove(handle, at);
    if (twice)
        QTest::mouseDClick(handle, button, {}, at);
    else
        QTest::mousePress(handle, button, {}, at);
    for (int step = aim == Drag ? below(8) : -1; step >= 0 && handle; --step) {
        at = inside(at + QPoint(below(121) - 60, below(21) - 10));
        QTest::mouseMove(handle, at);
    }
    if (handle && !twice)
        QTest::mouseRelease(handle, button, {}, at);
}

QString Monkey::press()
{
    const QStringList keys = u"Ctrl+V Shift+Ins Ctrl+V Ctrl+X Ctrl+C Ctrl+A Tab Shift+Backtab Esc "
                             u"Return Ctrl+Return Ctrl+Tab Space Up Down Left Right PgUp End "
                             u"Backspace Del F4 Alt+Down Ctrl+Z Shift+Home"_s.split(u' ');
    const QKeyCombination key = QKeySequence(keys[below(keys.size())])[0];
    const QPointer box = qobject_cast<QPlainTextEdit *>(keyWindow()->focusObject());
    const QString before = box ? box->toPlainText() : QString();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const bool pastesNothing =
        (key == (Qt::CTRL | Qt::Key_V) || key == (Qt::SHIFT | Qt::Key_Insert)) &&
        (!data || data->formats().isEmpty());
    m_announce(u"key %1 for %2 over a clipboard of [%3]"_s.arg(
        QKeySequence(key).toString(), nameOf(keyWindow()->focusObject()),
        data ? data->formats().join(u", "_s) : u"no data"_s));
    const char ascii = QTest::keyToAscii(key.key());
    strike(key, ascii ? QString(QChar::fromLatin1(ascii)) : QString());
    return box && pastesNothing && box->toPlainText() != before
        ? u"a paste of nothing changed "_s + nameOf(box)
        : QString();
}

// A keyboard gives one character per key; a letter of several, a joined emoji or a flag, comes
// from an emoji picker or an input method, which commits it whole.
void Monkey::type()
{
    const QString text = randomText();
    m_announce(u"type \"%1\" into %2"_s.arg(
        QString(text).replace(u'\r', u"\\r"_s).replace(u'\n', u"\\n"_s),
        nameOf(keyWindow()->focusObject())));
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to = letters.toNextBoundary(); to > 0;
         from = to, to = letters.toNextBoundary()) {
        const QString letter = text.mid(from, to - from);
        if (letter.toUcs4().size() == 1) {
            strike(letter == u"\r"_s ? Qt::Key_Return : Qt::Key_unknown, letter);
        } else if (QObject *receiver = keyWindow()->focusObject()) {
            QInputMethodEvent commit;
            commit.setCommitString(letter);
            QCoreApplication::sendEvent(receiver, &commit);
        }
    }
}

// Data in no format is what the desktop's clipboard holds before anyone copies.
void Monkey::fillClipboard()
{
    auto data = std::make_unique<QMimeData>();
    const int kind = below(5);
    if (kind > 2)
        data->setText(randomText());
    if (kind > 3)
        data->setHtml(u"<b>%1</b>"_s.arg(data->text().toHtmlEscaped()));
    m_announce(kind ? u"copy [%1]"_s.arg(data->formats().join(u", "_s)) : u"clear the clipboard"_s);
    if (kind)
        QGuiApplication::clipboard()->setMimeData(data.release());
    else
        QGuiApplication::clipboard()->clear();
}

void Monkey::changeWindow()
{
    QList<QWidget *> windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget *window) {
        return !window->isVisible() || window->windowType() != Qt::Window;
    });
    QWidget *window = any(windows);
    if (!window)
        return;
    const int change = below(window == &m_mainWindow ? 4 : 5);
    m_announce(u"resize maximise minimise restore close"_s.split(u' ')[change] + u' ' +
               nameOf(window));
    if (change == 0)
        window->resize(1 + below(1000), 1 + below(800));
    else if (change == 1)
        window->showMaximized();
    else if (change == 2)
        window->showMinimized();
    else if (change == 3)
        window->showNormal();
    else
        window->close();
}

// The modifiers go down first and up last, each event to the window with the focus at that
// moment: a window can close under a key, as a menu does under Alt.
void Monkey::strike(QKeyCombination key, const QString &text)
{
    const Qt::KeyboardModifiers held = key.keyboardModifiers();
    const auto modifiers = [this, held](bool down) {
        for (const auto &[modifier, code] : {std::pair {Qt::ShiftModifier, Qt::Key_Shift},
                                             std::pair {Qt::ControlModifier, Qt::Key_Control},
                                             std::pair {Qt::AltModifier, Qt::Key_Alt}}) {
            if (held & modifier)
                QTest::simulateEvent(keyWindow(), down, code, held, {}, false);
        }
    };
    modifiers(true);
    QTest::simulateEvent(keyWindow(), true, key.key(), held, text, false);
    QTest::simulateEvent(keyWindow(), false, key.key(), held, text, false);
    modifiers(false);
}

// Offscreen, no window has the focus once a list or menu has closed; a desktop gives it back to
// the window below.
QWindow *Monkey::keyWindow() const
{
    QWindow *focused = QGuiApplication::focusWindow();
    return focused ? focused : m_mainWindow.windowHandle();
}

// A few letters of one script, or emoji, with a line end now and then.
QString Monkey::randomText()
{
    const std::pair<char32_t, char32_t> scripts[] {
        {0x20, 0x7e}, {0xa0, 0xff}, {0x400, 0x4ff}, {0x600, 0x6ff}, {0x4e00, 0x9fff}};
    const QStringList emoji =
        u"😀 👍🏽 👨‍👩‍👧 🇩🇪 ❤️ 🏳️‍🌈"_s.split(u' ');
    const QStringList lineEnds {u"\r"_s, u"\n"_s, u"\r\n"_s};
    const auto [first, last] = scripts[below(std::size(scripts))];
    const bool emojiOnly = below(6) == 0;
    QString text;
    for (int letter = below(12); letter >= 0; --letter) {
        const char32_t code = first + char32_t(below(last - first + 1));
        text += below(10) == 0 ? lineEnds[below(lineEnds.size())]
            : emojiOnly        ? emoji[below(emoji.size())]
                               : QString::fromUcs4(&code, 1);
    }
    return text;
}

int Monkey::below(qsizetype bound)
{
    return bound > 0 ? int(m_random.bounded(quint32(bound))) : 0;
}
