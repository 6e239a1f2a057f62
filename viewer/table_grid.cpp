#include "viewer/table_grid.h"

#include <algorithm>

namespace viewer {

TableGrid placeCells(const std::vector<std::vector<CellSpan>>& rows) {
    TableGrid grid;
    grid.rows = static_cast<int>(rows.size());
    // taken[r][c]: the place is covered by a cell placed earlier.
    std::vector<std::vector<bool>> taken(rows.size(), std::vector<bool>(kMaxTableColumns, false));
    for (int r = 0; r < grid.rows; ++r) {
        std::vector<CellPlace>& placed = grid.cells.emplace_back();
        int column = 0;
        for (const CellSpan& span : rows[r]) {
            while (column < kMaxTableColumns && taken[r][column]) {
                ++column;
            }
            CellPlace place;
            place.row = r;
            if (column >= kMaxTableColumns) {
                placed.push_back(place);
                continue;
            }
            place.column = column;
            place.columns = std::clamp(span.columns, 1, kMaxTableColumns - column);
            place.rows = std::clamp(span.rows, 1, grid.rows - r);
            // A span stops short of a place already taken (by a cell spanning from above).
            for (int c = 1; c < place.columns; ++c) {
                if (taken[r][column + c]) {
                    place.columns = c;
                    break;
                }
            }
            for (int dr = 0; dr < place.rows; ++dr) {
                for (int dc = 0; dc < place.columns; ++dc) {
                    taken[r + dr][column + dc] = true;
                }
            }
            grid.columns = std::max(grid.columns, column + place.columns);
            column += place.columns;
            placed.push_back(place);
        }
    }
    return grid;
}

} // namespace viewer
