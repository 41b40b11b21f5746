#pragma once

#include "chat/ChatSender.h"

#include <string>
#include <vector>

// Takes down the lines the chat window sends.
class RecordingSender : public ChatSender
{
public:
    explicit RecordingSender(std::vector<std::string> &lines)
        : m_lines(lines)
    { }

    void send(const std::string &line) override { m_lines.push_back(line); }

private:
    std::vector<std::string> &m_lines;
};
