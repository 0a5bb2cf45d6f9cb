// Runs a fuzz target without libFuzzer: over the files and folders named on the command line
// (the seed corpus), then over a fixed series of pseudo-random inputs. The test suite runs every
// target this way under the sanitizers, so a crash that fuzzing once found stays found.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

void RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& entry : std::filesystem::directory_iterator(p))
                if (entry.is_regular_file()) {
                    RunFile(entry.path());
                    ++files;
                }
        } else if (std::filesystem::exists(p)) {
            RunFile(p);
            ++files;
        }
    }
    // Inputs of every small length, with bytes biased toward the printable and the separators
    // that the readers care about.
    std::mt19937 random(20261207);
    const std::string alphabet = "0123456789dMyhHmstwDZg@'|~%:,/.- \t\r\n\"\xff\x80\x00";
    std::vector<uint8_t> input;
    for (int n = 0; n < 2000; ++n) {
        input.resize(random() % 600);
        for (uint8_t& b : input)
            b = (random() % 4 == 0) ? static_cast<uint8_t>(random())
                                    : static_cast<uint8_t>(alphabet[random() % alphabet.size()]);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%d corpus files and 2000 generated inputs ran\n", files);
    return 0;
}
