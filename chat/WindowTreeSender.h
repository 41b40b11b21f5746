#pragma once

#include "chat/ChatSender.h"
#include "chat/room/WindowTree.h"

#include <memory>

// Sends through the chat room search over a window tree: the desktop's own, or one a test builds.
class WindowTreeSender : public ChatSender
{
public:
    explicit WindowTreeSender(WindowTree &tree);
    explicit WindowTreeSender(std::unique_ptr<WindowTree> tree);

    void send(const std::string &line) override;

private:
    std::unique_ptr<WindowTree> m_ownTree;
    WindowTree &m_tree;
};
