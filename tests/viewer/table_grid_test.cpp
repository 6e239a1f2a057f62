#include "viewer/table_grid.h"

#include <gtest/gtest.h>

namespace {

using viewer::CellSpan;
using viewer::placeCells;

TEST(TableGrid, ColumnsAreTheWidestRow) {
    const auto grid = placeCells({{{}, {}}, {{}, {}, {}}});
    EXPECT_EQ(grid.rows, 2);
    EXPECT_EQ(grid.columns, 3);
    EXPECT_EQ(grid.cells[1][2].column, 2);
}

TEST(TableGrid, ColumnSpanTakesItsColumns) {
    // The bank's table: a heading cell over two columns.
    const auto grid = placeCells({{{2, 1}}, {{}, {}}});
    EXPECT_EQ(grid.columns, 2);
    EXPECT_EQ(grid.cells[0][0].columns, 2);
    EXPECT_EQ(grid.cells[1][1].column, 1);
}

TEST(TableGrid, RowSpanPushesTheCellsBelowAside) {
    const auto grid = placeCells({{{1, 2}, {}}, {{}}});
    EXPECT_EQ(grid.cells[1][0].column, 1);
    EXPECT_EQ(grid.columns, 2);
}

TEST(TableGrid, SpansAreClamped) {
    const auto grid = placeCells({{{0, 99}, {1000, 1}}, {{}}});
    EXPECT_EQ(grid.cells[0][0].columns, 1);
    EXPECT_EQ(grid.cells[0][0].rows, 2); // no more than the rows left
    EXPECT_EQ(grid.cells[0][1].columns, viewer::kMaxTableColumns - 1);
    EXPECT_EQ(grid.columns, viewer::kMaxTableColumns);
    EXPECT_EQ(grid.cells[1][0].column, 1);
}

TEST(TableGrid, CellsPastTheLimitAreNotPlaced) {
    std::vector<CellSpan> wide(viewer::kMaxTableColumns + 3);
    const auto grid = placeCells({wide});
    EXPECT_EQ(grid.columns, viewer::kMaxTableColumns);
    EXPECT_EQ(grid.cells[0].back().column, -1);
}

TEST(TableGrid, ColumnSpanStopsAtAPlaceTakenFromAbove) {
    const auto grid = placeCells({{{}, {1, 2}}, {{3, 1}}});
    EXPECT_EQ(grid.cells[1][0].column, 0);
    EXPECT_EQ(grid.cells[1][0].columns, 1);
}

} // namespace
