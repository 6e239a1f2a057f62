#pragma once

#include "distributions.h"
#include "validator.h"

#include <string>
#include <vector>

namespace bankc {

// C++ source that defines bank::compiledBank() over the sets and tables, texts as
// Windows-1251 byte strings.
std::string generateBank(const std::vector<CheckedSet>& sets,
                         const std::vector<DistributionTable>& tables);

// A C++ string literal holding exactly these bytes.
std::string cppLiteral(const std::string& bytes);

} // namespace bankc
