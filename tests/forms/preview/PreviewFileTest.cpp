#include "forms/preview/PreviewFile.h"

#include "PreviewTesting.h"
#include "forms/preview/BackgroundLines.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>
#include <pwd.h>
#include <unistd.h>

namespace {

class PreviewFileTest : public testing::Test
{
protected:
    QByteArray bytes() const { return ReadBytes(file.path()); }

    QTemporaryDir folder;
    PreviewFile file {folder.path()};
};

TEST_F(PreviewFileTest, LivesUnderItsFixedNameInTheGivenFolder)
{
    EXPECT_EQ(file.path(), folder.filePath(QStringLiteral("DUVxORxQYzVIEWER.HTM")));
    EXPECT_EQ(file.url(), QUrl::fromLocalFile(file.path()));
}

TEST(PreviewFileForUser, LivesInAFolderOnlyTheUserCanEnter)
{
    const QFileInfo folder(QFileInfo(PreviewFile::forUser().path()).path());
    ASSERT_TRUE(folder.isDir());
    EXPECT_EQ(folder.permissions() &
                  (QFile::ReadOther | QFile::WriteOther | QFile::ExeOther | QFile::ReadGroup |
                   QFile::WriteGroup | QFile::ExeGroup),
              QFile::Permissions());
}

// Sets an environment variable for the life of the object.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name)
        , m_saved(qgetenv(name))
        , m_wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_saved;
    bool m_wasSet;
};

