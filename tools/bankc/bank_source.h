#pragma once

#include <string>
#include <vector>

// A question set as written in its UTF-8 source file, with the line of every field.
namespace bankc {

struct Field {
    std::string text; // UTF-8 markup
    int line = 0;     // 0 when the field is missing
};

struct SourceRecord {
    int position = 0;
    int line = 0; // of its "== N"
    Field Q;
    std::vector<Field> A;
    Field R;
    Field C;
};

struct Diagnostic {
    int line;
    std::string reason;
};

struct SourceSet {
    std::string path;
    int year = 0;
    std::string group; // "2-3", "9-11" ...
    std::vector<SourceRecord> records;
    std::vector<Diagnostic> problems; // syntax problems found while reading
};

// Reads a set from its file; the year and group come from the file name YEAR_GROUP.txt.
SourceSet readSet(const std::string& path);

// Reads a set from text, as if from a file at `path`.
SourceSet parseSet(const std::string& path, const std::string& text);

} // namespace bankc
