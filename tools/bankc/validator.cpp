#include "validator.h"

#include "bank/cp1251.h"
#include "markup_check.h"
#include "set_rows.h"

#include <cstdio>

namespace bankc {
namespace {

const char* kLetters[] = {"А", "Б", "В", "Г", "Д"};

std::string describe(char32_t cp) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    return code;
}

struct AnswerLine {
    bool found = false;
    std::string letter;  // UTF-8
    std::size_t end = 0; // index after ")"
};

// Finds "<b>Ответ</b>: (Л)" or "<b>Ответ:</b> (Л)", a no-break space or "&nbsp;" allowed
// before the parenthesis.
AnswerLine findAnswerLine(const std::string& com) {
    for (const std::string prefix : {"<b>Ответ</b>:", "<b>Ответ:</b>"}) {
        std::size_t p = com.rfind(prefix);
        if (p == std::string::npos) {
            continue;
        }
        p += prefix.size();
        for (const std::string space : {" ", "\u00A0", "&nbsp;"}) {
            if (com.compare(p, space.size(), space) == 0) {
                p += space.size();
                break;
            }
        }
        if (com.compare(p, 1, "(") != 0) {
            continue;
        }
        const std::size_t close = com.find(')', p);
        if (close == std::string::npos) {
            continue;
        }
        return {true, com.substr(p + 1, close - p - 1), close + 1};
    }
    return {};
}

} // namespace

std::string formatProblems(const std::string& path, const std::vector<Diagnostic>& problems) {
    std::string out;
    for (const Diagnostic& d : problems) {
        out += path + ":" + std::to_string(d.line) + ": " + d.reason + "\n";
    }
    return out;
}

CheckedSet checkSet(const SourceSet& source,
                    const std::function<bool(const std::string&)>& pictureExists) {
    CheckedSet out;
    out.year = source.year;
    out.group = source.group;
    out.problems = source.problems;
    auto problem = [&out](int line, std::string reason) {
        out.problems.push_back({line, std::move(reason)});
    };

    const auto row = setRow(source.year, source.group);
    if (!row && source.year != 0) {
        problem(1, "the bank has no set " + std::to_string(source.year) + " " + source.group);
    }

    int pictures = 0;
    int phonetic = 0;
    int remarks = 0;
    int expectedPosition = 1;
    for (const SourceRecord& rec : source.records) {
        if (rec.position != expectedPosition) {
            problem(rec.line, "record == " + std::to_string(rec.position) + " out of order (== " +
                                  std::to_string(expectedPosition) + " expected)");
        }
        ++expectedPosition;

        CheckedRecord checked;
        bool recordPicture = false;
        bool recordPhonetic = false;
        auto field = [&](const Field& f, const char* name, std::string& target) {
            if (f.line == 0) {
                problem(rec.line, std::string("record has no ") + name + " line");
                return;
            }
            if (f.text.empty()) {
                problem(f.line, std::string("empty ") + name + " field");
                return;
            }
            if (const auto bad = bank::cp1251::firstUnencodable(f.text)) {
                problem(f.line, "character " + describe(*bad) +
                                    " is not in Windows-1251: write it as a reference");
                return;
            }
            target = *bank::cp1251::fromUtf8(f.text);
            const MarkupFacts facts = checkMarkup(f.text, pictureExists);
            for (const std::string& p : facts.problems) {
                problem(f.line, p);
            }
            recordPicture |= facts.hasPicture;
            recordPhonetic |= facts.hasPhonetic;
        };

        field(rec.Q, "Q:", checked.Q);
        if (rec.A.size() != 5) {
            problem(rec.line,
                    "record has " + std::to_string(rec.A.size()) + " A: lines, five expected");
        }
        for (std::size_t k = 0; k < rec.A.size() && k < 5; ++k) {
            field(rec.A[k], "A:", checked.A[k]);
        }
        field(rec.C, "C:", checked.Com);

        int right = 0;
        if (rec.R.line == 0) {
            problem(rec.line, "record has no R: line");
        } else if (rec.R.text.size() != 1 || rec.R.text[0] < '1' || rec.R.text[0] > '5') {
            problem(rec.R.line, "R: must be a number from 1 to 5, not \"" + rec.R.text + "\"");
        } else {
            right = rec.R.text[0] - '0';
            checked.Right = checked.A[right - 1];
            const bool deliberate =
                source.year == 2001 && source.group == "8-9" && rec.position == 5;
            for (int k = 1; k <= 5 && !deliberate; ++k) {
                if (k != right && rec.A.size() >= static_cast<std::size_t>(k) &&
                    rec.A.size() >= static_cast<std::size_t>(right) &&
                    rec.A[static_cast<std::size_t>(k - 1)].text ==
                        rec.A[static_cast<std::size_t>(right - 1)].text) {
                    problem(rec.A[static_cast<std::size_t>(k - 1)].line,
                            "option " + std::to_string(k) + " repeats the right answer's text");
                }
            }
        }

        if (rec.C.line != 0 && !rec.C.text.empty()) {
            const AnswerLine answer = findAnswerLine(rec.C.text);
            if (!answer.found) {
                problem(rec.C.line, "explanation has no answer line (<b>Ответ</b>: (Л))");
            } else {
                if (right != 0 && answer.letter != kLetters[right - 1]) {
                    problem(rec.C.line, "answer line names (" + answer.letter + ") but R: is " +
                                            std::to_string(right) + " (" + kLetters[right - 1] +
                                            ")");
                }
                std::string rest = rec.C.text.substr(answer.end);
                if (rest.rfind(".", 0) == 0) {
                    rest.erase(0, 1);
                }
                if (!rest.empty()) {
                    if (rest.rfind("<br><ul><li>", 0) != 0 || rest.size() < 5 ||
                        rest.substr(rest.size() - 5) != "</ul>") {
                        problem(rec.C.line, "after the answer line only a remark list "
                                            "<br><ul><li>...</ul> may follow");
                    } else {
                        ++remarks;
                    }
                }
            }
        }
        pictures += recordPicture;
        phonetic += recordPhonetic;
        out.records.push_back(std::move(checked));
    }

    if (row) {
        const int last = source.records.empty() ? 1 : source.records.back().line;
        auto count = [&](int have, int want, const char* what) {
            if (have != want) {
                problem(last, "set has " + std::to_string(have) + " " + what +
                                  ", its row asks for " + std::to_string(want));
            }
        };
        count(static_cast<int>(source.records.size()), row->questions, "records");
        count(pictures, row->pictures, "records with pictures");
        count(phonetic, row->phonetic, "records with the phonetic font");
        count(remarks, row->remarks, "explanations with a remark list");
    }
    return out;
}

} // namespace bankc
