#pragma once

#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class ChatSender;
class ChoiceList;
class FaderPanel;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
struct Services;

// The chat fader window: a strip at the bottom of the screen, above every other window, that
// fades the typed line and posts it into the chat room. Constructing it loads it: it paints its
// background, slides in from above the screen and offers the main window's font names from the
// second on. Its lines go to this desktop's chat room, or wherever the given sender takes them.
// Closed, it slides away and says so, for the main window to come back.
class TintaAOL : public QWidget
{
    Q_OBJECT

public:
    TintaAOL(Services &services, const QStringList &mainWindowFontNames, QWidget *parent = nullptr);
    TintaAOL(Services &services, const QStringList &mainWindowFontNames,
             std::unique_ptr<ChatSender> chatSender, QWidget *parent = nullptr);
    ~TintaAOL() override;

signals:
    // The window has slid away.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Command1_Click();
    void Combo1_Click();
    void HScroll_Change(int which);

private:
    void createMessageColumn();
    void createOptions();
    void createColorPickers();
    void Form_Load(const QStringList &mainWindowFontNames);
    void Form_Unload();
    QString chosenFontFace() const;

    Services &m_services;
    std::unique_ptr<ChatSender> m_chatSender;

    QPlainTextEdit *m_message = nullptr;
    QLineEdit *m_lastColor = nullptr; // Text1, out of sight, shows the last letter's colour
    ChoiceList *m_fadeList = nullptr;
    ChoiceList *m_fontNames = nullptr;
    QCheckBox *m_waving = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_elite = nullptr;
    std::array<QFrame *, 3> m_swatches {};
    FaderPanel *m_panel = nullptr;
};
