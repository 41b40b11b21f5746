#pragma once

#include "chat/SecretStore.h"

#include <QHash>
#include <QObject>

// The desktop's secret store, reached through QtKeychain, and what was told to it in this run: a
// password that no store could keep is still known until the program ends, so that a desktop
// without a store asks for it only once each run.
class KeychainSecretStore : public QObject, public SecretStore
{
    Q_OBJECT

public:
    using QObject::QObject;

    void read(const QString &key, std::function<void(std::optional<QString>)> done) override;
    void write(const QString &key, const QString &secret, std::function<void(bool)> done) override;

private:
    QHash<QString, QString> m_thisRun;
};

// The program's one secret store, which lives as long as the application object.
SecretStore &DesktopSecretStore();
