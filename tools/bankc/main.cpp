// bankc: validates the question bank's sources and generates the C++ that holds them.
//
//   bankc check --images DIR SET.txt...
//   bankc generate --images DIR --distributions FILE --out FILE.cpp SET.txt...
//
// Every problem is printed as "file:line: reason"; any problem makes the exit status 1.
#include "codegen.h"
#include "distributions.h"
#include "validator.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <tuple>

namespace {

int usage() {
    std::cerr << "usage: bankc check --images DIR SET.txt...\n"
                 "       bankc generate --images DIR --distributions FILE --out FILE.cpp "
                 "SET.txt...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string command = argv[1];
    std::map<std::string, std::string> options;
    std::vector<std::string> setFiles;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0 && i + 1 < argc) {
            options[arg] = argv[++i];
        } else {
            setFiles.push_back(arg);
        }
    }
    if ((command != "check" && command != "generate") || options.count("--images") == 0) {
        return usage();
    }
    const std::filesystem::path images = options["--images"];
    auto pictureExists = [&images](const std::string& name) {
        return std::filesystem::is_regular_file(images / name);
    };

    bool failed = false;
    std::vector<bankc::CheckedSet> sets;
    for (const std::string& path : setFiles) {
        bankc::CheckedSet set = bankc::checkSet(bankc::readSet(path), pictureExists);
        if (!set.problems.empty()) {
            std::cerr << bankc::formatProblems(path, set.problems);
            failed = true;
        }
        sets.push_back(std::move(set));
    }
    if (command == "check") {
        return failed ? 1 : 0;
    }

    if (options.count("--distributions") == 0 || options.count("--out") == 0) {
        return usage();
    }
    const std::string tablesPath = options["--distributions"];
    const bankc::DistributionFile tables = bankc::readDistributions(tablesPath);
    if (!tables.problems.empty()) {
        std::cerr << bankc::formatProblems(tablesPath, tables.problems);
        failed = true;
    }
    if (failed) {
        return 1;
    }
    std::sort(sets.begin(), sets.end(), [](const auto& a, const auto& b) {
        return std::tie(a.year, a.group) < std::tie(b.year, b.group);
    });
    const std::string source = bankc::generateBank(sets, tables.tables);
    const std::string outPath = options["--out"];
    std::ifstream existing(outPath, std::ios::binary);
    const std::string old((std::istreambuf_iterator<char>(existing)), {});
    if (old != source) {
        std::ofstream(outPath, std::ios::binary) << source;
    }
    return 0;
}
