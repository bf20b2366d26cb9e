// Times the country file as the program uses it: reading Debian's file whole
// (the first lookup's cost), one callsign's lookup, and the whole
// beam-heading table as CSV. The calls are made from the file's own aliases:
// each prefix with "1AB" after it, and each exact call as it stands.

#include "dxcc/beam_table.h"
#include "dxcc/call_rules.h"
#include "dxcc/country_file_load.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Every alias of the text, as a call a ham could hear.
std::vector<std::string> callsOf(const std::string& text)
{
    std::vector<std::string> calls;
    std::string word;
    bool lineStart = true;
    bool aliasLine = false;
    for (const char c : text) {
        if (lineStart)
            aliasLine = c == ' ' || c == '\t';
        lineStart = c == '\n';
        if (!aliasLine)
            continue;
        if (c == ',' || c == ';') {
            calls.push_back(word.front() == '=' ? word.substr(1) : word + "1AB");
            calls.back().erase(std::min(calls.back().find_first_of("([<{~"), calls.back().size()));
            word.clear();
        } else if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            word += c;
        }
    }
    return calls;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : dxcc::SystemCountryFile;
    double bestLoad = 1e300;
    std::variant<dxcc::CountryFile, dxcc::LoadFailure> loaded = dxcc::LoadFailure{0};
    for (int round = 0; round < 20; ++round) {
        const auto start = Clock::now();
        loaded = dxcc::loadCountryFile(path);
        bestLoad = std::min(bestLoad, millisecondsSince(start));
    }
    const auto* file = std::get_if<dxcc::CountryFile>(&loaded);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 2;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<std::string> calls = callsOf(text);

    double bestLookup = 1e300;
    std::size_t found = 0;
    for (int round = 0; round < 20; ++round) {
        found = 0;
        const auto start = Clock::now();
        for (const std::string& call : calls)
            found += std::holds_alternative<dxcc::CallMatch>(dxcc::findEntity(*file, call));
        bestLookup = std::min(bestLookup, millisecondsSince(start) * 1e6 / double(calls.size()));
    }

    double bestTable = 1e300;
    std::size_t bytes = 0;
    for (int round = 0; round < 20; ++round) {
        const auto start = Clock::now();
        bytes = dxcc::beamTableCsv(dxcc::beamTable(*file, {55.770833, 37.625}, dxcc::BeamOrder::Azimuth)).size();
        bestTable = std::min(bestTable, millisecondsSince(start));
    }

    std::printf("%s: %zu entities, %zu aliases\n", path.c_str(), file->entities().size(), file->aliasCount());
    std::printf("read and parse, best of 20: %.2f ms\n", bestLoad);
    std::printf("lookup of %zu calls (%zu found), best of 20: %.0f ns per call\n", calls.size(), found, bestLookup);
    std::printf("beam table from KO85TS as CSV (%zu bytes), best of 20: %.2f ms\n", bytes, bestTable);
}
