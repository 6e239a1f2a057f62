#include "viewer/document_builder.h"

#include "viewer/document_style.h"
#include "viewer/element_formats.h"
#include "viewer/markup_attributes.h"
#include "viewer/picture_ratio.h"
#include "viewer/table_grid.h"

#include <QAbstractTextDocumentLayout>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <map>

namespace viewer {

namespace {

struct BlockContext {
    Qt::Alignment alignment = Qt::AlignLeft;
    int indent = 0;
    bool pre = false;
};

struct FixedHeightTable {
    QTextTable* table;
    int minimumHeight;
};

class DocumentBuilder {
public:
    DocumentBuilder(QTextDocument& document, const ViewerSettings& settings,
                    PictureSource& pictures)
        : document_(document), settings_(settings), pictures_(pictures), cursor_(&document) {}

    void build(const Node& root, int textWidth) {
        const QTextCharFormat base = baseCharFormat(settings_);
        // Inside an edit block a cursor does not lay out its block after every insertion.
        QTextCursor editBlock(&document_);
        editBlock.beginEditBlock();
        cursor_.setBlockCharFormat(base);
        walkChildren(root, base, BlockContext{});
        dropPending();
        editBlock.endEditBlock();
        hideEmptyBlocksBesideTables();
        fixTableHeights(textWidth);
    }

private:
    void walkChildren(const Node& node, const QTextCharFormat& format,
                      const BlockContext& context) {
        for (const Node& child : node.children) {
            walk(child, format, context);
        }
    }

    void walk(const Node& node, const QTextCharFormat& format, const BlockContext& context) {
        switch (node.tag) {
        case Tag::Text:
            text(node.text, format, context);
            return;
        case Tag::Br:
            lineBreak(format, context);
            return;
        case Tag::Img:
            picture(node, format, context);
            return;
        case Tag::Hr:
            rule(format, context);
            return;
        case Tag::Ul:
        case Tag::Ol:
            list(node, format, context);
            return;
        case Tag::Li:
            // An item outside a list cannot come from the tree builder; show its content.
            walkChildren(node, format, context);
            return;
        case Tag::Table:
            table(node, format, context);
            return;
        case Tag::P:
        case Tag::Div:
        case Tag::Center:
        case Tag::Pre:
        case Tag::Blockquote:
        case Tag::H1:
        case Tag::H2:
        case Tag::H3:
        case Tag::H4:
        case Tag::H5:
        case Tag::H6:
            block(node, format, context);
            return;
        default:
            break;
        }
        if (isInlineFormatting(node.tag)) {
            walkChildren(node, inlineFormat(node, format, settings_), context);
        }
        // Rows and cells outside a table and the root's own kinds cannot occur here.
    }

    QTextBlockFormat blockFormatFor(const BlockContext& context) const {
        QTextBlockFormat format;
        format.setAlignment(context.alignment);
        format.setIndent(context.indent);
        return format;
    }

    // Starts a block for the content that follows, reusing the current one when it is still
    // empty and free.
    void openBlock(const QTextBlockFormat& format, const QTextCharFormat& charFormat) {
        dropPending();
        if (blockFresh_) {
            if (cursor_.currentList() != nullptr) {
                // An empty list item taken by a block inside it stays an item of its list.
                QTextBlockFormat kept = format;
                kept.clearProperty(QTextFormat::BlockIndent);
                cursor_.mergeBlockFormat(kept);
            } else {
                cursor_.setBlockFormat(format);
            }
            setFreshBlockCharFormat(charFormat);
        } else {
            cursor_.insertBlock(format, charFormat);
        }
        blockFresh_ = true;
        needBlock_ = false;
        lineHasContent_ = false;
    }

    // The character format of a cell's first block is the cell's own format: its spans,
    // vertical alignment and background stay, or Qt's table would lose its shape.
    void setFreshBlockCharFormat(const QTextCharFormat& charFormat) {
        const QTextCharFormat current = cursor_.blockCharFormat();
        if (!current.isTableCellFormat()) {
            cursor_.setBlockCharFormat(charFormat);
            return;
        }
        QTextTableCellFormat kept = current.toTableCellFormat();
        const QTextCharFormat::VerticalAlignment cellAlignment = kept.verticalAlignment();
        kept.merge(charFormat);
        kept.setVerticalAlignment(cellAlignment);
        cursor_.setBlockCharFormat(kept);
    }

