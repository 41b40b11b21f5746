#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "forms/preview/PreviewFolder.h"
#include "panel/ChoiceList.h"
#include "presets/PresetStore.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MainWindowPresets : public testing::Test
{
protected:
    MainWindowPresets() { start(); }

    // A window as the program starts it, the user's presets file left as it was.
    void start()
    {
        window = std::make_unique<Tintra3>(services);
        window->fontNameList().addItems({u"Arial"_s, u"Comic Sans MS"_s});
        window->fontSizeList().addItems({u"1"_s, u"3"_s, u"5"_s});
        SlideIn(*window);
        QApplication::setActiveWindow(window.get());
    }

    template<typename Control = QWidget> Control *control(const QString &name) const
    {
        return FindControl<Control>(*window, name);
    }

    // Clicks through the options menu along the captions, a submenu at each step.
    void choose(const QStringList &captions) const
    {
        QTest::mouseClick(control<QPushButton>(u"Command7"_s), Qt::LeftButton);
        QMenu *menu = control<QMenu>(u"Tintra4"_s);
        for (const QString &caption : captions) {
            const QList<QAction *> items = menu->actions();
            const auto item = std::ranges::find(items, caption, &QAction::text);
            ASSERT_NE(item, items.end()) << caption.toStdString();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*item).center());
            if (QMenu *submenu = (*item)->menu()) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return submenu->isVisible(); }));
                menu = submenu;
            }
        }
        QApplication::processEvents(); // the notices wait until the menu has gone
    }

    QStringList presetCaptions() const
    {
        QStringList captions;
        QMenu *presets = control<QMenu>(u"Presets"_s);
        emit presets->aboutToShow();
        for (const QAction *item : presets->actions())
            captions << item->text();
        return captions;
    }

    QString generate(const QString &message) const
    {
        control<QPlainTextEdit>(u"Text7"_s)->setPlainText(message);
        QTest::mouseClick(control<QPushButton>(u"Command1"_s), Qt::LeftButton);
        return control<QPlainTextEdit>(u"Text10"_s)->toPlainText();
    }

    const PreviewFolder previewFolder;
    AnsweringDialogs dialogs;
    RandomSource random {7};
    Services services {dialogs, random};
    std::unique_ptr<Tintra3> window;
};

const QString Sunset = uR"(<FONT FACE="Arial" SIZE=1><FONT COLOR="#2E1760">a</FONT>)"
                       uR"(<FONT COLOR="#C0366E">b</FONT><FONT COLOR="#FF7E47">c</FONT>)"
                       uR"(<FONT COLOR="#FFD36E">d</FONT></FONT>)"_s;

} // namespace

