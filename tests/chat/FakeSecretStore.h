#pragma once

#include "chat/SecretStore.h"

#include <QHash>

// A secret store in memory, which may be unavailable, as on a desktop without one.
class FakeSecretStore : public SecretStore
{
public:
    void read(const QString &key, std::function<void(std::optional<QString>)> done) override
    {
        done(available && kept.contains(key) ? std::optional(kept.value(key)) : std::nullopt);
    }
    void write(const QString &key, const QString &secret, std::function<void(bool)> done) override
    {
        if (available)
            kept.insert(key, secret);
        done(available);
    }

    bool available = true;
    QHash<QString, QString> kept;
};
