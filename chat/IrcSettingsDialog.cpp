#include "chat/IrcSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {

// Channel names start with one of these; a name typed without one is meant for the usual "#".
bool startsAsChannel(const QString &name)
{
    return !name.isEmpty() && u"#&+!"_s.contains(name.front());
}

template<typename Control> Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

} // namespace

IrcSettingsDialog::IrcSettingsDialog(const ChatWindowSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_original(settings)
    , m_server(named(new QLineEdit(settings.irc.host), u"server"_s))
    , m_port(named(new QSpinBox, u"port"_s))
    , m_tls(named(new QCheckBox(tr("Encrypt the connection (TLS)")), u"tls"_s))
    , m_plainWarning(named(new QLabel(tr("Without TLS, anyone on the way can read your lines and "
                                         "your password.")),
                           u"plainWarning"_s))
    , m_nickname(named(new QLineEdit(settings.irc.nickname), u"nickname"_s))
    , m_channel(named(new QLineEdit(settings.irc.channel), u"channel"_s))
    , m_login(named(new QComboBox, u"login"_s))
    , m_account(named(new QLineEdit(settings.irc.sasl ? settings.irc.sasl->account : QString()),
                      u"account"_s))
    , m_password(named(new QLineEdit, u"password"_s))
    , m_fingerprint(named(new QLineEdit(QString::fromLatin1(
                              settings.irc.trustedCertificateSha256.toHex(':').toUpper())),
                          u"fingerprint"_s))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(tr("IRC Settings"));
    m_server->setPlaceholderText(u"irc.libera.chat"_s);
    m_port->setRange(1, 65535);
    m_port->setValue(settings.irc.effectivePort());
    m_tls->setChecked(settings.irc.tls);
    m_plainWarning->setWordWrap(true);
    m_plainWarning->setStyleSheet(u"color: #b00000; font-weight: bold"_s);
    m_plainWarning->setVisible(!settings.irc.tls);
    m_channel->setPlaceholderText(u"#channel"_s);
    // In the order of IrcLogin.
    m_login->addItems({tr("None"), tr("Server password"), tr("SASL PLAIN account")});
    m_login->setCurrentIndex(int(settings.login));
    m_password->setEchoMode(QLineEdit::Password);
    m_fingerprint->setPlaceholderText(tr("Only for a server that no authority vouches for"));

    auto *form = new QFormLayout(this);
    form->addRow(tr("&Server:"), m_server);
    form->addRow(tr("&Port:"), m_port);
    form->addRow(QString(), m_tls);
    form->addRow(QString(), m_plainWarning);
    form->addRow(tr("&Nickname:"), m_nickname);
    form->addRow(tr("&Channel:"), m_channel);
    form->addRow(tr("&Login:"), m_login);
    form->addRow(tr("&Account:"), m_account);
    form->addRow(tr("Pass&word:"), m_password);
    form->addRow(tr("&Trust the certificate\nwith SHA-256 fingerprint:"), m_fingerprint);
    form->addRow(m_buttons);

    connect(m_tls, &QCheckBox::toggled, this, &IrcSettingsDialog::tlsToggled);
    connect(m_login, &QComboBox::currentIndexChanged, this, &IrcSettingsDialog::loginChosen);
    for (QLineEdit *box : {m_server, m_nickname, m_channel, m_account, m_fingerprint})
        connect(box, &QLineEdit::textChanged, this, &IrcSettingsDialog::check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    loginChosen();
}

ChatWindowSettings IrcSettingsDialog::settings() const
{
    ChatWindowSettings settings = m_original;
    IrcSettings &irc = settings.irc;
    irc.host = m_server->text().trimmed();
    irc.port = quint16(m_port->value());
    irc.tls = m_tls->isChecked();
    irc.nickname = m_nickname->text().trimmed();
    irc.channel = m_channel->text().trimmed();
    if (!irc.channel.isEmpty() && !startsAsChannel(irc.channel))
        irc.channel.prepend(u'#');
    settings.login = IrcLogin(m_login->currentIndex());
    irc.sasl.reset();
    if (settings.login == IrcLogin::Sasl)
        irc.sasl = IrcSettings::SaslLogin {m_account->text().trimmed(), {}};
    irc.trustedCertificateSha256 = Sha256FromHex(m_fingerprint->text());
    return settings;
}

QString IrcSettingsDialog::password() const
{
    return m_password->text();
}

// The port follows TLS while it is the usual one.
void IrcSettingsDialog::tlsToggled(bool on)
{
    const int usual = on ? IrcSettings::PlainPort : IrcSettings::TlsPort;
    if (m_port->value() == usual)
        m_port->setValue(on ? IrcSettings::TlsPort : IrcSettings::PlainPort);
    m_plainWarning->setVisible(!on);
}

void IrcSettingsDialog::loginChosen()
{
    const auto login = IrcLogin(m_login->currentIndex());
    m_account->setEnabled(login == IrcLogin::Sasl);
    m_password->setEnabled(login != IrcLogin::None);
    m_password->setPlaceholderText(
        login == m_original.login && login != IrcLogin::None ? tr("Unchanged") : QString());
    check();
}

void IrcSettingsDialog::check()
{
    const QString fingerprint = m_fingerprint->text().trimmed();
    const bool fingerprintReads = fingerprint.isEmpty() || !Sha256FromHex(fingerprint).isEmpty();
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(settings().ircComplete() && fingerprintReads);
}