// A preset sets what it holds and comes back after a restart, a rename and a round trip
// through a shared file; lines of the file that hold no preset are said once.
TEST_F(MainWindowPresets, ChooseSaveRenameDeleteExportAndImport)
{
    choose({u"Presets"_s, u"Sunset"_s});
    EXPECT_EQ(control<ChoiceList>(u"Combo3"_s)->currentText(), u"Stops Fade"_s);
    EXPECT_EQ(generate(u"abcd"_s), Sunset);

    choose({u"Bold"_s});
    dialogs.answerInput(u" Mine "_s);
    choose({u"Presets"_s, u"Save Current as Preset…"_s});
    choose({u"Presets"_s, u"Mint"_s});
    EXPECT_FALSE(control<QAction>(u"Bold"_s)->isChecked());
    window.reset();
    start();
    choose({u"Presets"_s, u"Mine"_s});
    EXPECT_TRUE(control<QAction>(u"Bold"_s)->isChecked());
    EXPECT_EQ(generate(u"abcd"_s),
              QString(Sunset)
                  .replace(u"SIZE=1>"_s, u"SIZE=1><B>"_s)
                  .replace(u"</FONT></FONT>"_s, u"</FONT></B></FONT>"_s));

    dialogs.answerInput(u"Ours"_s);
    choose({u"Presets"_s, u"Rename"_s, u"Mine"_s});
    QTemporaryDir shared;
    const QString file = shared.filePath(u"shared.jsonl"_s);
    dialogs.answerOpenFile(file);
    choose({u"Presets"_s, u"Export…"_s});
    choose({u"Presets"_s, u"Delete"_s, u"Ours"_s});
    EXPECT_FALSE(presetCaptions().contains(u"Ours"_s));
    dialogs.answerOpenFile(file);
    choose({u"Presets"_s, u"Import…"_s});
    EXPECT_TRUE(presetCaptions().contains(u"Ours"_s));
    EXPECT_TRUE(dialogs.notices().empty());

    QFile presets(PresetStore().path());
    ASSERT_TRUE(presets.open(QIODevice::Append));
    presets.write("{\"name\":\"cut off\n");
    presets.close();
    choose({u"Presets"_s, u"Ours"_s});
    choose({u"Presets"_s, u"Ours"_s});
    ASSERT_EQ(dialogs.notices().size(), 1U);
    EXPECT_TRUE(dialogs.notices()[0].text.startsWith(u"A line of "_s));
    EXPECT_TRUE(presetCaptions().contains(u"Ours"_s));
}

// The clipboard's markup, else the output box's, gives the message and the fewest stops.
TEST_F(MainWindowPresets, TakeColoursFromMarkupChoosesTheFadeOfTheFewestStops)
{
    const struct
    {
        const char *name;
        QString clipboard;
        QString fade;
        QString message;
        QStringList colorBoxes;
    } cases[] = {
        {"two stops",
         u"[color=#FF0000]a[/color][color=#AA0055]b[/color][color=#5500AA]c"_s,
         u"Normal Fade"_s,
         u"abc"_s,
         {u"#FF0000"_s, u"#0000FF"_s}},
        {"three",
         u"<#ff0000>a<#0000ff>b<#00ff00>c"_s,
         u"TTintra Fade"_s,
         u"abc"_s,
         {u"#FF0000"_s, u"#0000FF"_s, u"#00FF00"_s}},
        {"four",
         u"&#ff0000a&#0000ffb&#00ff00c&#ffffffd"_s,
         u"Stops Fade"_s,
         u"abcd"_s,
         {u"#FF0000"_s, u"#0000FF"_s, u"#00FF00"_s}},
    };
    for (const auto &c : cases) {
        QGuiApplication::clipboard()->setText(c.clipboard);
        choose({u"Take Colours from Markup"_s});
        EXPECT_EQ(control<ChoiceList>(u"Combo3"_s)->currentText(), c.fade) << c.name;
        EXPECT_EQ(control<QPlainTextEdit>(u"Text7"_s)->toPlainText(), c.message) << c.name;
        for (int box = 0; box < c.colorBoxes.size(); ++box)
            EXPECT_EQ(control<QLineEdit>(u"Text%1"_s.arg(box + 2))->text(), c.colorBoxes[box])
                << c.name;
    }
    EXPECT_TRUE(generate(u"abcd"_s).endsWith(u"<FONT COLOR=\"#FFFFFF\">d</FONT></FONT>"_s));

    QGuiApplication::clipboard()->setText(u"plain"_s);
    generate(u"xy"_s);
    control<QPlainTextEdit>(u"Text7"_s)->clear();
    choose({u"Take Colours from Markup"_s});
    EXPECT_EQ(control<QPlainTextEdit>(u"Text7"_s)->toPlainText(), u"xy"_s);
    QGuiApplication::clipboard()->clear();
    control<QPlainTextEdit>(u"Text10"_s)->setPlainText(u"none"_s);
    choose({u"Take Colours from Markup"_s});
    EXPECT_EQ(dialogs.notices().size(), 1U);
}

