// Posts the contents of a file (UTF-8) into the chat room through this desktop's window tree,
// as the chat window does, and says first whether a room is open.
//
// Usage: ChatSender MESSAGE-FILE

#include "chat/ChatRoomSearch.h"
#include "chat/DesktopWindowTree.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: ChatSender MESSAGE-FILE\n";
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 2;
    }
    const std::string message {std::istreambuf_iterator<char>(file), {}};
    const auto tree = MakeDesktopWindowTree();
    std::cout << (LocateChatRoom(*tree) == NoWindow ? "no room" : "room found") << std::endl;
    PostToChat(*tree, message);
    return 0;
}
