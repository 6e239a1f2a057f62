#include "codegen.h"
#include "distributions.h"
#include "validator.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

// A valid 2006 set for classes 2-3: 26 records, record 9 with a picture, 10 and 11 with a
// phonetic span, 1 to 8 with a remark list. Lines are numbered by position in the vector.
std::vector<std::string> validSet() {
    const char* letters[] = {"А", "Б", "В", "Г", "Д"};
    std::vector<std::string> lines = {"# 2006, classes 2-3"};
    for (int i = 1; i <= 26; ++i) {
        const int r = i % 5 + 1;
        std::string q = "Q: Вопрос <i>" + std::to_string(i) + "</i>";
        if (i == 9) {
            q += " <img src=\"Images\\2006_2-3_q9.jpg\">";
        }
        if (i == 10 || i == 11) {
            q += " [м<font face=SILDoulosIPA>@</font>л<font face=SILDoulosIPA>#</font>ко]";
        }
        lines.push_back("== " + std::to_string(i));
        lines.push_back(q);
        for (int k = 1; k <= 5; ++k) {
            lines.push_back("A: ответ " + std::to_string(k) + "&nbsp;&rarr;");
        }
        lines.push_back("R: " + std::to_string(r));
        std::string c = "C: Потому что так. <b>Ответ</b>: (" + std::string(letters[r - 1]) + ").";
        if (i <= 8) {
            c += "<br><ul><li>Заметка.</ul>";
        }
        lines.push_back(c);
    }
    return lines;
}

// The line of a record's field: record i starts at 2 + 9 * (i - 1) (1-based line numbers).
int lineOf(int record, int fieldOffset) {
    return 2 + 9 * (record - 1) + fieldOffset;
}
constexpr int kQ = 1, kA1 = 2, kR = 7, kC = 8;

std::vector<std::string> check(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) {
        text += l + "\n";
    }
    const auto set =
        bankc::checkSet(bankc::parseSet("assets/bank/2006_2-3.txt", text),
                        [](const std::string& name) { return name == "2006_2-3_q9.jpg"; });
    std::vector<std::string> out;
    std::istringstream problems(bankc::formatProblems("2006_2-3.txt", set.problems));
    for (std::string line; std::getline(problems, line);) {
        out.push_back(line);
    }
    return out;
}

TEST(BankValidator, AcceptsAValidSetAndCopiesTheRightOption) {
    EXPECT_EQ(check(validSet()), std::vector<std::string>{});
    std::string text;
    for (const std::string& l : validSet()) {
        text += l + "\n";
    }
    const auto set = bankc::checkSet(bankc::parseSet("2006_2-3.txt", text),
                                     [](const std::string&) { return true; });
    ASSERT_EQ(set.records.size(), 26u);
    EXPECT_EQ(set.records[0].Right, set.records[0].A[1]); // R: 2
    EXPECT_EQ(set.records[0].Q, "\xC2\xEE\xEF\xF0\xEE\xF1 <i>1</i>");
}

struct BrokenCase {
    const char* what;
    int line; // 1-based line to replace, 0 to delete `record`
    std::string replacement;
    std::string expected;
};

