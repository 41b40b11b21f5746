#include "tests/testing/FreshUserFolders.h"

#include <QDir>

FreshUserFolders::FreshUserFolders()
{
    const QDir home(m_home.path());
    set("HOME", m_home.path().toLocal8Bit());
    const std::pair<const char *, const char *> folders[] = {{"XDG_CONFIG_HOME", ".config"},
                                                             {"XDG_CACHE_HOME", ".cache"},
                                                             {"XDG_DATA_HOME", ".local/share"},
                                                             {"XDG_STATE_HOME", ".local/state"},
                                                             {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto &[variable, folder] : folders)
        set(variable, home.filePath(QLatin1String(folder)).toLocal8Bit());
    // The runtime folder must exist and be private to count as one.
    home.mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

FreshUserFolders::~FreshUserFolders()
{
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
        it->second ? qputenv(it->first, *it->second) : qunsetenv(it->first);
}

void FreshUserFolders::set(const char *name, const QByteArray &value)
{
    save(name);
    qputenv(name, value);
}

void FreshUserFolders::unset(const char *name)
{
    save(name);
    qunsetenv(name);
}

void FreshUserFolders::save(const char *name)
{
    m_saved.emplace_back(
        name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
}
