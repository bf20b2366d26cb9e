#pragma once

#include <string>

// The user's words for the last failed system call (errno): one Russian
// phrase for each cause a user meets with files, the system's own text in
// parentheses for anything else.
std::string systemError();
