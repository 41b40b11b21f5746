#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The font list cache, so later starts need not list the installed fonts: a header line, then
// one font name per line, every line ending in CR CR LF. The text is UTF-8.
class FontListFile
{
public:
    // "Font Names.INI" in the user's cache folder for the program.
    static QString defaultPath();

    explicit FontListFile(QString path = defaultPath());

    const QString &path() const { return m_path; }

    // The names in the file, or none when it is missing, cannot be read, is not text or holds no
    // name: any of these means the fonts must be listed afresh.
    std::optional<QStringList> read() const;

    // Writes the names over whatever was there, creating the folder when missing; false when the
    // file could not be written.
    bool write(const QStringList &names) const;

    // The names in the bytes of a file, or none when they are not text (a NUL byte, or not
    // UTF-8) or hold no name.
    static std::optional<QStringList> namesFromBytes(const QByteArray &bytes);
    // The reading rule: items end at commas and line ends; items that are empty or contain "["
    // are not names.
    static QStringList namesFromText(QStringView text);
    static QByteArray bytesOf(const QStringList &names);

private:
    QString m_path;
};
