#include "fuzz/fuzz_entry.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> corpusFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(VIEWER_FUZZ_CORPUS)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Every corpus entry, found crashes included, loads without failing (a crash or a sanitizer
// report ends the test).
TEST(FuzzCorpus, EveryEntryLoads) {
    const auto files = corpusFiles();
    ASSERT_GE(files.size(), 10u) << "the seed corpus is missing";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        viewer::fuzz::loadOnce(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                               true);
    }
}

} // namespace