TEST(PreviewFileForUser, FallsBackToAPrivateCacheFolderWithoutARuntimeFolder)
{
    // Without the variable Qt makes do with "runtime-<user>" in the temporary folder, and gives
    // up when that name is taken by something that is not the user's private folder.
    QTemporaryDir home;
    const QString user = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    WriteBytes(home.filePath(QStringLiteral("runtime-") + user), "taken");
    const ScopedVariable runtime("XDG_RUNTIME_DIR", {});
    const ScopedVariable temporary("TMPDIR", home.path().toUtf8());
    const ScopedVariable cache("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    // The cache folder comes from the variable only outside the test mode of the other tests.
    QStandardPaths::setTestModeEnabled(false);
    const auto restoreTestMode = qScopeGuard([] { QStandardPaths::setTestModeEnabled(true); });

    const PreviewFile file = PreviewFile::forUser();
    const QFileInfo folder(QFileInfo(file.path()).path());
    EXPECT_TRUE(folder.filePath().startsWith(home.filePath(QStringLiteral("cache/"))))
        << folder.filePath().toStdString();
    EXPECT_EQ(folder.fileName(), QStringLiteral("preview"));
    EXPECT_EQ(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(file.writeForView(QStringLiteral("<B>x</B>")));
}

struct WriteCase
{
    const char *name;
    QString fragment;
    QByteArray fragmentBytes;
};

void PrintTo(const WriteCase &value, std::ostream *out)
{
    *out << value.name;
}

class PreviewFileWrites : public PreviewFileTest, public testing::WithParamInterface<WriteCase>
{
};

TEST_P(PreviewFileWrites, PlainOpeningLineThenFragmentAndClosingTagsWithCrLf)
{
    ASSERT_TRUE(file.writeForView(GetParam().fragment));
    EXPECT_EQ(bytes(), PageBytes("<HTML><BODY>", GetParam().fragmentBytes));
}

INSTANTIATE_TEST_SUITE_P(
    Fragments, PreviewFileWrites,
    testing::Values(WriteCase {"BoldLetter", QStringLiteral("<B>H</B>"), "<B>H</B>"},
                    WriteCase {"Utf8", QStringLiteral("<B>\u00E5\u0192\u2020\u2021 \U0001F600</B>"),
                               "<B>\xC3\xA5\xC6\x92\xE2\x80\xA0\xE2\x80\xA1 \xF0\x9F\x98\x80</B>"},
                    WriteCase {"LineBreaksBecomeCrLf", QStringLiteral("<B>a\nb\r\nc\rd</B>"),
                               "<B>a\r\nb\r\nc\r\nd</B>"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewFileTest, WritingAgainStartsFromScratch)
{
    ASSERT_TRUE(file.writeForView(QStringLiteral("<B>one</B>")));
    ASSERT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), PreviewFile::Replaced::Yes);
    ASSERT_TRUE(file.writeForView(QStringLiteral("<I>two</I>")));
    EXPECT_EQ(bytes(), PageBytes("<HTML><BODY>", "<I>two</I>"));
}

class PictureUrls : public testing::TestWithParam<QString>
{
};

TEST_P(PictureUrls, StayInsideTheAttributeAndLeadBackToTheFile)
{
    const QString url = PictureUrl(GetParam());
    for (const char unsafe : {'"', '\'', ' ', '#', '&', '<', '>', '\n'})
        EXPECT_FALSE(url.contains(QLatin1Char(unsafe))) << url.toStdString() << " has " << unsafe;
    for (const QChar c : url)
        EXPECT_LT(c.unicode(), 0x80) << url.toStdString();
    EXPECT_EQ(QUrl(url, QUrl::StrictMode).toLocalFile(), GetParam()) << url.toStdString();
}

INSTANTIATE_TEST_SUITE_P(FileNames, PictureUrls,
                         testing::Values(QStringLiteral("/tmp/my holiday.jpg"),
                                         QStringLiteral("/tmp/say \"cheese\".gif"),
                                         QStringLiteral("/tmp/it's #1.jpg"),
                                         QStringLiteral("/tmp/100% & more.jpg"),
                                         QStringLiteral("/tmp/caf\u00E9 \u2020 \U0001F600.jpg"),
                                         QStringLiteral("/tmp/a\"><script>x</script>.jpg"),
                                         QStringLiteral("/tmp/back\\slash.jpg")));

TEST_F(PreviewFileTest, ReplacingTheOpeningLineKeepsEverythingAfterIt)
{
    ASSERT_TRUE(file.writeForView(QStringLiteral("<B>first\nsecond</B>\nthird")));
    ASSERT_EQ(file.replaceOpeningLine(ColorOpeningLine(RGB(255, 128, 0))),
              PreviewFile::Replaced::Yes);
    EXPECT_EQ(bytes(),
              PageBytes("<HTML><BODY BGCOLOR=\"#FF8000\">", "<B>first\r\nsecond</B>\r\nthird"));
}

struct UnchangedCase
{
    const char *name;
    std::optional<QByteArray> content; // none: no file
};

void PrintTo(const UnchangedCase &value, std::ostream *out)
{
    *out << value.name;
}

class NothingToReplace : public PreviewFileTest, public testing::WithParamInterface<UnchangedCase>
{
};

TEST_P(NothingToReplace, LeavesTheFileAsItWas)
{
    if (GetParam().content)
        WriteBytes(file.path(), *GetParam().content);
    EXPECT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), PreviewFile::Replaced::NothingToReplace);
    EXPECT_EQ(QFile::exists(file.path()), GetParam().content.has_value());
    if (GetParam().content) {
        EXPECT_EQ(bytes(), *GetParam().content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, NothingToReplace,
    testing::Values(UnchangedCase {"Missing", std::nullopt}, UnchangedCase {"Empty", QByteArray()},
                    UnchangedCase {"OneLine", QByteArray("<HTML><BODY>\r\n")},
                    UnchangedCase {"OneLineWithoutLineEnd", QByteArray("<HTML><BODY>")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewFileTest, ReadsLinesEndedByLfOrCrAlone)
{
    WriteBytes(file.path(), "<HTML><BODY>\n<B>x</B></BODY></HTML>");
    ASSERT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), PreviewFile::Replaced::Yes);
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF<HTML><BODY BGCOLOR=\"white\">\r\n<B>x</B></BODY></HTML>");
}

TEST_F(PreviewFileTest, AFolderThatCannotHoldItGivesTheReason)
{
    WriteBytes(folder.filePath(QStringLiteral("plain file")), "x");
    const PreviewFile unwritable(folder.filePath(QStringLiteral("plain file")));
    QString error;
    EXPECT_FALSE(unwritable.writeForView(QStringLiteral("<B>x</B>"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(PreviewFileTest, RemovingAMissingFileIsNoFailure)
{
    ASSERT_TRUE(file.writeForView(QStringLiteral("<B>x</B>")));
    file.remove();
    file.remove();
    EXPECT_FALSE(QFile::exists(file.path()));
}

} // namespace
