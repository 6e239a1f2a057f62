#pragma once

#include <string>
#include <vector>

namespace bench {

enum class TextKind { Question, Option, Explanation, Summary, Review };

struct BenchText {
    std::string name;
    TextKind kind;
    std::string markup; // Windows-1251, as the viewer gets it (options already boxed)
};

// Texts shaped like the bank's: a typical question, option and explanation, the longest
// explanation (about 3,000 characters with italics, bold, a list and a table), the result
// summary and a review page.
std::vector<BenchText> representativeTexts();

// Every displayed text of the bank sources found in folder (*.txt, UTF-8 "Q: ", "A: ", "C: "
// lines), options boxed as the option viewers get them; empty when there are none.
std::vector<BenchText> bankTexts(const std::string& folder);

std::string optionBox(const std::string& option);

} // namespace bench
