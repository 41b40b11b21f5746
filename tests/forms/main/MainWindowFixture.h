#pragma once

#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "forms/preview/PreviewFolder.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Readable failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QColor &color, std::ostream *out)
{
    *out << "RGB(" << color.red() << ", " << color.green() << ", " << color.blue() << ')';
}

// Dialogs that also note what the output box showed while a number was asked.
class WatchingDialogs : public AnsweringDialogs
{
public:
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        outputWhileAsked = parent->findChild<QPlainTextEdit *>("Text10")->toPlainText();
        return AnsweringDialogs::inputBox(parent, prompt, title, defaultText);
    }

    QString outputWhileAsked;
};

// The main window slid in with three font names and the sizes listed, "Arial" at size 3 chosen,
// on a clock that runs as fast as it is read and a random source that always draws alike.
class MainWindowFixture : public testing::Test
{
protected:
    MainWindowFixture()
    {
        services.clock = [this] {
            return now += 0.05;
        };
        services.previewFolder = previewFolder.path();
        window = std::make_unique<Tintra3>(services);
        window->fontNameList().addItems({"Arial", "Comic Sans MS", "DejaVu Sans"});
        window->fontSizeList().addItems({"1", "2", "3", "4", "5", "6", "7"});
        window->fontSizeList().setCurrentIndex(2);
        SlideIn(*window);
        QApplication::setActiveWindow(window.get());
    }

    template<typename Control> Control *control(const QString &name) const
    {
        auto *found = window->findChild<Control *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QPlainTextEdit *text7() const { return control<QPlainTextEdit>("Text7"); }
    QPlainTextEdit *text10() const { return control<QPlainTextEdit>("Text10"); }
    QAction *item(const QString &name) const { return control<QAction>(name); }
    QComboBox *fades() const { return control<QComboBox>("Combo3"); }
    PictureBox *chart() const { return control<PictureBox>("Picture1"); }
    QScrollBar *bar(int n) const { return control<QScrollBar>("HScroll" + QString::number(n)); }
    // The hex box of colour c, 1 to 3.
    QLineEdit *box(int c) const { return control<QLineEdit>("Text" + QString::number(c + 1)); }
    QString label(int n) const { return control<QLabel>("Label" + QString::number(n))->text(); }
    static QColor background(const QLineEdit *box) { return box->palette().color(QPalette::Base); }

    void click(const QString &name) const
    {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }
    static void clickInto(QPlainTextEdit *box)
    {
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, {5, 5});
    }
    static void selectAll(QPlainTextEdit *box) { QTest::keyClick(box, 'a', Qt::ControlModifier); }
    void typeMessage(const QString &text) const
    {
        text7()->clear();
        QTest::keyClicks(text7(), text);
    }

    QString generate(const QString &message) const
    {
        typeMessage(message);
        click("Command1");
        return text10()->toPlainText();
    }

    // Steps the fade list with the arrow keys, as a user picks from a closed list.
    void chooseFade(int mode) const
    {
        fades()->setFocus();
        for (int step = 0; step < 9 && fades()->currentIndex() != mode; ++step)
            QTest::keyClick(fades(), fades()->currentIndex() < mode ? Qt::Key_Down : Qt::Key_Up);
    }

    // The colour of a chart band (1..80) in the middle of its stripe.
    QColor band(int number) const
    {
        const QImage &image = chart()->image();
        return image.pixelColor(int((number - 0.5) * image.width() / 80), image.height() / 2);
    }

    double now = 0;
    const PreviewFolder previewFolder;
    WatchingDialogs dialogs;
    RandomSource random {7, [] {
                             return quint64(12345);
                         }};
    Services services {dialogs, random};
    std::unique_ptr<Tintra3> window;
};
