// tintra-post.exe: posts one chat line into the chat room of a client running on the same
// Windows desktop. On Linux, Tintra runs it under Wine, so that it meets the client in the Wine
// prefix the client runs in.
//
// Reads the line as UTF-8 on standard input, exactly as it is to be posted. Exit status: 0 the
// line was posted, 3 no chat room with an input line was found, 2 bad input.

#include "chat/post/PostExitStatus.h"
#include "chat/room/ChatRoomSearch.h"
#include "chat/room/DesktopWindowTree.h"

#include <cstdio>
#include <optional>
#include <string>
#include <windows.h>

namespace {

// Far beyond any line the chat window composes, and within what the conversions count in int.
constexpr std::size_t LongestLine = 64 * 1024 * 1024;

// Read as bytes: the C runtime's text mode would turn the line's CR LF into LF.
std::optional<std::string> readStandardInput()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::string line;
    char chunk[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(input, chunk, sizeof chunk, &read, nullptr)) {
            // A pipe whose writer has closed it ends like a file.
            return GetLastError() == ERROR_BROKEN_PIPE ? std::optional(line) : std::nullopt;
        }
        if (read == 0) {
            return line;
        }
        line.append(chunk, read);
        if (line.size() > LongestLine) {
            return std::nullopt;
        }
    }
}

bool isUtf8(const std::string &text)
{
    return text.empty() ||
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                            static_cast<int>(text.size()), nullptr, 0) > 0;
}

} // namespace

int main(int argc, char **)
{
    if (argc != 1) {
        std::fputs("usage: tintra-post.exe < LINE\n"
                   "Posts the UTF-8 line on standard input into the open chat room.\n",
                   stderr);
        return PostExitStatus::BadInput;
    }
    const std::optional<std::string> line = readStandardInput();
    if (!line || !isUtf8(*line)) {
        std::fputs("tintra-post: standard input is not a UTF-8 line of at most 64 MiB\n", stderr);
        return PostExitStatus::BadInput;
    }
    const auto desktop = MakeDesktopWindowTree();
    return PostToChat(*desktop, *line) ? PostExitStatus::Posted : PostExitStatus::NoRoom;
}