// Choosing Stops Fade opens the stops; each change reaches the bars, the chart and the fade.
TEST_F(MainWindowPresets, TheStopsEditorAddsRemovesMovesAndChoosesStops)
{
    ChoiceList *fades = control<ChoiceList>(u"Combo3"_s);
    fades->setFocus();
    for (int step = 0; step < 9; ++step)
        QTest::keyClick(fades, Qt::Key_Down);
    ASSERT_EQ(fades->currentIndex(), FadeMode::Stops);
    auto *editor = control(u"StopsEditor"_s);
    ASSERT_TRUE(editor->isVisible());
    auto *list = control<QListWidget>(u"StopsList"_s);
    const auto shown = [&] {
        QStringList stops;
        for (int row = 0; row < list->count(); ++row)
            stops << list->item(row)->text();
        return stops;
    };
    const auto press = [&](const QString &button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    };
    EXPECT_EQ(shown(), (QStringList {u"#FF0000"_s, u"#0000FF"_s, u"#00FF00"_s}));
    list->setCurrentRow(1);
    QApplication::setActiveWindow(editor);
    list->setFocus();
    for (const QString &next :
         {u"AddStop"_s, u"RemoveStop"_s, u"MoveStopUp"_s, u"MoveStopDown"_s, u"StopsList"_s}) {
        QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(editor->focusWidget()->objectName(), next);
        EXPECT_FALSE(AccessibleText(editor->focusWidget(), QAccessible::Name).isEmpty());
    }

    list->setCurrentRow(2);
    press(u"AddStop"_s);
    dialogs.answerColor(RGB(255, 255, 255));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(shown(), (QStringList {u"#FF0000"_s, u"#0000FF"_s, u"#00FF00"_s, u"#FFFFFF"_s}));
    EXPECT_EQ(dialogs.colorsOffered().back(), RGB(0, 255, 0));
    EXPECT_EQ(
        generate(u"abcdefg"_s),
        uR"(<FONT FACE="Arial" SIZE=1><FONT COLOR="#FF0000">a</FONT><FONT COLOR="#800080">b</FONT>)"
        uR"(<FONT COLOR="#0000FF">c</FONT><FONT COLOR="#008080">d</FONT><FONT COLOR="#00FF00">e</FONT>)"
        uR"(<FONT COLOR="#80FF80">f</FONT><FONT COLOR="#FFFFFF">g</FONT></FONT>)"_s);

    press(u"MoveStopUp"_s);
    EXPECT_EQ(control<QLineEdit>(u"Text4"_s)->text(), u"#FFFFFF"_s); // colour 3 is stop 3
    EXPECT_EQ(list->currentRow(), 2);
    list->setCurrentRow(0);
    EXPECT_FALSE(control<QPushButton>(u"MoveStopUp"_s)->isEnabled());
    press(u"MoveStopDown"_s);
    EXPECT_EQ(control<QLineEdit>(u"Text2"_s)->text(), u"#0000FF"_s);
    press(u"RemoveStop"_s);
    press(u"RemoveStop"_s);
    EXPECT_EQ(shown(), (QStringList {u"#0000FF"_s, u"#00FF00"_s}));
    EXPECT_FALSE(control<QPushButton>(u"RemoveStop"_s)->isEnabled());
    EXPECT_FALSE(control<QScrollBar>(u"HScroll7"_s)->isEnabled());
    for (int add = 0; add < 8; ++add)
        press(u"AddStop"_s);
    EXPECT_EQ(list->count(), 10);
    EXPECT_FALSE(control<QPushButton>(u"AddStop"_s)->isEnabled());

    // The bars move the first three stops; a double click on the chart brings the stops back.
    editor->close();
    control<QScrollBar>(u"HScroll1"_s)->setValue(255);
    QTest::mouseDClick(control<PictureBox>(u"Picture1"_s), Qt::LeftButton);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(list->item(0)->text(), u"#FF00FF"_s);
}
