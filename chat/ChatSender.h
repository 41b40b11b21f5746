#pragma once

#include <string>

// Where the chat window's lines go: into the chat room of a client on this desktop, by whatever
// way reaches it.
class ChatSender
{
public:
    virtual ~ChatSender() = default;

    // Posts one line (UTF-8) into the chat room; nothing happens when no room is open.
    virtual void send(const std::string &line) = 0;
};
