// Runs a fuzz target over every file of its corpus folders, without libFuzzer,
// so that the normal build keeps checking the inputs found so far.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::size_t count = 0;
    for (int a = 1; a < argc; ++a) {
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[a]))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        for (const fs::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
            // Named first, so that a crash shows which input caused it.
            std::fprintf(stderr, "%s\n", file.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++count;
        }
    }
    // An empty or misplaced corpus would otherwise pass unnoticed.
    if (count == 0) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    std::printf("%zu inputs passed\n", count);
    return 0;
}