    // Inline content after a block element ended goes into a block of its own.
    void prepareInline(const QTextCharFormat& format, const BlockContext& context) {
        if (needBlock_) {
            openBlock(blockFormatFor(context), format);
        }
    }

    void flushPending() {
        if (pendingBreak_) {
            cursor_.insertText(QString(QChar::LineSeparator), breakFormat_);
            pendingBreak_ = false;
            pendingSpace_ = false;
        }
        if (pendingSpace_) {
            cursor_.insertText(QStringLiteral(" "), spaceFormat_);
            pendingSpace_ = false;
        }
    }

    // A line break that ends a block adds no empty line, nor does a space that ends a line.
    void dropPending() {
        pendingBreak_ = false;
        pendingSpace_ = false;
    }

    void markContent() {
        blockFresh_ = false;
        lineHasContent_ = true;
    }

    void text(const std::string& utf8, const QTextCharFormat& format, const BlockContext& context) {
        if (utf8.empty()) {
            return;
        }
        prepareInline(format, context);
        if (context.pre) {
            flushPending();
            QString content = QString::fromStdString(utf8);
            content.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor_.insertText(content, format);
            markContent();
            return;
        }
        std::string_view run(utf8);
        if (run.front() == ' ') {
            run.remove_prefix(1);
            if (lineHasContent_ && !pendingBreak_) {
                pendingSpace_ = true;
                spaceFormat_ = format;
            }
        }
        const bool trailingSpace = !run.empty() && run.back() == ' ';
        if (trailingSpace) {
            run.remove_suffix(1);
        }
        if (!run.empty()) {
            flushPending();
            cursor_.insertText(QString::fromUtf8(run.data(), static_cast<qsizetype>(run.size())),
                               format);
            markContent();
        }
        if (trailingSpace && lineHasContent_ && !pendingBreak_) {
            pendingSpace_ = true;
            spaceFormat_ = format;
        }
    }

    void lineBreak(const QTextCharFormat& format, const BlockContext& context) {
        prepareInline(format, context);
        pendingSpace_ = false;
        flushPending();
        pendingBreak_ = true;
        breakFormat_ = format;
        blockFresh_ = false;
        lineHasContent_ = false;
    }

    void picture(const Node& node, const QTextCharFormat& format, const BlockContext& context) {
        prepareInline(format, context);
        flushPending();
        const std::string* src = node.attribute("src");
        const std::string key = src != nullptr ? *src : std::string();
        auto found = pictureNames_.find(key);
        if (found == pictureNames_.end()) {
            const QImage image = pictures_.picture(key);
            const QString name = QStringLiteral("viewer-picture:%1").arg(pictureNames_.size());
            document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
            found = pictureNames_.emplace(key, std::make_pair(name, logicalSize(image))).first;
        }
        const auto& [name, size] = found->second;
        QTextImageFormat image;
        image.merge(format);
        image.setName(name);
        const auto width = integerOf(node.attribute("width"), 1, kMaxLength);
        const auto height = integerOf(node.attribute("height"), 1, kMaxLength);
        qreal shownWidth = size.width();
        qreal shownHeight = size.height();
        if (width && height) {
            shownWidth = *width;
            shownHeight = *height;
        } else if (width && size.width() > 0) {
            shownHeight = size.height() * qreal(*width) / size.width();
            shownWidth = *width;
        } else if (height && size.height() > 0) {
            shownWidth = size.width() * qreal(*height) / size.height();
            shownHeight = *height;
        }
        image.setWidth(shownWidth);
        image.setHeight(shownHeight);
        cursor_.insertImage(image);
        markContent();
    }

    void rule(const QTextCharFormat& format, const BlockContext& context) {
        QTextBlockFormat ruleFormat = blockFormatFor(context);
        ruleFormat.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                               QTextLength(QTextLength::PercentageLength, 100));
        openBlock(ruleFormat, format);
        blockFresh_ = false;
        needBlock_ = true;
    }

