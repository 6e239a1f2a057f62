#include "bench_texts.h"

#include "bank/cp1251.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace bench {

namespace {

const char* const kQuestion =
    "В словах <i>страна</i> и <i>сторона</i> — один и тот же корень: древнее сочетание "
    "<i>ра</i> на месте русского <i>оро</i> пришло к нам из старославянского языка. В каком "
    "из слов сочетание <i>ра</i> <b>не</b> имеет русской пары с <i>оро</i>?";

const char* const kExplanationParagraph =
    "Старославянское сочетание <i>ра</i> (<i>ла</i>, <i>ре</i>, <i>ле</i>) между согласными "
    "часто соответствует русскому полногласию <i>оро</i> (<i>оло</i>, <i>ере</i>): "
    "<i>глава — голова</i>, <i>здравый — здоровый</i>, <i>прах — порох</i>, "
    "<i>врата — ворота</i>. Русские слова обычно проще и «бытовее»: <i>голова</i> у человека, "
    "а <i>глава</i> — у книги или у&nbsp;города. ";

const char* const kExplanationTable =
    "<table border=1 cellspacing=0 bordercolor=\"#000080\" cellpadding=\"0\">"
    "<tr><td colspan=2><b>Пары слов</b></td></tr>"
    "<tr><td><i>млечный</i></td><td><i>молочный</i></td></tr>"
    "<tr><td><i>брег</i></td><td><i>берег</i></td></tr>"
    "<tr><td><i>хладный</i></td><td><i>холодный</i></td></tr></table>";

const char* const kAnswerAndRemark =
    "А вот в слове <i>брат</i> сочетание <i>ра</i> исконное. <b>Ответ</b>: (В).<br><ul><li>"
    "Такие пары полезно искать самому: <i>млечный — молочный</i>, <i>брег — берег</i>, "
    "<i>хладный — холодный</i>, <i>град — город</i>.</ul>";

std::string cp1251(const std::string& utf8) {
    return bank::cp1251::literal(utf8);
}

std::string longExplanation() {
    std::string text;
    for (int i = 0; i < 6; ++i) {
        text += kExplanationParagraph;
        if (i == 2) {
            text += kExplanationTable;
        }
    }
    return text + kAnswerAndRemark;
}

std::string review() {
    std::string page = kQuestion;
    const char* letters[] = {"А", "Б", "В", "Г", "Д"};
    const char* options[] = {"<i>глава</i>", "<i>здравый</i>", "<i>брат</i>", "<i>прах</i>",
                             "<i>врата</i>"};
    for (int k = 0; k < 5; ++k) {
        page += std::string("<br><br>(") + letters[k] + ")" + options[k];
    }
    return page + "<br><br>" + kExplanationParagraph + kAnswerAndRemark;
}

} // namespace

std::string optionBox(const std::string& option) {
    return "<table valign=bottom border=0 cellpadding=0 cellspacing=0 width=225 height=64>"
           "<tr><td align=center>" +
           option + "</td></tr></table>";
}

std::vector<BenchText> representativeTexts() {
    return {
        {"question", TextKind::Question, cp1251(kQuestion)},
        {"option", TextKind::Option, optionBox(cp1251("<i>здравый</i>&rsquo"))},
        {"explanation", TextKind::Explanation,
         cp1251(std::string(kExplanationParagraph) + kAnswerAndRemark)},
        {"longest_explanation", TextKind::Explanation, cp1251(longExplanation())},
        {"summary", TextKind::Summary,
         cp1251("<br><br><br><br><br><br><br><br><h1 align=center>Вы набрали 87 баллов.</h1>"
                "<h3 align=center>В 2004 году 63% участников набрали меньше.")},
        {"review", TextKind::Review, cp1251(review())},
    };
}

std::vector<BenchText> bankTexts(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<BenchText> texts;
    std::error_code error;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file);
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (line.size() < 3 || line[1] != ':' || line[2] != ' ') {
                continue;
            }
            const auto text = bank::cp1251::fromUtf8(std::string_view(line).substr(3));
            if (!text) {
                continue;
            }
            const std::string name = file.stem().string() + ":" + std::to_string(number);
            switch (line[0]) {
            case 'Q':
                texts.push_back({name, TextKind::Question, *text});
                break;
            case 'A':
                texts.push_back({name, TextKind::Option, optionBox(*text)});
                break;
            case 'C':
                texts.push_back({name, TextKind::Explanation, *text});
                break;
            default:
                break;
            }
        }
    }
    return texts;
}

} // namespace bench
