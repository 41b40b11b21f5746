#include "forms/preview/PreviewFolder.h"

#include "forms/preview/PreviewFile.h"
#include "tests/testing/FreshUserFolders.h"
#include "tests/testing/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QFile::Permissions permissions(const QString &path)
{
    // Qt reports the owner's rights twice, as the owner's and as the user's.
    return QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

QString ownPrefix()
{
    return u"Tintra-preview-%1-"_s.arg(QCoreApplication::applicationPid());
}

// Each folder, two in one program as in two programs, is private, holds its own page, and goes
// with everything in it, leaving the other alone.
TEST(PreviewFolder, IsPrivateToItsProgramAndGoesWithEverythingInIt)
{
    QTemporaryDir parent;
    auto first = std::make_unique<PreviewFolder>(parent.path());
    const PreviewFolder second(parent.path());
    ASSERT_NE(first->path(), second.path());
    const QFileInfo info(first->path());
    EXPECT_EQ(info.absolutePath(), parent.path());
    EXPECT_TRUE(info.fileName().startsWith(ownPrefix())) << first->path().toStdString();
    EXPECT_EQ(permissions(first->path()), OwnerOnly);
    const PreviewFile firstPage(first->path());
    const PreviewFile secondPage(second.path());
    ASSERT_TRUE(firstPage.writeForView(u"<B>first</B>"_s));
    ASSERT_TRUE(QDir().mkdir(first->path() + u"/inner"_s));
    ASSERT_TRUE(secondPage.writeForView(u"<B>second</B>"_s));

    first.reset();
    EXPECT_FALSE(QFileInfo::exists(info.filePath()));
    EXPECT_TRUE(ReadBytes(secondPage.path()).contains("second"));
}

TEST(PreviewFolder, RemovesTheFoldersOfProgramsNoLongerRunningAndNothingElse)
{
    QTemporaryDir parent;
    const QDir folder(parent.path());
    const QString deadPid = QString::number(std::numeric_limits<pid_t>::max());
    const QString dead = u"Tintra-preview-"_s + deadPid + u"-a1B2c3"_s;
    ASSERT_TRUE(folder.mkpath(dead + u"/inner"_s));
    WriteBytes(folder.filePath(dead + u"/DUVxORxQYzVIEWER.HTM"_s), "old page");
    QTemporaryDir elsewhere;
    WriteBytes(elsewhere.filePath(u"keep"_s), "keep");
    const QString linked = u"Tintra-preview-"_s + deadPid + u"-link"_s;
    ASSERT_TRUE(QFile::link(elsewhere.path(), folder.filePath(linked)));
    const QStringList kept {u"Tintra-preview-1-xYz123"_s, ownPrefix() + u"other"_s,
                            u"Tintra-"_s + deadPid + u"-abc"_s, u"Tintra-preview-x-abc"_s};
    for (const QString &name : kept)
        ASSERT_TRUE(folder.mkdir(name));

    const PreviewFolder fresh(parent.path());
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(dead)));
    for (const QString &name : kept)
        EXPECT_TRUE(QFileInfo(folder.filePath(name)).isDir()) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath(linked)).isSymLink());
    EXPECT_EQ(ReadBytes(elsewhere.filePath(u"keep"_s)), QByteArray("keep"));
}

// A user without a runtime folder: without the variable Qt makes do with "runtime-<user>" in
// the temporary folder, and gives up when that name is taken by something that is not the
// user's private folder. A private folder of the cache serves then, and without a cache there is
// no folder and no page.
TEST(PreviewFolder, WithoutARuntimeFolderUsesThePrivateCacheOrNone)
{
    FreshUserFolders user;
    const QDir home(user.home());
    user.set("XDG_RUNTIME_DIR", {});
    user.set("TMPDIR", user.home().toLocal8Bit());
    WriteBytes(home.filePath(u"runtime-"_s + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name)),
               "taken");
    const QString cacheFolder = qEnvironmentVariable("XDG_CACHE_HOME") + u'/' +
        QCoreApplication::applicationName() + u"/preview"_s;
    {
        const PreviewFolder folder;
        EXPECT_EQ(QFileInfo(folder.path()).absolutePath(), cacheFolder);
        EXPECT_EQ(permissions(cacheFolder), OwnerOnly);
        EXPECT_TRUE(PreviewFile(folder.path()).writeForView(u"<B>x</B>"_s));
    }
    // A link in the private folder's place, to a folder others may read, is neither used nor
    // made private.
    ASSERT_TRUE(QDir().rmdir(cacheFolder));
    QTemporaryDir elsewhere;
    const QFile::Permissions open = OwnerOnly | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(elsewhere.path(), open);
    ASSERT_TRUE(QFile::link(elsewhere.path(), cacheFolder));
    EXPECT_TRUE(PreviewFolder().path().isEmpty());
    EXPECT_EQ(permissions(elsewhere.path()), open);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
    WriteBytes(home.filePath(u"not a folder"_s), "x");
    user.set("XDG_CACHE_HOME", home.filePath(u"not a folder"_s).toLocal8Bit());
    const PreviewFolder folder;
    EXPECT_TRUE(folder.path().isEmpty());
    EXPECT_FALSE(folder.errorString().isEmpty());
    EXPECT_FALSE(PreviewFile(folder.path()).writeForView(u"<B>x</B>"_s));
}

} // namespace
