#include "engine/Letters.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList lettersOf(const QString &message, qsizetype window = Letters::LongestWindow)
{
    const Letters letters(message, window);
    QStringList list;
    for (const QStringView letter : letters)
        list << letter.toString();
    EXPECT_EQ(letters.size(), list.size());
    return list;
}

} // namespace

// Unicode's own rules are pinned by its conformance cases below; these add a few of their kinds
// and the letters' own: CR and LF apart, and clusters across the edges of the pieces read.
TEST(Letters, KeepsEachUserPerceivedCharacterWhole)
{
    const std::pair<QString, QStringList> cases[] = {
        {u""_s, {}},
        {u"a\r\nb"_s, {u"a"_s, u"\r"_s, u"\n"_s, u"b"_s}},
        {u"e\u0301!"_s, {u"e\u0301"_s, u"!"_s}},
        {u"🎉🇫🇷🇩🇪🇪"_s, {u"🎉"_s, u"🇫🇷"_s, u"🇩🇪"_s, u"🇪"_s}},
        {u"नमस्ते"_s, {u"न"_s, u"म"_s, u"स्ते"_s}},
        {u"😀\r\n\r\n"_s, {u"😀"_s, u"\r"_s, u"\n"_s, u"\r"_s, u"\n"_s}},
        {u"\r\u0301"_s, {u"\r"_s, u"\u0301"_s}},
        // Letters of three units, one of them across the 64th unit.
        {u"e\u0301\u0301"_s.repeated(30), QStringList(30, u"e\u0301\u0301"_s)},
        // A long run of Latin between clusters is segmented apart from them.
        {u"😀"_s + QString(40, u'a') + u"\u0301👍🏽"_s,
         QStringList {u"😀"_s} + QStringList(39, u"a"_s) +
             QStringList {u"a\u0301"_s, u"👍🏽"_s}},
        {QString(150, u'a') + u"\u0301"_s, QStringList(149, u"a"_s) + QStringList {u"a\u0301"_s}},
    };
    for (const auto &[message, letters] : cases)
        EXPECT_EQ(lettersOf(message), letters) << qPrintable(message);
}

// Unicode's own conformance cases, each line a string with ÷ at every boundary and × where
// there is none. The one rule the letters depart from: CR and LF are a letter each.
TEST(Letters, AgreeWithEveryLineOfUnicodesGraphemeBreakTest)
{
    QFile file(QStringLiteral(TINTRA_GRAPHEME_BREAK_TEST));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << TINTRA_GRAPHEME_BREAK_TEST;
    int checked = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        QString message;
        QStringList expected;
        for (const QString &field : line.split(u' ', Qt::SkipEmptyParts)) {
            if (field == u"÷"_s) {
                expected << QString();
            } else if (field != u"×"_s) {
                const char32_t code = field.toUInt(nullptr, 16);
                const bool lineFeedAfterReturn = code == 0x0A && expected.last() == u"\r"_s;
                if (lineFeedAfterReturn)
                    expected << QString();
                expected.last() += QString::fromUcs4(&code, 1);
                message += QString::fromUcs4(&code, 1);
            }
        }
        expected.removeLast(); // the boundary at the end of the text opens no letter
        EXPECT_EQ(lettersOf(message), expected) << qPrintable(line);
        ++checked;
    }
    EXPECT_GT(checked, 600);
}

// Where a cluster outgrows its window, the letters still never cut a surrogate pair.
TEST(Letters, WindowsFindTheSameLettersAsOneRunOverTheMessage)
{
    const QString message =
        u"👨‍👩‍👧 a🇫🇷🇩🇪x\u0308\u0308\r\nनमस्ते 😀🇫🇷🇩🇪🇪 e\u0301\U0001F1E6\u0903"_s
            .repeated(3);
    const QStringList whole = lettersOf(message);
    for (const qsizetype window : {9, 10, 11, 16, 31})
        EXPECT_EQ(lettersOf(message, window), whole) << window;
    for (const qsizetype window : {1, 2, 3}) {
        for (const QString &letter : lettersOf(u"👍🏽👍🏽😀x"_s, window))
            EXPECT_TRUE(!letter.front().isLowSurrogate() && !letter.back().isHighSurrogate())
                << window;
    }
}
