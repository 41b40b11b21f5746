#include <QProcess>

#include <gtest/gtest.h>

TEST(FadeCommand, Runs)
{
    QProcess process;
    process.start(QStringLiteral(TINTRA_FADE), {QStringLiteral("-b"), QStringLiteral("Hi")});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.readAllStandardOutput(),
              QByteArray("<FONT FACE=\"Comic Sans MS\" SIZE=3><B><FONT COLOR=\"#FF0000\">H</FONT>"
                         "<FONT COLOR=\"#800080\">i</FONT></B></FONT>\n"));
}
