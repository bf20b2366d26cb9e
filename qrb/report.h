#pragma once

#include <string_view>

// What the command's exit status tells a script.
enum ExitStatus {
    kSuccess = 0,
    kBadInput = 1,  // some lines, records or the pair could not be computed
    kMisuse = 2,    // wrong options, a file that cannot be read or written, too little memory
};

// Writes "azidal-qrb: " and the parts as one line on standard error.
void report(std::string_view part1, std::string_view part2 = {}, std::string_view part3 = {},
            std::string_view part4 = {});
