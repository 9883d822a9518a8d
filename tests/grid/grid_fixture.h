// A grid attached to a real list view inside a parent window of ours, as the dialog
// does it, and the consistency check every grid test runs after each operation.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "flistctrl.h"

// Counts the owner-draw requests the list view makes, so tests can see repaints.
class CCountingGrid : public CFListCtrl {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    std::vector<int> m_DrawnItems;
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Style of the list view SetUp creates.
    virtual DWORD ListStyle() const { return LVS_REPORT; }

    // Creates the parent and a list view with the given styles, attaches the grid.
    void CreateWindows(DWORD dwListStyle, int nWidth = 300, int nHeight = 200);
    void DestroyWindows();

    HWND ListHwnd() const { return m_grid.GetSafeHwnd(); }
    int ListItemCount() const;
    POSITION ListItemRow(int nItem) const;

    void AddColumns(int nCount, int nProfile = -1);
    std::vector<POSITION> AddRows(int nCount);

    // Links a new child row under hParent the way the tree operations do, then asks
    // the grid to show it; the grid decides whether it appears.
    POSITION AddChildRow(POSITION hParent, LPCWSTR pszText);
    // Expands or collapses a row by hand: the flag, then the children's list items.
    void SetExpanded(POSITION hRow, bool bExpanded);

    // The rows that should be shown, in display order, from the records alone.
    std::vector<POSITION> ExpectedShownRows();
    // Record invariants, and the list view mirroring exactly the shown rows.
    void CheckConsistency();

    CWnd m_parent;
    CCountingGrid m_grid;
};

#define EXPECT_GRID_CONSISTENT()                                                                   \
    do {                                                                                           \
        SCOPED_TRACE("grid consistency");                                                          \
        CheckConsistency();                                                                        \
    } while (0)
