// A grid attached to a real list view inside a parent window of ours, as the
// dialog does it, and the consistency check every grid test runs after each
// operation.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "flistctrl.h"
#include "recording_parent.h"

using Rows = std::vector<POSITION>;

// A visible top-level window of a plain class, for a grid to live in.
HWND CreateHostWindow(const wchar_t* pszTitle, int cx, int cy);
// Plays every queued message as the dialog's modal loop does, up to a bound:
// pre-translation from hRoot down first, then translate and dispatch.
void PumpMessages(HWND hRoot);
// The child windows of hParent with one of these control ids.
std::vector<HWND> ChildrenWithId(HWND hParent, std::initializer_list<UINT> ids);

// Records the items the list view asks to be drawn, and paints them when asked
// to.
class CCountingGrid : public CFListCtrl {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        m_Drawn.push_back(lpDIS->itemID);
        if (m_bPaint)
            CFListCtrl::DrawItem(lpDIS);
    }
    std::vector<UINT> m_Drawn;
    bool m_bPaint = false;
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual DWORD ListStyle() const { return LVS_REPORT; }

    HWND List() const { return m_grid.GetSafeHwnd(); }
    LRESULT ListSend(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(List(), nMsg, wParam, lParam);
    }
    Rows ListRows() const; // item data of every list-view item, in order
    void Pump() { PumpMessages(m_parent.GetSafeHwnd()); }
    // The grid's editor windows with this control id (the text editor's, or the
    // drop-down's).
    std::vector<HWND> EditorWindows(UINT nId = FL_EDITOR_ID_TEXT) const {
        return ChildrenWithId(List(), {nId});
    }

    // Sizes the list so that exactly nRows rows fit on its page, with half a row to spare.
    void FitRowsPerPage(int nRows);
    void AddColumns(int nCount);
    Rows AddRows(int nCount);
    POSITION AddChildRow(POSITION hParent) { return m_grid.InsertItem(hParent, L"", -1, -1); }
    void SetExpanded(POSITION hRow, bool bExpanded) { m_grid.Expand(hRow, !bExpanded); }
    int Index(POSITION hRow) { return m_grid.GetRowRecord(hRow)->m_nListIndex; }

    // Record invariants, and the list view mirroring exactly the shown rows.
    void CheckConsistency();

    CWnd m_parent;
    RecordingParent m_notes; // the parent's log of the grid's notifications
    CCountingGrid m_grid;
};

#define EXPECT_GRID_CONSISTENT()                                                                   \
    do {                                                                                           \
        SCOPED_TRACE("grid consistency");                                                          \
        CheckConsistency();                                                                        \
    } while (0)
