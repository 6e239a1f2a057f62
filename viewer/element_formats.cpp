#include "viewer/element_formats.h"

#include "viewer/document_style.h"
#include "viewer/markup_attributes.h"

#include <algorithm>
#include <cmath>

namespace viewer {

namespace {

void fontFormat(const Node& node, QTextCharFormat& format, const ViewerSettings& settings) {
    if (const std::string* face = node.attribute("face")) {
        QStringList families;
        for (const QString& name : QString::fromStdString(*face).split(QLatin1Char(','))) {
            if (!name.trimmed().isEmpty()) {
                families << name.trimmed();
            }
        }
        if (!families.isEmpty()) {
            // Characters the face lacks fall back to the viewer's own font.
            families << familiesFor(settings.fontName);
            format.setFontFamilies(families);
        }
    }
    const QColor colour = colourOf(node.attribute("color"));
    if (colour.isValid()) {
        format.setForeground(colour);
    }
    if (const std::string* size = node.attribute("size")) {
        // HTML sizes 1 to 7, absolute or relative to 3, the viewer's own size.
        static constexpr double kScale[] = {0.63, 0.82, 1.0, 1.13, 1.5, 2.0, 3.0};
        if (const auto number = integerOf(size, -7, 7)) {
            const bool relative = !size->empty() && (size->front() == '+' || size->front() == '-');
            const int level = std::clamp(relative ? 3 + *number : *number, 1, 7);
            const int base = pixelSizeOfPoints(settings.fontSizePoints);
            format.setProperty(QTextFormat::FontPixelSize,
                               scaledPixelSize(base, kScale[level - 1]));
        }
    }
}

} // namespace

QTextCharFormat inlineFormat(const Node& node, QTextCharFormat format,
                             const ViewerSettings& settings) {
    const int size = pixelSizeOf(format, settings);
    const auto scaled = [&](double factor) {
        format.setProperty(QTextFormat::FontPixelSize, scaledPixelSize(size, factor));
    };
    switch (node.tag) {
    case Tag::B:
    case Tag::Strong:
        format.setFontWeight(QFont::Bold);
        break;
    case Tag::I:
    case Tag::Em:
        format.setFontItalic(true);
        break;
    case Tag::U:
        format.setFontUnderline(true);
        break;
    case Tag::S:
        format.setFontStrikeOut(true);
        break;
    case Tag::Sub:
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        break;
    case Tag::Sup:
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        break;
    case Tag::Big:
        scaled(1.2);
        break;
    case Tag::Small:
        scaled(0.83);
        break;
    case Tag::Tt:
    case Tag::Code:
        format.setFontFamilies(familiesFor(settings.preFontName));
        break;
    case Tag::Font:
        fontFormat(node, format, settings);
        break;
    default:
        break;
    }
    return format;
}

QTextTableFormat tableFormat(const Node& node) {
    QTextTableFormat format;
    format.setMargin(0);
    format.setPadding(0);
    const std::string* borderValue = node.attribute("border");
    // "border" alone means a border of 1.
    const int border = borderValue == nullptr ? 0
                       : borderValue->empty() ? 1
                                              : integerOf(borderValue, 0, kMaxSpacing).value_or(1);
    format.setBorder(border);
    const QColor borderColour = colourOf(node.attribute("bordercolor"));
    if (border == 0) {
        format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    } else if (borderColour.isValid()) {
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(borderColour);
    } else {
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Outset);
        format.setBorderBrush(QColor(Qt::darkGray));
    }
    format.setCellSpacing(integerOf(node.attribute("cellspacing"), 0, kMaxSpacing).value_or(2));
    format.setCellPadding(integerOf(node.attribute("cellpadding"), 0, kMaxSpacing).value_or(1));
    if (const auto width = integerOf(node.attribute("width"), 0, kMaxLength)) {
        format.setWidth(isPercentage(node.attribute("width"))
                            ? QTextLength(QTextLength::PercentageLength, std::min(*width, 100))
                            : QTextLength(QTextLength::FixedLength, *width));
    }
    if (const auto align = horizontalAlignment(node.attribute("align"))) {
        format.setAlignment(*align);
    }
    const QColor background = colourOf(node.attribute("bgcolor"));
    if (background.isValid()) {
        format.setBackground(background);
    }
    return format;
}

} // namespace viewer
