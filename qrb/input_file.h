#pragma once

#include <cstdio>
#include <memory>
#include <string>

// What the command reads: a file by its name, or standard input by "-".
inline constexpr const char* StandardInputName = "-";
bool isStandardInput(const std::string& name);

// Open for reading, or null with errno set; standard input is left open.
using InputFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
InputFile openInput(const std::string& name);

// An input as the messages name it.
std::string shownName(const std::string& name);
