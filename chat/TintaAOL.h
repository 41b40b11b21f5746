#pragma once

#include "engine/FadeHost.h"
#include "engine/SegmentState.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class ChatSender;
class PictureBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
struct Services;

// The chat fader window: a strip at the bottom of the screen, above every other window, that
// fades the typed line and posts it into the chat room. Constructing it loads it: it paints its
// background, slides in from above the screen and offers the main window's font names from the
// second on. Its lines go to this desktop's chat room, or wherever the given sender takes them.
class TintaAOL : public QWidget, private FadeHost
{
    Q_OBJECT

public:
    TintaAOL(Services &services, const QStringList &mainWindowFontNames, QWidget *parent = nullptr);
    TintaAOL(Services &services, const QStringList &mainWindowFontNames,
             std::unique_ptr<ChatSender> chatSender, QWidget *parent = nullptr);
    ~TintaAOL() override;

public slots:
    void Command1_Click();
    void Combo1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMessageColumn();
    void createOptions();
    void createColorPickers();
    void connectControls();
    void Form_Load(const QStringList &mainWindowFontNames);
    void Form_Unload();
    void HScroll_Change(int bar);
    void paintchart();
    bool Text7_KeyPress(const QKeyEvent &event);
    QString chosenFontFace() const;

    Rgb color(int which) const override;
    void setChannel(int bar, int value) override;
    QString askCount(const QString &prompt, const QString &title,
                     const QString &defaultText) override;

    Services &m_services;
    std::unique_ptr<ChatSender> m_chatSender;
    SegmentState m_segmentState;
    qint16 ThreeColourChart = 0; // 1: the chart shows the fade over all three colours
    bool m_unloading = false;

    QPlainTextEdit *Text7 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QPushButton *Command1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
    std::array<QScrollBar *, 9> HScroll {}; // HScroll1 .. HScroll9
    std::array<QFrame *, 3> Swatch {}; // Picture1, Picture2, Picture4
    PictureBox *Picture3 = nullptr;
};
