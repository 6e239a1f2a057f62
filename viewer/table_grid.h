#pragma once

#include <vector>

namespace viewer {

struct CellSpan {
    int columns = 1;
    int rows = 1;
};

struct CellPlace {
    int row = 0;
    int column = -1; // -1: past the column limit, not placed
    int rows = 1;
    int columns = 1;
};

struct TableGrid {
    int rows = 0;
    int columns = 0;
    std::vector<std::vector<CellPlace>> cells; // one entry per cell of each source row
};

inline constexpr int kMaxTableColumns = 64;

// Places the cells of the source rows on a grid, left to right, skipping places taken by
// cells that span rows from above. Spans are clamped to at least 1, to the rows left and to
// the column limit; a cell that would start past the limit is not placed.
TableGrid placeCells(const std::vector<std::vector<CellSpan>>& rows);

} // namespace viewer
