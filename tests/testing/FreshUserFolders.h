#pragma once

#include <QByteArray>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <optional>
#include <utility>
#include <vector>

// Points HOME and the XDG folders (configuration, cache, data, state and a private runtime
// folder) into a new empty temporary folder for as long as it lives, so nothing an earlier run
// left behind in the user's folders can reach a test, and nothing a test writes reaches them.
class FreshUserFolders
{
public:
    FreshUserFolders();
    ~FreshUserFolders();

    QString home() const { return m_home.path(); }

    // Sets or unsets another variable until the folders go.
    void set(const char *name, const QByteArray &value);
    void unset(const char *name);

private:
    void save(const char *name);

    QTemporaryDir m_home;
    std::vector<std::pair<const char *, std::optional<QByteArray>>> m_saved;
};

// Sets an environment variable until the returned guard goes.
inline auto SetVariableInScope(const char *name, const QByteArray &value)
{
    const std::optional<QByteArray> saved =
        qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    qputenv(name, value);
    return qScopeGuard([name, saved] { saved ? qputenv(name, *saved) : qunsetenv(name); });
}
