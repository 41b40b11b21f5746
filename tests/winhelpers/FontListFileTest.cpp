#include "winhelpers/FontListFile.h"

#include "tests/testing/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(FontListFile, EveryLineEndsInCrCrLf)
{
    EXPECT_EQ(FontListFile::bytesOf({u"Arial"_s, u"Symbol"_s}),
              QByteArray("[The Font Names]\r\r\nArial\r\r\nSymbol\r\r\n"));
    EXPECT_EQ(FontListFile::bytesOf({u"Noto Sans Ελληνικά"_s}),
              QByteArray("[The Font Names]\r\r\nNoto Sans \xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD"
                         "\xCE\xB9\xCE\xBA\xCE\xAC\r\r\n"));
}

TEST(FontListFile, ReadsNamesByTheItemRule)
{
    const struct
    {
        const char *name;
        QString text;
        QStringList names;
    } cases[] = {
        {"as written",
         u"[The Font Names]\r\r\nArial\r\r\nSymbol\r\r\n"_s,
         {u"Arial"_s, u"Symbol"_s}},
        {"lines with [ anywhere are skipped",
         u"[Fonts]\nA[b\nx]y\nVerdana\n"_s,
         {u"x]y"_s, u"Verdana"_s}},
        {"a comma splits a line", u"Times,Courier New\n"_s, {u"Times"_s, u"Courier New"_s}},
        {"empty lines add nothing", u"\n\r\n\rArial\n\n,,\n"_s, {u"Arial"_s}},
        {"no line end after the last name", u"Arial\r\nSymbol"_s, {u"Arial"_s, u"Symbol"_s}},
        {"blanks are kept", u" Arial \n"_s, {u" Arial "_s}},
        {"nothing", QString(), {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FontListFile::namesFromText(c.text), c.names) << c.name;
}

// No names from what is no file or from a file that holds only its header: the fonts must be
// listed afresh.
TEST(FontListFile, AFileWithoutNamesCountsAsMissing)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(u"a folder"_s);
    WriteBytes(folder.filePath(u"header"_s), "[The Font Names]\r\r\n");
    for (const QString &name : {u"missing"_s, u"a folder"_s, u"header"_s})
        EXPECT_EQ(FontListFile(folder.filePath(name)).read(), std::nullopt) << name.toStdString();
}

TEST(FontListFile, AnUnwritableFolderIsReportedAndLeftAlone)
{
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(u"file"_s);
    WriteBytes(notAFolder, "keep me");
    EXPECT_FALSE(FontListFile(notAFolder + u"/Font Names.INI"_s).write({u"Arial"_s}));
    EXPECT_EQ(ReadBytes(notAFolder), QByteArray("keep me"));
}
