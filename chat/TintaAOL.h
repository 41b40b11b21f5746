#pragma once

#include "chat/ChatWindowSettings.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class ChatSender;
class ChatStatusLine;
class ChoiceList;
class FaderPanel;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class IrcChannelSender;
class SecretStore;
struct Services;

// The chat fader window: a strip at the bottom of the screen, above every other window, that
// fades the typed line and posts it into the chat room. Constructing it loads it: it paints its
// background, slides in from above the screen and offers the main window's font names from the
// second on. Its lines go to this desktop's chat room, or wherever the given sender takes them,
// or, when the user sends to IRC, to the channel set in its IRC settings, whose password the
// secret store keeps. It remembers where it sends between runs. Closed, it slides away and says
// so, for the main window to come back.
class TintaAOL : public QWidget
{
    Q_OBJECT

public:
    TintaAOL(Services &services, const QStringList &mainWindowFontNames, QWidget *parent = nullptr);
    TintaAOL(Services &services, const QStringList &mainWindowFontNames,
             std::unique_ptr<ChatSender> chatSender, QWidget *parent = nullptr);
    TintaAOL(Services &services, const QStringList &mainWindowFontNames,
             std::unique_ptr<ChatSender> chatSender, SecretStore &secrets,
             QWidget *parent = nullptr);
    ~TintaAOL() override;

signals:
    // The window has slid away.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Combo1_Click();
    void Combo3_Click();
    void HScroll_Change(int which);

private:
    void createMessageColumn();
    void createOptions();
    void createColorPickers();
    void createDestinationRow();
    void Form_Load(const QStringList &mainWindowFontNames);
    void Form_Unload();
    QString chosenFontFace() const;
    ChatSender &destinationSender();

    Services &m_services;
    std::unique_ptr<ChatSender> m_chatSender;
    SecretStore &m_secrets;
    ChatWindowSettings m_settings;
    // Opened by the first line to IRC, and again after the IRC settings change.
    std::unique_ptr<IrcChannelSender> m_ircSender;

    QPlainTextEdit *m_message = nullptr;
    QLineEdit *m_lastColor = nullptr; // Text1, out of sight, shows the last letter's colour
    ChoiceList *m_fadeList = nullptr;
    ChoiceList *m_fontNames = nullptr;
    QCheckBox *m_waving = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_elite = nullptr;
    std::array<QFrame *, 3> m_swatches {};
    FaderPanel *m_panel = nullptr;
    ChoiceList *m_destinations = nullptr;
    ChatStatusLine *m_status = nullptr;
};