    void block(const Node& node, QTextCharFormat format, BlockContext context) {
        if (const auto align = horizontalAlignment(node.attribute("align"))) {
            context.alignment = *align;
        }
        QTextBlockFormat blockFormat;
        const int size = pixelSizeOf(format, settings_);
        switch (node.tag) {
        case Tag::Center:
            context.alignment = Qt::AlignHCenter;
            break;
        case Tag::Blockquote:
            context.indent += 1;
            break;
        case Tag::Pre:
            context.pre = true;
            format.setFontFamilies(familiesFor(settings_.preFontName));
            break;
        case Tag::P:
            blockFormat.setTopMargin(size);
            blockFormat.setBottomMargin(size);
            break;
        default:
            if (isHeading(node.tag)) {
                // First to sixth level: 2, 1.5, 1.17, 1, 0.83 and 0.67 times the body size.
                static constexpr double kScale[] = {2.0, 1.5, 1.17, 1.0, 0.83, 0.67};
                const int level = static_cast<int>(node.tag) - static_cast<int>(Tag::H1);
                const int headingSize = scaledPixelSize(size, kScale[level]);
                format.setFontWeight(QFont::Bold);
                format.setProperty(QTextFormat::FontPixelSize, headingSize);
                blockFormat.setTopMargin(headingSize / 2);
                blockFormat.setBottomMargin(headingSize / 2);
            }
            break;
        }
        blockFormat.setAlignment(context.alignment);
        blockFormat.setIndent(context.indent);
        openBlock(blockFormat, format);
        walkChildren(node, format, context);
        dropPending();
        needBlock_ = true;
    }

    void list(const Node& node, const QTextCharFormat& format, const BlockContext& context) {
        QTextListFormat listFormat;
        if (node.tag == Tag::Ol) {
            listFormat.setStyle(QTextListFormat::ListDecimal);
        } else {
            static constexpr QTextListFormat::Style kBullets[] = {QTextListFormat::ListDisc,
                                                                  QTextListFormat::ListCircle,
                                                                  QTextListFormat::ListSquare};
            listFormat.setStyle(kBullets[listDepth_ % 3]);
        }
        listFormat.setIndent(context.indent + 1);
        BlockContext inner = context;
        inner.indent += 1;
        // Qt deletes a list whose last block leaves it; then the next item starts a new one.
        QPointer<QTextList> textList;
        ++listDepth_;
        for (const Node& child : node.children) {
            if (child.tag != Tag::Li) {
                walk(child, format, inner);
                continue;
            }
            if (cursor_.currentList() != nullptr) {
                blockFresh_ = false; // an empty item before this one stays an item
            }
            openBlock(blockFormatFor(context), format);
            if (textList == nullptr) {
                textList = cursor_.createList(listFormat);
            } else {
                textList->add(cursor_.block());
            }
            walkChildren(child, format, inner);
            dropPending();
            needBlock_ = true;
        }
        --listDepth_;
        needBlock_ = true;
        blockFresh_ = false;
    }

