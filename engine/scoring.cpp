#include "scoring.h"

#include "bank/cp1251.h"

#include <cassert>
#include <string>

namespace engine {

int pointsForPosition(int pos) {
    if (pos <= 10) {
        return 3;
    }
    return pos <= 20 ? 4 : 5;
}

const Text& scoreWord(int score) {
    static const Text one = bank::cp1251::literal("балл");
    static const Text few = bank::cp1251::literal("балла");
    static const Text many = bank::cp1251::literal("баллов");
    const int lastTwo = score % 100;
    if (lastTwo >= 11 && lastTwo <= 14) {
        return many;
    }
    switch (score % 10) {
    case 1:
        return one;
    case 2:
    case 3:
    case 4:
        return few;
    default:
        return many;
    }
}

std::uint8_t RezPercent(int score, const bank::TRezBase& rezBase) {
    std::int64_t total = 0;
    std::int64_t fewer = 0;
    for (int s = 1; s <= 120; ++s) {
        const std::int32_t count = rezBase[static_cast<std::size_t>(s)];
        total += count;
        if (s < score) {
            fewer += count;
        }
    }
    if (total <= 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(fewer * 100 / total);
}

Text summaryHtml(int score, int selectedYear, const bank::TRezBase& rezBase) {
    static const Text head =
        bank::cp1251::literal("<br><br><br><br><br><br><br><br><h1 align=center>Вы набрали ");
    static const Text yearIntro = bank::cp1251::literal(".</h1><h3 align=center>В ");
    static const Text shareTail =
        bank::cp1251::literal("% участников набрали меньшее количество баллов.");
    static const Text yearWord = bank::cp1251::literal(" го") + bank::cp1251::literal("ду ");

    Text html = head + std::to_string(score) + " " + scoreWord(score);
    if (selectedYear == 0) {
        return html + ".</h1>";
    }
    html += yearIntro + std::to_string(selectedYear) + yearWord;
    html += std::to_string(RezPercent(score, rezBase)) + shareTail;
    return html;
}

Text clockText(int minutes, int seconds) {
    auto twoDigits = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return twoDigits(minutes) + ":" + twoDigits(seconds);
}

Text optionLetter(int k) {
    assert(k >= 1 && k <= 5);
    return Text(1, static_cast<char>(0xC0 + k - 1));
}

Text optionHtml(const Text& option) {
    return "<table valign=bottom border=0 cellpadding=0 cellspacing=0 width=225 height=64>"
           "<tr><td align=center>" +
           option + "</td></tr></table>";
}

} // namespace engine
