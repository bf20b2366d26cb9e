// Runs a fuzz target over every file of its corpus folders, without libFuzzer,
// so that the normal build keeps checking the inputs found so far.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::size_t count = 0;
    for (int a = 1; a < argc; ++a)
        for (const auto& entry : std::filesystem::directory_iterator(argv[a])) {
            // Named first, so that a crash or an unreadable file shows which.
            std::fprintf(stderr, "%s\n", entry.path().c_str());
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            if (!entry.is_regular_file() || !in)
                return 1;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    // An empty or misplaced corpus would otherwise pass unnoticed.
    std::printf("%zu inputs passed\n", count);
    return count == 0;
}
