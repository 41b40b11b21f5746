#include "cli/MessageInput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

using namespace Qt::StringLiterals;

TEST(DecodeUtf8, TakesOnlyWellFormedText)
{
    const std::tuple<const char *, QByteArray, std::optional<QString>> cases[] = {
        {"ASCII", "Hi", u"Hi"_s},
        {"two, three and four bytes", "\xC3\xA5\xE2\x82\xAC\xF0\x9F\x98\x80", u"å€😀"_s},
        {"a byte order mark in front", "\xEF\xBB\xBFok", u"ok"_s},
        {"nothing", "", u""_s},
        {"a stray byte", "a\xFF", std::nullopt},
        {"a sequence cut short", "ab\xE2\x82", std::nullopt},
        {"an overlong slash", "\xC0\xAF", std::nullopt},
        {"a surrogate", "\xED\xA0\x80", std::nullopt},
        {"past U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
    };
    for (const auto &[name, bytes, text] : cases)
        EXPECT_EQ(DecodeUtf8(bytes), text) << name;
}

// The stream is read in pieces of 64 KiB.
TEST(ReadMessage, DropsTheLastBreakAndStopsPastTheLimit)
{
    using Status = MessageInput::Status;
    const QByteArray firstPiece(65536, 'a');
    const QString firstPieceText(65536, u'a');
    const std::tuple<QByteArray, qsizetype, Status, QString> cases[] = {
        {"Hi\r\n", -1, Status::Read, u"Hi"_s},
        {"Hi\n\n", -1, Status::Read, u"Hi\r\n"_s},
        {"a\rb\r", -1, Status::Read, u"a\r\nb\r\n"_s},
        {"12345", 5, Status::Read, u"12345"_s},
        {"123456", 5, Status::TooLong, {}},
        {QByteArray(200000, 'x'), 100000, Status::TooLong, {}},
        {"\xE2\x82", -1, Status::NotUtf8, {}},
        {firstPiece.chopped(1) + "\xF0\x9F\x98\x80", -1, Status::Read,
         firstPieceText.chopped(1) + u"😀"_s},
        {firstPiece.chopped(3) + "\xF0\x9F\x98\x80", -1, Status::Read,
         firstPieceText.chopped(3) + u"😀"_s},
        {firstPiece.chopped(1) + "\r\nb", -1, Status::Read, firstPieceText.chopped(1) + u"\r\nb"_s},
        {firstPiece + "\xF0\x9F\x98", -1, Status::NotUtf8, {}},
    };
    for (auto [bytes, limit, status, text] : cases) {
        FILE *stream = fmemopen(bytes.data(), size_t(bytes.size()), "r");
        ASSERT_NE(stream, nullptr);
        const MessageInput input = ReadMessage(stream, limit);
        std::fclose(stream);
        EXPECT_EQ(input.status, status) << bytes.left(8).constData();
        EXPECT_EQ(input.text, text);
    }
}