    void table(const Node& node, const QTextCharFormat& format, const BlockContext& context) {
        std::vector<const Node*> rows;
        std::vector<std::vector<const Node*>> cells;
        std::vector<std::vector<CellSpan>> spans;
        for (const Node& row : node.children) {
            if (row.tag != Tag::Tr) {
                continue;
            }
            rows.push_back(&row);
            auto& rowCells = cells.emplace_back();
            auto& rowSpans = spans.emplace_back();
            for (const Node& cell : row.children) {
                if (isTableCell(cell.tag)) {
                    rowCells.push_back(&cell);
                    rowSpans.push_back(
                        {integerOf(cell.attribute("colspan"), 1, kMaxTableColumns).value_or(1),
                         integerOf(cell.attribute("rowspan"), 1, 1000).value_or(1)});
                }
            }
        }
        const TableGrid grid = placeCells(spans);
        if (grid.rows == 0 || grid.columns == 0) {
            return;
        }
        prepareInline(format, context);
        flushPending();
        if (blockFresh_ && cursor_.block().length() == 1) {
            blocksBesideTables_.push_back(cursor_.block());
        }
        QTextTableFormat tableLook = tableFormat(node);
        const auto height = integerOf(node.attribute("height"), 0, kMaxLength);
        const bool fixedHeight = height && !isPercentage(node.attribute("height"));
        // A one-row table without lines, spacing or padding (the option box) gets its height
        // from an empty strut cell in a column of no width: Qt then centres the real cells in
        // one layout pass. Other tables of fixed height are laid out twice.
        const bool strut = fixedHeight && grid.rows == 1 && tableLook.border() == 0 &&
                           tableLook.cellSpacing() == 0 && tableLook.cellPadding() == 0 &&
                           grid.columns < kMaxTableColumns;
        if (strut) {
            QList<QTextLength> widths(grid.columns, QTextLength(QTextLength::VariableLength, 0));
            widths << QTextLength(QTextLength::FixedLength, 0);
            tableLook.setColumnWidthConstraints(widths);
        }
        QTextTable* textTable =
            cursor_.insertTable(grid.rows, grid.columns + (strut ? 1 : 0), tableLook);
        for (int r = 0; r < grid.rows; ++r) {
            for (const CellPlace& place : grid.cells[r]) {
                if (place.column >= 0 && (place.rows > 1 || place.columns > 1)) {
                    textTable->mergeCells(place.row, place.column, place.rows, place.columns);
                }
            }
        }
        for (int r = 0; r < grid.rows; ++r) {
            const Node& row = *rows[r];
            const auto rowAlign = horizontalAlignment(row.attribute("align"));
            const auto rowVAlign = verticalAlignment(row.attribute("valign"));
            bool placedInRow = false;
            for (std::size_t i = 0; i < grid.cells[r].size(); ++i) {
                const CellPlace& place = grid.cells[r][i];
                const Node& cellNode = *cells[r][i];
                if (place.column < 0) {
                    // Past the column limit: the content joins the row's last cell.
                    if (placedInRow) {
                        walkChildren(cellNode, format, BlockContext{});
                    }
                    continue;
                }
                placedInRow = true;
                tableCell(*textTable, place, cellNode, format, rowAlign, rowVAlign);
            }
            dropPending();
        }
        if (strut) {
            addStrut(*textTable, grid.columns, *height);
        } else if (fixedHeight) {
            fixedHeightTables_.push_back({textTable, *height});
        }
        cursor_ = textTable->lastCursorPosition();
        cursor_.movePosition(QTextCursor::NextCharacter);
        cursor_.setBlockFormat(blockFormatFor(context));
        cursor_.setBlockCharFormat(format);
        blocksBesideTables_.push_back(cursor_.block());
        blockFresh_ = true;
        needBlock_ = false;
        lineHasContent_ = false;
        dropPending();
    }

    void tableCell(QTextTable& textTable, const CellPlace& place, const Node& cellNode,
                   QTextCharFormat format, std::optional<Qt::Alignment> rowAlign,
                   std::optional<QTextCharFormat::VerticalAlignment> rowVAlign) {
        QTextTableCell cell = textTable.cellAt(place.row, place.column);
        if (cellNode.tag == Tag::Th) {
            format.setFontWeight(QFont::Bold);
        }
        // The cell's format is also the character format of its first block. Only a cell that
        // spans has properties of its own to keep (reading them is not cheap).
        QTextTableCellFormat cellFormat;
        if (place.rows > 1 || place.columns > 1) {
            cellFormat = cell.format().toTableCellFormat();
        }
        cellFormat.merge(format);
        // Content sits in the middle of its row unless the cell or its row says otherwise.
        cellFormat.setVerticalAlignment(
            verticalAlignment(cellNode.attribute("valign"))
                .value_or(rowVAlign.value_or(QTextCharFormat::AlignMiddle)));
        const QColor background = colourOf(cellNode.attribute("bgcolor"));
        if (background.isValid()) {
            cellFormat.setBackground(background);
        }
        cell.setFormat(cellFormat);
        BlockContext cellContext;
        cellContext.alignment = cellNode.tag == Tag::Th ? Qt::AlignHCenter : Qt::AlignLeft;
        cellContext.alignment = horizontalAlignment(cellNode.attribute("align"))
                                    .value_or(rowAlign.value_or(cellContext.alignment));
        dropPending();
        cursor_ = cell.firstCursorPosition();
        cursor_.setBlockFormat(blockFormatFor(cellContext));
        blockFresh_ = true;
        needBlock_ = false;
        lineHasContent_ = false;
        walkChildren(cellNode, format, cellContext);
        dropPending();
    }

    // The strut's table has no padding, so its line height is the row's height.
    static void addStrut(QTextTable& textTable, int column, int height) {
        QTextTableCell cell = textTable.cellAt(0, column);
        QTextBlockFormat strutFormat;
        strutFormat.setLineHeight(std::max(0, height), QTextBlockFormat::FixedHeight);
        cell.firstCursorPosition().setBlockFormat(strutFormat);
    }

