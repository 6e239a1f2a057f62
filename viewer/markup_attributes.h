#pragma once

#include <QColor>
#include <QTextCharFormat>
#include <optional>
#include <string>

// Attribute values as the document builder reads them; each takes the attribute's value or
// nullptr when the attribute is absent, and gives nothing for a value it cannot read.
namespace viewer {

inline constexpr int kMaxLength = 10000; // pixels, for widths, heights and picture sizes
inline constexpr int kMaxSpacing = 100;  // pixels, for borders, padding and spacing

// The leading integer ("64", " 2px", "+1"), clamped to [low, high].
std::optional<int> integerOf(const std::string* value, int low, int high);

bool isPercentage(const std::string* value);

// left, center (or middle), right, justify; any case.
std::optional<Qt::Alignment> horizontalAlignment(const std::string* value);

// top, middle (or center), bottom; any case.
std::optional<QTextCharFormat::VerticalAlignment> verticalAlignment(const std::string* value);

// "#rrggbb" or a colour name; invalid when it is neither.
QColor colourOf(const std::string* value);

} // namespace viewer
