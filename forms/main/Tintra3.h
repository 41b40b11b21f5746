#pragma once

#include "engine/FadeHost.h"
#include "engine/SegmentState.h"

#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <array>

class PictureBox;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class TintaAOL;
struct Services;

// The main fader window: the message and output boxes, the nine colour bars, the fade list,
// the font lists, the options menu and the commands. Constructing it loads it: it paints its
// background, records its layout and shows itself just above the screen, waiting to slide in.
class Tintra3 : public QWidget, private FadeHost
{
    Q_OBJECT

public:
    explicit Tintra3(Services &services, QWidget *parent = nullptr);

    // The font lists, which start-up fills and the chat window reads.
    QComboBox &fontNameList() { return *Combo1; }
    QComboBox &fontSizeList() { return *Combo2; }

signals:
    // The farewell has run; nothing of the program should run after this.
    void programEnded();

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void StayT_Click(bool checked);

    // A bar's value changed, by the user or the program. Qt reports every move of a dragged
    // thumb as a change too, so the display follows the thumb without a scroll handler.
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll4_Change();
    void HScroll5_Change();
    void HScroll6_Change();
    void HScroll7_Change();
    void HScroll8_Change();
    void HScroll9_Change();

    void Combo3_Click();
    void Picture1_Click();
    void Picture1_Resize();
    void Picture1_MouseDown(QPointF twips);
    void Picture1_MouseMove(QPointF twips, Qt::MouseButtons buttons);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createTextBoxes();
    void createCommands();
    void createColorPickers();
    void createLists();
    void createChart();
    void watchControls();
    void createOptionsMenu();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    bool keyPress(QObject *control, const QKeyEvent &event);
    bool retypeInMessage(const QKeyEvent &event);
    void Text7_KeyPress(QChar &typed) const;
    void click(QObject *control);
    QPlainTextEdit &selectionSource() const;
    void showChannel(int bar);
    void paintchart2();

    Rgb color(int which) const override;
    void setChannel(int bar, int value) override;
    void showProgress() override;
    QString askCount(const QString &prompt, const QString &title,
                     const QString &defaultText) override;

    Services &m_services;
    SegmentState m_segmentState;
    qint16 PasteTo = 0; // 1: PASTE goes into the message box, 0: into the output box
    qint16 RepeatMode = 0; // 1: "Repeater Fade", 2: "TCRepeater Fade", else 0
    qint16 ThreeColors = 0; // 1 while the chosen fade runs through three colours
    float DragX = 0; // where the chart was last pressed, in its own twips
    float DragY = 0;
    bool m_unloading = false;
    QPointer<TintaAOL> m_chatWindow;

    QLineEdit *Text1 = nullptr;
    QPlainTextEdit *Text7 = nullptr;
    QPlainTextEdit *Text10 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    std::array<QLabel *, 10> Label {}; // Label1 .. Label10
    std::array<QScrollBar *, 9> HScroll {}; // HScroll1 .. HScroll9
    std::array<QLineEdit *, 3> ColorBox {}; // Text2, Text3, Text4
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QComboBox *Combo3 = nullptr;
    PictureBox *Picture1 = nullptr;
    QMenu *Tintra4 = nullptr;
    QAction *Bold = nullptr;
    QAction *Italics = nullptr;
    QAction *Underline = nullptr;
    QAction *Waving = nullptr;
    QAction *Elite = nullptr;
    QAction *StayT = nullptr;
};
