#pragma once

#include "chat/ChatWindowSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The chat window's IRC connection as the user sets it: server, port, TLS (on unless turned off,
// with a warning when off), nickname, channel, the login and its password, and a certificate to
// trust by its fingerprint. OK is offered once there is a channel to go to.
class IrcSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    IrcSettingsDialog(const ChatWindowSettings &settings, QWidget *parent = nullptr);

    // The settings as entered, without the password.
    ChatWindowSettings settings() const;
    // The password typed; empty keeps the one the login had.
    QString password() const;

private:
    void tlsToggled(bool on);
    void loginChosen();
    void check();

    const ChatWindowSettings m_original;
    QLineEdit *m_server;
    QSpinBox *m_port;
    QCheckBox *m_tls;
    QLabel *m_plainWarning;
    QLineEdit *m_nickname;
    QLineEdit *m_channel;
    QComboBox *m_login;
    QLineEdit *m_account;
    QLineEdit *m_password;
    QLineEdit *m_fingerprint;
    QDialogButtonBox *m_buttons;
};
