#include "viewer/markup_attributes.h"

#include <algorithm>
#include <charconv>

namespace viewer {

namespace {

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

} // namespace

std::optional<int> integerOf(const std::string* value, int low, int high) {
    if (value == nullptr) {
        return std::nullopt;
    }
    std::string_view text(*value);
    while (!text.empty() && (text.front() == ' ' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc::result_out_of_range) {
        return text.front() == '-' ? low : high;
    }
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<long long>(number, low, high));
}

bool isPercentage(const std::string* value) {
    return value != nullptr && value->find('%') != std::string::npos;
}

std::optional<Qt::Alignment> horizontalAlignment(const std::string* value) {
    if (value == nullptr) {
        return std::nullopt;
    }
    const std::string align = lowerCase(*value);
    if (align == "center" || align == "middle") {
        return Qt::AlignHCenter;
    }
    if (align == "right") {
        return Qt::AlignRight;
    }
    if (align == "left") {
        return Qt::AlignLeft;
    }
    if (align == "justify") {
        return Qt::AlignJustify;
    }
    return std::nullopt;
}

std::optional<QTextCharFormat::VerticalAlignment> verticalAlignment(const std::string* value) {
    if (value == nullptr) {
        return std::nullopt;
    }
    const std::string align = lowerCase(*value);
    if (align == "top") {
        return QTextCharFormat::AlignTop;
    }
    if (align == "bottom") {
        return QTextCharFormat::AlignBottom;
    }
    if (align == "middle" || align == "center") {
        return QTextCharFormat::AlignMiddle;
    }
    return std::nullopt;
}

QColor colourOf(const std::string* value) {
    if (value == nullptr) {
        return {};
    }
    return QColor::fromString(QString::fromStdString(*value).trimmed());
}

} // namespace viewer
