#include "qrb/report.h"

#include <cstdio>
#include <string>

void report(std::string_view part1, std::string_view part2, std::string_view part3, std::string_view part4)
{
    std::string line("azidal-qrb: ");
    line.append(part1).append(part2).append(part3).append(part4).append("\n");
    std::fwrite(line.data(), 1, line.size(), stderr);
}
