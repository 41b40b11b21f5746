#pragma once

// How tintra-post.exe ends, as the chat window reads it.
namespace PostExitStatus {
enum : int { Posted = 0, BadInput = 2, NoRoom = 3 };
} // namespace PostExitStatus
