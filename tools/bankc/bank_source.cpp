#include "bank_source.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace bankc {
namespace {

void nameFromPath(SourceSet& set) {
    static const std::regex pattern(R"((\d{4})_(\d+-\d+)\.txt$)");
    std::smatch m;
    if (std::regex_search(set.path, m, pattern)) {
        set.year = std::stoi(m[1]);
        set.group = m[2];
    } else {
        set.problems.push_back({1, "file name is not YEAR_GROUP.txt"});
    }
}

std::string trimmedRight(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) {
        s.pop_back();
    }
    return s;
}

void setField(SourceSet& set, Field& field, const char* name, std::string value, int line) {
    if (field.line != 0) {
        set.problems.push_back({line, std::string("second ") + name + " line in the record"});
        return;
    }
    field = {std::move(value), line};
}

} // namespace

SourceSet parseSet(const std::string& path, const std::string& text) {
    SourceSet set;
    set.path = path;
    nameFromPath(set);

    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    SourceRecord* current = nullptr;
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string line = trimmedRight(raw);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.rfind("==", 0) == 0) {
            SourceRecord rec;
            rec.line = lineNo;
            try {
                std::size_t used = 0;
                const std::string number = line.substr(2);
                rec.position = std::stoi(number, &used);
                if (number.find_first_not_of(' ', used) != std::string::npos) {
                    throw std::invalid_argument("trailing");
                }
            } catch (const std::exception&) {
                set.problems.push_back({lineNo, "record header is not \"== N\""});
            }
            set.records.push_back(rec);
            current = &set.records.back();
            continue;
        }
        if (current == nullptr) {
            set.problems.push_back({lineNo, "text before the first record"});
            continue;
        }
        const auto colon = line.find(':');
        const std::string key = colon == std::string::npos ? "" : line.substr(0, colon);
        std::string value = colon == std::string::npos ? "" : line.substr(colon + 1);
        if (!value.empty() && value[0] == ' ') {
            value.erase(0, 1);
        }
        if (key == "Q") {
            setField(set, current->Q, "Q:", value, lineNo);
        } else if (key == "A") {
            if (current->A.size() == 5) {
                set.problems.push_back({lineNo, "more than five A: lines in the record"});
            } else {
                current->A.push_back({value, lineNo});
            }
        } else if (key == "R") {
            setField(set, current->R, "R:", value, lineNo);
        } else if (key == "C") {
            setField(set, current->C, "C:", value, lineNo);
        } else {
            set.problems.push_back(
                {lineNo, "line is not a field (Q:, A:, R:, C:), a comment or a record header"});
        }
    }
    return set;
}

SourceSet readSet(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        SourceSet set;
        set.path = path;
        set.problems.push_back({1, "cannot read the file"});
        return set;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseSet(path, text.str());
}

} // namespace bankc
