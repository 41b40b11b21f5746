#include "winhelpers/TextBox.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// What the desktop's clipboard may hold, as the program receives it.
std::unique_ptr<QMimeData> clipboardData(const char *kind)
{
    auto data = std::make_unique<QMimeData>();
    if (qstrcmp(kind, "text") == 0)
        data->setText(u"pasted"_s);
    else if (qstrcmp(kind, "empty text") == 0)
        data->setText(QString());
    else if (qstrcmp(kind, "picture") == 0)
        data->setImageData(QImage(1, 1, QImage::Format_RGB32));
    return data; // "no formats": the desktop's empty clipboard
}

// Drags the data in from elsewhere and drops it at the end of the text.
void dropOnto(TextBox &box, const QMimeData &data)
{
    const QPoint end(box.viewport()->width() - 2, box.fontMetrics().height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box.viewport(), &enter);
    QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box.viewport(), &drop);
}

// Every way data comes into a box: the paste keys over the selected "message", a drop after it.
// Data without text changes neither the text nor the selection.
TEST(TextBox, TakesInOnlyDataThatHoldsText)
{
    const std::pair<const char *, QString> ways[] = {
        {"Ctrl+V", u"Hi pasted"_s}, {"Shift+Ins", u"Hi pasted"_s}, {"drop", u"Hi messagepasted"_s}};
    for (const auto &[way, withText] : ways) {
        for (const char *kind : {"no formats", "empty text", "picture", "text"}) {
            TextBox box;
            box.setPlainText(u"Hi message"_s);
            box.show();
            QTextCursor cursor = box.textCursor();
            cursor.setPosition(3);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            box.setTextCursor(cursor);
            std::unique_ptr<QMimeData> data = clipboardData(kind);
            const QMimeData &brought = *data;
            QGuiApplication::clipboard()->setMimeData(data.release());
            if (qstrcmp(way, "drop") == 0)
                dropOnto(box, brought);
            else
                QTest::keySequence(&box, QKeySequence(QString::fromLatin1(way)));
            const bool hasText = qstrcmp(kind, "text") == 0;
            EXPECT_EQ(box.toPlainText(), hasText ? withText : u"Hi message"_s) << way << kind;
            if (!hasText) {
                EXPECT_EQ(box.textCursor().selectedText(), u"message"_s) << way << kind;
            }
        }
    }
}

} // namespace
