#include "distributions.h"

#include <fstream>
#include <set>
#include <sstream>

namespace bankc {
namespace {

int firstClass(int year) {
    return year == 2000 ? 5 : year <= 2003 ? 3 : 2;
}

} // namespace

DistributionFile parseDistributions(const std::string& text) {
    DistributionFile file;
    auto problem = [&file](int line, std::string reason) {
        file.problems.push_back({line, std::move(reason)});
    };
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    std::set<std::pair<int, int>> seen;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#' ||
            line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        DistributionTable table;
        table.line = lineNo;
        std::istringstream row(line);
        char colon = 0;
        if (!(row >> table.year >> table.schoolClass >> colon) || colon != ':') {
            problem(lineNo, "line is not \"YEAR CLASS: score:count ...\"");
            continue;
        }
        if (table.year < 2000 || table.year > 2006 || table.schoolClass < firstClass(table.year) ||
            table.schoolClass > 11) {
            problem(lineNo, "no class menu offers year " + std::to_string(table.year) + " class " +
                                std::to_string(table.schoolClass));
            continue;
        }
        if (!seen.insert({table.year, table.schoolClass}).second) {
            problem(lineNo, "second table for this year and class");
            continue;
        }
        std::string token;
        int previous = -1;
        while (row >> token) {
            int score = 0;
            int count = 0;
            char sep = 0;
            std::istringstream pair(token);
            if (!(pair >> score >> sep >> count) || sep != ':' || !pair.eof()) {
                problem(lineNo, "\"" + token + "\" is not score:count");
                break;
            }
            if (score < 0 || score > 120 || score == 1 || score == 2 || score == 118 ||
                score == 119) {
                problem(lineNo, "no test gives " + std::to_string(score) + " points");
            } else if (score <= previous) {
                problem(lineNo, "score " + std::to_string(score) + " out of ascending order");
            } else if (count <= 0) {
                problem(lineNo, "count for score " + std::to_string(score) + " is not positive");
            }
            previous = score;
            table.pairs.emplace_back(score, count);
        }
        if (table.pairs.size() < 90 || table.pairs.size() > 117) {
            problem(lineNo, "table holds " + std::to_string(table.pairs.size()) +
                                " pairs, 90 to 117 expected");
        }
        file.tables.push_back(std::move(table));
    }
    for (int year = 2000; year <= 2006; ++year) {
        for (int cls = firstClass(year); cls <= 11; ++cls) {
            if (seen.count({year, cls}) == 0) {
                problem(lineNo, "no table for year " + std::to_string(year) + " class " +
                                    std::to_string(cls));
            }
        }
    }
    return file;
}

DistributionFile readDistributions(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        DistributionFile file;
        file.problems.push_back({1, "cannot read the file"});
        return file;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseDistributions(text.str());
}

} // namespace bankc