    // Qt keeps an empty block before a table that opens a document or a cell and after every
    // table; left empty, they would add a line of height that the markup never asked for.
    void hideEmptyBlocksBesideTables() {
        for (QTextBlock& block : blocksBesideTables_) {
            if (block.isValid() && block.length() == 1 && block.text().isEmpty()) {
                block.setVisible(false);
            }
        }
        if (!blocksBesideTables_.empty()) {
            document_.markContentsDirty(0, document_.characterCount());
        }
    }

    // Qt gives a table no more height than its rows need; a table with a fixed height gets
    // the difference as extra padding in its cells, split by each cell's vertical alignment.
    void fixTableHeights(int textWidth) {
        if (fixedHeightTables_.empty()) {
            return;
        }
        document_.setTextWidth(textWidth);
        QAbstractTextDocumentLayout* layout = document_.documentLayout();
        // Inner tables were created after the tables around them: fix them first.
        for (auto it = fixedHeightTables_.rbegin(); it != fixedHeightTables_.rend(); ++it) {
            layout->documentSize(); // lays out what changed
            QTextTable* textTable = it->table;
            const qreal height = layout->frameBoundingRect(textTable).height();
            const int extra = static_cast<int>(std::floor(it->minimumHeight - height));
            if (extra <= 0) {
                continue;
            }
            const QTextTableFormat format = textTable->format();
            const int rows = textTable->rows();
            // One relayout for all the cells, not one per cell.
            QTextCursor editBlock(&document_);
            editBlock.beginEditBlock();
            for (int r = 0; r < rows; ++r) {
                const int rowExtra = extra / rows + (r == rows - 1 ? extra % rows : 0);
                for (int c = 0; c < textTable->columns(); ++c) {
                    QTextTableCell cell = textTable->cellAt(r, c);
                    if (cell.row() != r || cell.column() != c) {
                        continue; // covered by a spanning cell
                    }
                    addPadding(cell, format.cellPadding(), rowExtra);
                }
            }
            textTable->setFormat(format); // relayout: a cell's own format change does not
            editBlock.endEditBlock();
        }
    }

    static void addPadding(QTextTableCell& cell, qreal tablePadding, int extra) {
        QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
        const qreal top = cellFormat.hasProperty(QTextFormat::TableCellTopPadding)
                              ? cellFormat.topPadding()
                              : tablePadding;
        const qreal bottom = cellFormat.hasProperty(QTextFormat::TableCellBottomPadding)
                                 ? cellFormat.bottomPadding()
                                 : tablePadding;
        int above = extra / 2;
        if (cellFormat.verticalAlignment() == QTextCharFormat::AlignTop) {
            above = 0;
        } else if (cellFormat.verticalAlignment() == QTextCharFormat::AlignBottom) {
            above = extra;
        }
        cellFormat.setTopPadding(top + above);
        cellFormat.setBottomPadding(bottom + extra - above);
        cell.setFormat(cellFormat);
    }

    QTextDocument& document_;
    const ViewerSettings& settings_;
    PictureSource& pictures_;
    QTextCursor cursor_;

    bool blockFresh_ = true;      // the current block is empty and may be taken by a new block
    bool needBlock_ = false;      // a block element ended: inline content needs a new block
    bool lineHasContent_ = false; // a space here would not start the line
    bool pendingSpace_ = false;
    bool pendingBreak_ = false;
    QTextCharFormat spaceFormat_;
    QTextCharFormat breakFormat_;
    int listDepth_ = 0;

    std::map<std::string, std::pair<QString, QSize>> pictureNames_;
    std::vector<QTextBlock> blocksBesideTables_;
    std::vector<FixedHeightTable> fixedHeightTables_;
};

} // namespace

std::unique_ptr<QTextDocument> buildDocument(const Node& root, const ViewerSettings& settings,
                                             PictureSource& pictures, int textWidth) {
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setDocumentMargin(0);
    QTextFrameFormat rootFormat = document->rootFrame()->frameFormat();
    rootFormat.setLeftMargin(settings.marginWidth);
    rootFormat.setRightMargin(settings.marginWidth);
    rootFormat.setTopMargin(settings.marginHeight);
    rootFormat.setBottomMargin(settings.marginHeight);
    document->rootFrame()->setFrameFormat(rootFormat);
    document->setDefaultFont(defaultFont(settings));
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(option);

    DocumentBuilder builder(*document, settings, pictures);
    builder.build(root, textWidth);
    return document;
}

} // namespace viewer
