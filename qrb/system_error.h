#pragma once

#include <string>

#include <cerrno>

// The user's words for why a system call failed, by its errno: one Russian
// phrase for each cause a user meets with files, the system's own text in
// parentheses for anything else.
std::string systemError(int code = errno);