TEST(BankValidator, NamesFileLineAndReasonForEachFault) {
    const int l3q = lineOf(3, kQ);
    const std::vector<BrokenCase> cases = {
        {"empty field", l3q, "Q: ", ":" + std::to_string(l3q) + ": empty Q: field"},
        {"R outside 1-5", lineOf(3, kR), "R: 6",
         ":" + std::to_string(lineOf(3, kR)) + ": R: must be a number from 1 to 5, not \"6\""},
        {"character not in the code page", l3q, "Q: шва [ə]",
         ":" + std::to_string(l3q) +
             ": character U+0259 is not in Windows-1251: write it as a reference"},
        {"tag outside the subset", l3q, "Q: <p>абзац</p>",
         ":" + std::to_string(l3q) + ": tag <p> is outside the bank's subset"},
        {"tag left open", l3q, "Q: <i>курсив", ":" + std::to_string(l3q) + ": <i> is left open"},
        {"tag not closed by >", l3q, "Q: <b</i>",
         ":" + std::to_string(l3q) + ": tag <b> is not closed by >"},
        {"phonetic span of two characters", lineOf(10, kQ),
         "Q: [м<font face=SILDoulosIPA>@@</font>]",
         ":" + std::to_string(lineOf(10, kQ)) +
             ": a phonetic span must hold exactly one @ or #, not \"@@\""},
        {"picture missing", lineOf(9, kQ), "Q: <img src=\"Images\\nope.jpg\">",
         ":" + std::to_string(lineOf(9, kQ)) +
             ": picture Images\\nope.jpg is missing from assets/Images"},
        {"answer line missing", lineOf(20, kC), "C: Просто так.",
         ":" + std::to_string(lineOf(20, kC)) +
             ": explanation has no answer line (<b>Ответ</b>: (Л))"},
        {"answer letter differs", lineOf(20, kC), "C: Так. <b>Ответ:</b> (Д).",
         ":" + std::to_string(lineOf(20, kC)) + ": answer line names (Д) but R: is 1 (А)"},
        {"text after the answer line", lineOf(20, kC), "C: <b>Ответ</b>: (А) и ещё",
         ":" + std::to_string(lineOf(20, kC)) +
             ": after the answer line only a remark list <br><ul><li>...</ul> may follow"},
        {"option repeats the right text", lineOf(20, kA1 + 1), "A: ответ 1&nbsp;&rarr;",
         ":" + std::to_string(lineOf(20, kA1 + 1)) + ": option 2 repeats the right answer's text"},
        {"bare ampersand", l3q, "Q: Том & Джерри",
         ":" + std::to_string(l3q) + ": & starts no reference ending in ; (write &amp;)"},
        {"remark lists short of the row", lineOf(1, kC), "C: <b>Ответ</b>: (Б)",
         ": set has 7 explanations with a remark list, its row asks for 8"},
        {"phonetic records short of the row", lineOf(11, kQ), "Q: Вопрос",
         ": set has 1 records with the phonetic font, its row asks for 2"},
        {"pictures short of the row", lineOf(9, kQ), "Q: Вопрос",
         ": set has 0 records with pictures, its row asks for 1"},
        {"field missing", lineOf(20, kC), "# deleted",
         ":" + std::to_string(lineOf(20, 0)) + ": record has no C: line"},
        {"record out of order", lineOf(20, 0), "== 21",
         ":" + std::to_string(lineOf(20, 0)) + ": record == 21 out of order (== 20 expected)"},
    };
    for (const BrokenCase& c : cases) {
        std::vector<std::string> lines = validSet();
        lines[static_cast<std::size_t>(c.line - 1)] = c.replacement;
        const std::vector<std::string> problems = check(lines);
        ASSERT_FALSE(problems.empty()) << c.what;
        bool found = false;
        for (const std::string& p : problems) {
            found |= p.find(c.expected) != std::string::npos && p.rfind("2006_2-3.txt:", 0) == 0;
        }
        EXPECT_TRUE(found) << c.what << ": got " << ::testing::PrintToString(problems);
    }
}

TEST(BankValidator, ASetOfTheWrongSizeIsRefused) {
    std::vector<std::string> lines = validSet();
    lines.resize(lines.size() - 9); // drop record 26
    const auto problems = check(lines);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("set has 25 records, its row asks for 26"), std::string::npos);
}

TEST(BankCodegen, LiteralsKeepEveryByte) {
    EXPECT_EQ(bankc::cppLiteral("a\"b\\c?\xC0"
                                "1\n"),
              "\"a\\042b\\134c\\077\\3001\\012\"");
}

TEST(Distributions, RefusesMalformedTables) {
    std::string pairs;
    for (int s = 3; s <= 95; ++s) {
        pairs += " " + std::to_string(s) + ":1";
    }
    const std::map<std::string, std::string> cases = {
        {"2000 5: 0:3 1:4" + pairs, "no test gives 1 points"},
        {"2000 5: 3:4 3:5" + pairs, "score 3 out of ascending order"},
        {"2000 5: 0:0" + pairs, "count for score 0 is not positive"},
        {"2000 5: 3:4 50:1", "table holds 2 pairs, 90 to 117 expected"},
        {"2000 4:" + pairs, "no class menu offers year 2000 class 4"},
        {"2000 5" + pairs, "line is not \"YEAR CLASS: score:count ...\""},
    };
    for (const auto& [line, expected] : cases) {
        const auto file = bankc::parseDistributions(line + "\n");
        bool found = false;
        for (const auto& d : file.problems) {
            found |= d.line == 1 && d.reason == expected;
        }
        EXPECT_TRUE(found) << line.substr(0, 30) << " -> " << expected;
    }
    const auto empty = bankc::parseDistributions("");
    EXPECT_EQ(empty.problems.size(), 64u); // every table missing
}

} // namespace
