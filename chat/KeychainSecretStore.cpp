#include "chat/KeychainSecretStore.h"

#include <QCoreApplication>
#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace {

const QString Service = u"Tintra IRC"_s;

} // namespace

void KeychainSecretStore::read(const QString &key, std::function<void(std::optional<QString>)> done)
{
    if (const auto known = m_thisRun.constFind(key); known != m_thisRun.cend()) {
        done(*known);
        return;
    }
    auto *job = new QKeychain::ReadPasswordJob(Service, this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job *ended) {
        const auto *reading = static_cast<QKeychain::ReadPasswordJob *>(ended);
        done(reading->error() == QKeychain::NoError ? std::optional(reading->textData())
                                                    : std::nullopt);
    });
    job->start();
}

void KeychainSecretStore::write(const QString &key, const QString &secret,
                                std::function<void(bool)> done)
{
    m_thisRun.insert(key, secret);
    auto *job = new QKeychain::WritePasswordJob(Service, this);
    job->setKey(key);
    // Without a store the password stays in memory: never in a plain file instead.
    job->setInsecureFallback(false);
    job->setTextData(secret);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job *ended) {
        done(ended->error() == QKeychain::NoError);
    });
    job->start();
}

SecretStore &DesktopSecretStore()
{
    QCoreApplication *application = QCoreApplication::instance();
    auto *store =
        application->findChild<KeychainSecretStore *>(QString(), Qt::FindDirectChildrenOnly);
    return store ? *store : *new KeychainSecretStore(application);
}
