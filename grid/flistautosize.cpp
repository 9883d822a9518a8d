// Fitting a column's width to its texts.
#include "flistctrl.h"

void CFListCtrl::AutoSizeColumn(int nCol) {
    if (m_nLinesPerRow > 1)
        return; // wrapped text has no single width to fit
    if (nCol == -1) {
        // -1 names the only column of a grid without a header.
        if (!(GetStyle() & LVS_NOCOLUMNHEADER) || m_Columns.GetSize() != 1)
            return;
    } else if (nCol < 0 || nCol >= m_Columns.GetSize()) {
        return;
    }
    // The fit itself measures cell and label rectangles; it arrives with the cell geometry.
}
