// Runs a fuzz target over every file of the folders it is given (its seed corpus and the
// inputs that once crashed or hung it), so that the ordinary and sanitizer builds keep them
// as regression tests. Prints "N passed, 0 failed"; a crash ends the program.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    long n = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        if (!fs::is_directory(argv[i], ec)) continue;
        std::vector<fs::path> ficheros;
        for (const auto& e : fs::recursive_directory_iterator(argv[i], ec))
            if (e.is_regular_file()) ficheros.push_back(e.path());
        std::sort(ficheros.begin(), ficheros.end());
        for (const auto& f : ficheros) {
            std::ifstream in(f, std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++n;
        }
    }
    std::printf("%ld passed, 0 failed\n", n);
    return 0;
}
