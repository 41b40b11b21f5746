#pragma once

#include <QString>

#include <functional>
#include <optional>

// Where the chat window keeps a password: the desktop's secret store, never a plain file. Both
// calls answer later, through done, as the store answers.
class SecretStore
{
public:
    virtual ~SecretStore() = default;

    // The secret kept under key, or none when none is kept or no store answers.
    virtual void read(const QString &key, std::function<void(std::optional<QString>)> done) = 0;
    // Whether the store took the secret.
    virtual void write(const QString &key, const QString &secret,
                       std::function<void(bool)> done) = 0;
};
