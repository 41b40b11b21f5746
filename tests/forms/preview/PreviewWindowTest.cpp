#include "PreviewTesting.h"
#include "forms/preview/BrowserCheck.h"
#include "forms/preview/PreviewNotices.h"
#include "forms/preview/Tinta2.h"
#include "forms/preview/ViewHtmlFade.h"
#include "winhelpers/Twips.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <csignal>
#include <ostream>
#include <sys/resource.h>

namespace {

using PreviewWindow = PreviewFixture;

class Refusals : public PreviewFixture, public testing::WithParamInterface<QString>
{
};

TEST_P(Refusals, SayThereIsNoFadeAndWriteNothing)
{
    EXPECT_EQ(view(GetParam()), nullptr);
    EXPECT_EQ(dialogs.notices(), std::vector<Notice> {NoFadeNotice()});
    EXPECT_EQ(NoFadeNotice(),
              (Notice {QStringLiteral("There is no fade 2 view"), NoticeIcon::Question,
                       QStringLiteral("DUV or QY")}));
    EXPECT_FALSE(QFile::exists(file.path()));
    EXPECT_EQ(mainWindow.findChild<Tinta2 *>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(OutputTexts, Refusals,
                         testing::Values(QString(), QStringLiteral("   "),
                                         QStringLiteral("a plain word"),
                                         QStringLiteral("only <opening"),
                                         QStringLiteral("only closing>")));

TEST_F(PreviewWindow, AMissingBrowserPartIsNamedAndNothingIsWritten)
{
    const QByteArray saved = qgetenv("QTWEBENGINEPROCESS_PATH");
    qputenv("QTWEBENGINEPROCESS_PATH", "/nowhere/QtWebEngineProcess");
    Tinta2 *preview = view(QStringLiteral("<B>x</B>"));
    const std::optional<BrowserComponent> missing = MissingBrowserComponent();
    qputenv("QTWEBENGINEPROCESS_PATH", saved);

    EXPECT_EQ(preview, nullptr);
    ASSERT_EQ(dialogs.notices().size(), 1U);
    const Notice &notice = dialogs.notices().front();
    EXPECT_EQ(notice.title, QStringLiteral("Error"));
    EXPECT_EQ(notice.icon, NoticeIcon::Critical);
    EXPECT_TRUE(notice.text.contains(QStringLiteral("\"/nowhere/QtWebEngineProcess\"")));
    EXPECT_TRUE(notice.text.contains(QStringLiteral("libqt6webenginecore6-bin")));
    EXPECT_FALSE(QFile::exists(file.path()));
    EXPECT_EQ(MissingBrowserComponent(), std::nullopt);
}

TEST_F(PreviewWindow, AFileThatCannotBeWrittenIsReportedAndNothingOpens)
{
    WriteBytes(folder.filePath(QStringLiteral("not a folder")), "x");
    const PreviewFile unwritable(folder.filePath(QStringLiteral("not a folder")));
    EXPECT_EQ(ViewHtmlFade(mainWindow, QStringLiteral("<B>x</B>"), services, false, unwritable),
              nullptr);
    ASSERT_EQ(dialogs.notices().size(), 1U);
    const Notice &notice = dialogs.notices().front();
    EXPECT_EQ(notice.title, QStringLiteral("Error"));
    EXPECT_EQ(notice.icon, NoticeIcon::Critical);
    EXPECT_TRUE(notice.text.contains(unwritable.path())) << notice.text.toStdString();
    EXPECT_EQ(mainWindow.findChild<Tinta2 *>(), nullptr);
}

TEST_F(PreviewWindow, OpensWithItsCaptionControlsAndTheWrittenFile)
{
    Tinta2 *preview = view(QStringLiteral("<B>H</B>"));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(dialogs.notices().empty());
    EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY>", "<B>H</B>"));
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Your HTML Color Faded Message..."));
    const double dpi = LogicalDpi(*preview);
    EXPECT_EQ(preview->size(), TwipsToPixels(QRectF(0, 0, 5175, 3735), dpi).size());
    ASSERT_NE(preview->browser(), nullptr);
    EXPECT_EQ(preview->browser()->objectName(), QStringLiteral("WebBrowser1"));
    EXPECT_EQ(preview->browser()->geometry(), TwipsToPixels(QRectF(120, 120, 4935, 3015), dpi));
    const std::vector<std::pair<const char *, QString>> buttons {
        {"Command1", QStringLiteral("Back Color")},
        {"Command2", QStringLiteral("Back Picture")},
        {"Command3", QStringLiteral("Clear Background")}};
    double left = 120;
    for (const auto &[name, caption] : buttons) {
        const auto *button = preview->findChild<QPushButton *>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->font().family(), QStringLiteral("Comic Sans MS"));
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 8.25);
        EXPECT_EQ(button->geometry(), TwipsToPixels(QRectF(left, 3240, 1575, 375), dpi)) << name;
        left += 1680;
    }
    EXPECT_FALSE(preview->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(PreviewWindow, FollowsTheStayOnTopCheckMark)
{
    Tinta2 *preview = ViewHtmlFade(mainWindow, QStringLiteral("<B>H</B>"), services, true, file);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    view(QStringLiteral("<B>H</B>"), false);
    EXPECT_FALSE(preview->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

struct ButtonCase
{
    const char *name;
    const char *button;
    std::optional<ColorValue> color;
    QString picture;
    QByteArray line1;
};

void PrintTo(const ButtonCase &value, std::ostream *out)
{
    *out << value.name;
}

class BackgroundButtons : public PreviewFixture, public testing::WithParamInterface<ButtonCase>
{
};

TEST_P(BackgroundButtons, RewriteLineOneAndKeepTheRest)
{
    Tinta2 *preview = view(QStringLiteral("<B>a\nb</B>"));
    ASSERT_NE(preview, nullptr);
    dialogs.answerColor(GetParam().color);
    dialogs.answerOpenFile(GetParam().picture);
    click(*preview, GetParam().button);
    EXPECT_EQ(fileBytes(), PageBytes(GetParam().line1, "<B>a\r\nb</B>"));
    EXPECT_TRUE(dialogs.notices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, BackgroundButtons,
    testing::Values(
        ButtonCase {"Orange", "Command1", RGB(255, 128, 0), {}, "<HTML><BODY BGCOLOR=\"#FF8000\">"},
        ButtonCase {"Black", "Command1", 0, {}, "<HTML><BODY BGCOLOR=\"#000000\">"},
        ButtonCase {
            "White", "Command1", RGB(255, 255, 255), {}, "<HTML><BODY BGCOLOR=\"#FFFFFF\">"},
        ButtonCase {"Picture",
                    "Command2",
                    {},
                    QStringLiteral("/pics/my \"best\" #1 50%.jpg"),
                    "<HTML><BODY BACKGROUND=\"file:///pics/my%20%22best%22%20%231%2050%25.jpg\">"},
        ButtonCase {"Clear", "Command3", {}, {}, "<HTML><BODY BGCOLOR=\"white\">"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewWindow, ClearBackgroundAfterAPictureGivesWhite)
{
    Tinta2 *preview = view(QStringLiteral("<B>x</B>"));
    ASSERT_NE(preview, nullptr);
    dialogs.answerOpenFile(QStringLiteral("/pics/sky.gif"));
    click(*preview, "Command2");
    click(*preview, "Command3");
    EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY BGCOLOR=\"white\">", "<B>x</B>"));
}

// Files this process writes may not grow beyond a few bytes while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved {};
    void (*m_oldHandler)(int);
};

TEST_F(PreviewWindow, ABackgroundThatCannotBeWrittenIsReportedAndKeepsThePage)
{
    Tinta2 *preview = view(QStringLiteral("<B>x</B>"));
    ASSERT_NE(preview, nullptr);
    const QByteArray before = fileBytes();
    {
        const FileSizeLimit limit(8);
        click(*preview, "Command3");
    }
    EXPECT_EQ(fileBytes(), before);
    ASSERT_EQ(dialogs.notices().size(), 1U);
    const Notice &notice = dialogs.notices().front();
    EXPECT_EQ(notice.title, QStringLiteral("Error"));
    EXPECT_EQ(notice.icon, NoticeIcon::Critical);
    EXPECT_TRUE(notice.text.contains(file.path())) << notice.text.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList {PreviewFile::FileName})
        << "no half-written copy is left behind";
}

class CancelledChoosers : public PreviewFixture, public testing::WithParamInterface<const char *>
{
};

TEST_P(CancelledChoosers, ChangeNothing)
{
    Tinta2 *preview = viewAndLoad(QStringLiteral("<B>x</B>"));
    ASSERT_NE(preview, nullptr);
    const QByteArray before = fileBytes();
    QSignalSpy started(preview->browser(), &QWebEngineView::loadStarted);
    click(*preview, GetParam());
    QTest::qWait(100);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(dialogs.notices().empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, CancelledChoosers, testing::Values("Command1", "Command2"));

struct QuietCase
{
    const char *name;
    std::optional<QByteArray> content;
};

void PrintTo(const QuietCase &value, std::ostream *out)
{
    *out << value.name;
}

class QuietBackgroundChanges : public PreviewFixture, public testing::WithParamInterface<QuietCase>
{
};

TEST_P(QuietBackgroundChanges, EndWithoutAMessageAndLeaveTheFileClosed)
{
    Tinta2 *preview = viewAndLoad(QStringLiteral("<B>x</B>"));
    ASSERT_NE(preview, nullptr);
    if (GetParam().content)
        WriteBytes(file.path(), *GetParam().content);
    else
        QFile::remove(file.path());
    QSignalSpy started(preview->browser(), &QWebEngineView::loadStarted);
    click(*preview, "Command3");
    QTest::qWait(100);
    EXPECT_TRUE(dialogs.notices().empty());
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(QFile::exists(file.path()), GetParam().content.has_value());
    // Nothing holds the file: it can be removed and written again at once.
    if (GetParam().content) {
        EXPECT_EQ(fileBytes(), *GetParam().content);
        EXPECT_TRUE(QFile::remove(file.path()));
    }
    EXPECT_TRUE(file.writeForView(QStringLiteral("<B>y</B>")));
}

INSTANTIATE_TEST_SUITE_P(Files, QuietBackgroundChanges,
                         testing::Values(QuietCase {"Missing", std::nullopt},
                                         QuietCase {"OneLine", QByteArray("<HTML><BODY>\r\n")}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewWindow, ClosingDeletesTheFileAndALaterViewOpensAgain)
{
    QPointer<Tinta2> preview = view(QStringLiteral("<B>x</B>"));
    ASSERT_TRUE(preview);
    preview->close();
    EXPECT_FALSE(QFile::exists(file.path()));
    EXPECT_FALSE(preview->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview.isNull(); }, 2000));

    Tinta2 *again = view(QStringLiteral("<I>y</I>"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY>", "<I>y</I>"));
}

TEST_F(PreviewWindow, AViewWhileOpenRewritesTheFileWithoutReloading)
{
    Tinta2 *preview = viewAndLoad(QStringLiteral("<B>first</B>"));
    ASSERT_NE(preview, nullptr);
    click(*preview, "Command3");
    ASSERT_TRUE(WaitForLoad(*preview->browser()));
    QSignalSpy started(preview->browser(), &QWebEngineView::loadStarted);

    EXPECT_EQ(view(QStringLiteral("<I>second</I>")), preview);
    QTest::qWait(200);
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY>", "<I>second</I>"));
    EXPECT_EQ(RunScript(*preview->browser(), QStringLiteral("document.body.innerText")).toString(),
              QStringLiteral("first"));
    EXPECT_EQ(mainWindow.findChildren<Tinta2 *>().size(), 1);
}

} // namespace
