#include "chat/WindowTreeSender.h"

#include "chat/room/ChatRoomSearch.h"

#include <utility>

WindowTreeSender::WindowTreeSender(WindowTree &tree)
    : m_tree(tree)
{ }

WindowTreeSender::WindowTreeSender(std::unique_ptr<WindowTree> tree)
    : m_ownTree(std::move(tree))
    , m_tree(*m_ownTree)
{ }

void WindowTreeSender::send(const std::string &line)
{
    PostToChat(m_tree, line);
}
