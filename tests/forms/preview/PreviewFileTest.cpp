#include "forms/preview/PreviewFile.h"

#include "PreviewTesting.h"
#include "forms/preview/BackgroundLines.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using PreviewFileTest = PreviewFixture;

TEST_F(PreviewFileTest, WritesThePlainOpeningLineThenTheFragmentInUtf8WithCrLfOrGivesTheReason)
{
    const std::pair<QString, QByteArray> cases[] = {
        {u"<B>\u00E5\u0192\u2020\u2021 \U0001F600</B>"_s,
         "<B>\xC3\xA5\xC6\x92\xE2\x80\xA0\xE2\x80\xA1 \xF0\x9F\x98\x80</B>"},
        {u"<B>a\nb\r\nc\rd</B>"_s, "<B>a\r\nb\r\nc\r\nd</B>"}};
    for (const auto &[fragment, fragmentBytes] : cases) {
        ASSERT_TRUE(file.writeForView(fragment));
        EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY>", fragmentBytes));
        // Writing again starts from scratch, whatever line 1 became meanwhile.
        ASSERT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), PreviewFile::Replaced::Yes);
    }
    // A plain file where its folder should be cannot hold it, nor can no folder at all.
    for (const QString &unusable : {file.path(), QString()}) {
        const PreviewFile unwritable(unusable);
        QString error;
        EXPECT_FALSE(unwritable.writeForView(u"<B>x</B>"_s, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(QFile::exists(PreviewFile::FileName));
    }
}

TEST_F(PreviewFileTest, NeverWritesNorReadsThroughALinkPlantedUnderItsName)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(u"precious"_s);
    WriteBytes(target, "precious\r\nlines\r\n");
    ASSERT_TRUE(QFile::link(target, file.path()));
    EXPECT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), PreviewFile::Replaced::NothingToReplace);
    ASSERT_TRUE(file.writeForView(u"<B>x</B>"_s));
    EXPECT_FALSE(QFileInfo(file.path()).isSymLink());
    EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY>", "<B>x</B>"));
    EXPECT_EQ(ReadBytes(target), QByteArray("precious\r\nlines\r\n"));

    file.remove();
    ASSERT_TRUE(QFile::link(target, file.path()));
    file.remove();
    EXPECT_FALSE(QFileInfo(file.path()).isSymLink());
    EXPECT_EQ(ReadBytes(target), QByteArray("precious\r\nlines\r\n"));
}

TEST_F(PreviewFileTest, ReplacingTheOpeningLineKeepsEverythingAfterItOrLeavesTheFileAlone)
{
    using enum PreviewFile::Replaced;
    // What the file holds (none: no file), what becomes of it, and what it holds then.
    const std::tuple<const char *, std::optional<QByteArray>, PreviewFile::Replaced, QByteArray>
        cases[] = {{"page", PageBytes("<HTML><BODY>", "<B>a\r\nb</B>\r\nc"), Yes,
                    PageBytes("<HTML><BODY BGCOLOR=\"white\">", "<B>a\r\nb</B>\r\nc")},
                   {"missing", std::nullopt, NothingToReplace, {}},
                   {"empty", "", NothingToReplace, ""},
                   {"one line", "<HTML><BODY>\r\n", NothingToReplace, "<HTML><BODY>\r\n"},
                   {"one line without line end", "<HTML><BODY>", NothingToReplace, "<HTML><BODY>"}};
    for (const auto &[name, before, replaced, after] : cases) {
        SCOPED_TRACE(name);
        file.remove();
        if (before)
            WriteBytes(file.path(), *before);
        EXPECT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), replaced);
        EXPECT_EQ(QFile::exists(file.path()), before.has_value());
        EXPECT_EQ(fileBytes(), after);
    }
}

} // namespace
