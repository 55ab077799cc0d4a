// Runs a fuzz target over every file of the folders it is given (its seed corpus and the
// inputs that once crashed, hung or ballooned it), so that the ordinary and sanitizer builds
// keep them as regression tests. As the fuzzer's -rss_limit_mb=512 would, it fails when one
// input raises the process's peak resident memory by more than 512 MB. Prints "N passed, 0
// failed"; a crash ends the program.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam);

namespace {

constexpr long LimiteKB = 512 * 1024;

// Resident memory now, and the peak so far, in KB.
long ResidenteKB() {
    long paginas = 0, residentes = 0;
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return 0;
    if (std::fscanf(f, "%ld %ld", &paginas, &residentes) != 2) residentes = 0;
    std::fclose(f);
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}
long PicoKB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

}  // namespace

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
            const long antes = ResidenteKB();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            const long pico = PicoKB();
            if (pico - antes > LimiteKB) {
                std::printf("%s: %ld MB above the %ld MB held before\n", f.c_str(), (pico - antes) / 1024, antes / 1024);
                return 1;
            }
            ++n;
        }
    }
    std::printf("%ld passed, 0 failed\n", n);
    return 0;
}
