#pragma once

#include "bank_source.h"

#include <functional>
#include <string>
#include <vector>

namespace bankc {

// A record ready for the program: Windows-1251 texts, Right copied from option R.
struct CheckedRecord {
    std::string Q;
    std::string A[5];
    std::string Right;
    std::string Com;
};

struct CheckedSet {
    int year = 0;
    std::string group;
    std::vector<CheckedRecord> records;
    std::vector<Diagnostic> problems; // empty when the set may go into the program
};

// Validates a set read from its source and converts it. `pictureExists` is asked for each
// picture's file name under assets/Images.
CheckedSet checkSet(const SourceSet& source,
                    const std::function<bool(const std::string&)>& pictureExists);

// "file:line: reason" lines.
std::string formatProblems(const std::string& path, const std::vector<Diagnostic>& problems);

} // namespace bankc
