#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The small page the preview window renders: the opening tags on line 1, the fragment and the
// closing tags after it. It is UTF-8 with CR LF line ends and starts with a byte order mark,
// which tells the browser the encoding without adding anything to line 1. It lives in the
// program's private folder (PreviewFolder), and a link found under its name is never followed.
class PreviewFile
{
public:
    static constexpr QLatin1String FileName {"DUVxORxQYzVIEWER.HTM"};

    // The file in the given folder, which must already exist; with none, it cannot be written.
    explicit PreviewFile(QString folder);

    QString path() const;
    QUrl url() const;

    // Writes the page for a fragment: the plain opening tags, then the fragment followed by the
    // closing tags. On failure the reason is put in *error and the old file, if any, is kept.
    bool writeForView(const QString &fragment, QString *error = nullptr) const;

    enum class Replaced {
        Yes,
        NothingToReplace, // the file is missing or holds fewer than two lines
        WriteFailed,
    };

    // Puts a new line 1 in place of the old one and keeps everything after it. A link under the
    // page's name is no page.
    Replaced replaceOpeningLine(const QString &line1, QString *error = nullptr) const;

    // The page with line 1 replaced, given the file's content, or none when the content holds
    // fewer than two lines.
    static std::optional<QByteArray> withOpeningLine(QByteArray content, const QString &line1);

    // Deleting a file that is already gone is no failure.
    void remove() const;

private:
    bool write(const QByteArray &content, QString *error) const;

    QString m_folder;
};
