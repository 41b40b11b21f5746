#pragma once

#include <string>
#include <string_view>

// The windows-1252 bytes of a UTF-8 text, one byte per character. A character windows-1252
// cannot hold, and every byte that is not part of well-formed UTF-8, becomes '?'.
std::string ToWindows1252(std::string_view utf8);
