// Runs a fuzz target once over every file of the folders given (its seed corpus and the inputs
// that once broke it), without libFuzzer. A broken property aborts, as under the fuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (!fuzz::fs::is_directory(argv[i], error))
            continue;  // a target without regression inputs has no folder for them
        std::vector<fuzz::fs::path> inputs;
        for (const auto& item : fuzz::fs::directory_iterator(argv[i])) {
            if (item.is_regular_file())
                inputs.push_back(item.path());
        }
        std::sort(inputs.begin(), inputs.end());
        for (const fuzz::fs::path& input : inputs) {
            std::printf("%s\n", input.c_str());
            std::fflush(stdout);
            const std::string bytes = fuzz::ReadFile(input.string());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
