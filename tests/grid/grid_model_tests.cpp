// Columns, rows and cell text as the main dialog uses them, a bad column to sort, deleting
// rows, the focus cell's notifications and repaints, and the row height measured through the
// list view.
#include <array>

#include "grid_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using GridModelTest = GridTest;

TEST_F(GridModelTest, ColumnAtZeroShiftsEveryRowsCellsRightOutsideTheColumnsNothingChanges) {
    const DWORD dwStyle = m_grid.GetStyle();
    // A position past the end would put the records and the list view's column at
    // different places: refused, like a negative one, and a row without columns.
    EXPECT_THROW(m_grid.InsertColumn(1, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException);
    EXPECT_EQ(m_grid.GetStyle(), dwStyle);
    EXPECT_THROW(m_grid.InsertItem(L"Player 1", -1, -1), CInvalidArgException);
    EXPECT_TRUE(m_grid.m_Rows.IsEmpty());
    const int nProfile = m_grid.AddProfile(FLPS_EDIT);
    AddColumns(2);
    const Rows rows = AddRows(3);
    m_grid.SetItemText(rows[2], 1, L"300");
    for (int nCol : {-1, 3})
        EXPECT_THROW(m_grid.InsertColumn(nCol, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException);
    EXPECT_EQ(m_grid.GetHeaderCtrl()->GetItemCount(), 2);
    EXPECT_EQ(m_grid.InsertColumn(0, L"First", 50, LVCFMT_RIGHT, nProfile), 0);
    EXPECT_EQ(std::make_pair(m_grid.GetColumnHeading(0), m_grid.GetItem(rows[2], 0)->m_nProfile),
              std::make_pair(CString(L"First"), nProfile));
    const std::vector<CString> texts = {m_grid.GetItemText(rows[2], 0),
                                        m_grid.GetItemText(rows[2], 1),
                                        m_grid.GetItemText(rows[2], 2)};
    EXPECT_EQ(texts, (std::vector<CString>{L"", L"Player 3", L"300"}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridModelTest, TenRowsInOrderCellsOutsideARowRaiseAndStoredTextRepaintsItsRow) {
    AddColumns(3);
    const Rows rows = AddRows(10);
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(m_grid.GetRowAt(i), rows[i]);
    EXPECT_EQ(std::make_tuple(m_grid.GetRowAt(-1), m_grid.GetRowAt(10), m_grid.GetRowCount(),
                              m_grid.GetRowRecord(rows[9])->m_nLevel,
                              m_grid.GetItemText(rows[9], 0)),
              std::make_tuple(POSITION(), POSITION(), 10, 1, CString(L"Player 10")));
    EXPECT_THROW(m_grid.SetItemText(rows[0], 3, L"lost"), CInvalidArgException);
    EXPECT_THROW(m_grid.GetItemText(FL_ROOT, 0), CInvalidArgException); // the root has no cells
    EXPECT_GRID_CONSISTENT();
    ::UpdateWindow(List());
    m_grid.m_Drawn.clear();
    m_grid.SetItemText(rows[3], 1, L"250");
    EXPECT_EQ(std::make_pair(m_grid.m_Drawn, m_grid.GetItemText(rows[3], 1)),
              std::make_pair(std::vector<UINT>{3}, CString(L"250")));
}

// Sorting a column the grid lacks raises; through the window procedure (a heading click,
// or a divider double click that fits the column) the exception stops at the boundary.
TEST_F(GridModelTest, AColumnOutsideTheGridRaisesButNotThroughTheWindowProcedure) {
    AddColumns(2);
    AddRows(3);
    EXPECT_THROW(m_grid.SortColumn(2, FALSE), CInvalidArgException);
    const auto clickHeader = [&](UINT nCode) {
        NMHEADERW nmh = {};
        nmh.hdr.hwndFrom = reinterpret_cast<HWND>(ListSend(LVM_GETHEADER));
        nmh.hdr.idFrom = ::GetDlgCtrlID(nmh.hdr.hwndFrom);
        nmh.hdr.code = nCode;
        nmh.iItem = 5;
        return ListSend(WM_NOTIFY, nmh.hdr.idFrom, reinterpret_cast<LPARAM>(&nmh));
    };
    clickHeader(HDN_ITEMCLICKW);
    EXPECT_EQ(clickHeader(HDN_DIVIDERDBLCLICKW), 0);
    EXPECT_GRID_CONSISTENT();
}

// Rows go depth first, each announced; the focus moves off a deleted row to its next
// sibling, else to the row above.
TEST_F(GridModelTest, DeletingTheFocusRowMovesTheFocusToItsNextSiblingOrTheRowAbove) {
    AddColumns(2);
    const Rows top = AddRows(3); // A, B, C; A has A1 and A2, A1 has A1a, A2 has A2x
    const POSITION hA = top[0], hB = top[1], hC = top[2];
    const POSITION hA1 = AddChildRow(hA), hA2 = AddChildRow(hA);
    const POSITION hA1a = AddChildRow(hA1), hA2x = AddChildRow(hA2);
    m_grid.Expand(hA, FALSE);
    m_grid.SetFocusCell(hA1, 0);
    m_notes.Clear();
    m_grid.DeleteItem(hA1); // takes A1a with it
    m_grid.DeleteItem(hA2); // now the last sibling: the focus goes to the row above
    EXPECT_EQ(m_grid.m_hFocusRow, hA);
    EXPECT_THAT(m_notes.Log(),
                ElementsAre(Note(FLN_DELETEROW, hA1, -1), Note(FLN_FOCUSCHANGE, hA2, 0),
                            Note(FLN_DELETEROW, hA1a, -1), Note(FLN_DELETEROW, hA2, -1),
                            Note(FLN_FOCUSCHANGE, hA, 0), Note(FLN_DELETEROW, hA2x, -1)));
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
    // The only row left: no focus.
    m_grid.DeleteItem(hB);
    m_grid.DeleteItem(hC);
    m_notes.Clear();
    m_grid.DeleteItem(hA);
    EXPECT_EQ(m_grid.m_hFocusRow, nullptr);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_DELETEROW), Fln(FLN_FOCUSCHANGE)));
}

class GridNotifyTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        m_nProfile = m_grid.AddProfile(FLPS_EDIT | FLPS_CHECKBOX);
        AddColumns(2);
        m_grid.InsertColumn(2, L"Checked", 60, LVCFMT_LEFT, m_nProfile);
        m_rows = AddRows(3);
        // The window was never painted: flush that first paint of every row, or the
        // first repaint a test triggers would include it.
        ::UpdateWindow(List());
        m_grid.m_Drawn.clear();
    }
    // Repaints requested since the last call, as list item indexes.
    std::vector<UINT> TakeDrawn() {
        std::vector<UINT> drawn;
        drawn.swap(m_grid.m_Drawn);
        return drawn;
    }
    int m_nProfile = -1;
    Rows m_rows;
};

TEST_F(GridNotifyTest, FocusMoveRepaintsOldAndNewRowsNotifiesOnceClampsTheColumnOrTakesTheRow) {
    m_grid.SetFocusCell(m_rows[0], 1);
    ::UpdateWindow(List());
    TakeDrawn();
    m_notes.Clear();
    m_grid.SetFocusCell(m_rows[2], 2);
    EXPECT_EQ(m_grid.GetFocusCol(), 2);
    EXPECT_THAT(TakeDrawn(), ElementsAre(0u, 2u));
    m_grid.SetFocusCell(m_rows[2], 2); // the same cell again: nothing happens
    EXPECT_THAT(TakeDrawn(), IsEmpty());
    // A column past the last is the last; the root as focus means no row.
    m_grid.SetFocusCell(m_rows[0], 7);
    m_grid.SetFocusCell(m_rows[0], 9);
    m_grid.SetFocusCell(FL_ROOT, -1);
    EXPECT_EQ(m_grid.m_hFocusRow, nullptr);
    // With whole-row focus the column is -1 and the record carries no cell's text.
    m_grid.m_dwFlags |= FLF_ROWFOCUS;
    m_grid.SetFocusCell(m_rows[1], 2);
    EXPECT_EQ(std::make_pair(m_grid.m_nFocusCol, m_grid.GetFocusCol()), std::make_pair(-1, -1));
    EXPECT_THAT(m_notes.Log(),
                ElementsAre(Note(FLN_FOCUSCHANGE, m_rows[2], 2),
                            Note(FLN_FOCUSCHANGE, m_rows[0], 2), Note(FLN_FOCUSCHANGE, nullptr, -1),
                            NoteText(FLN_FOCUSCHANGE, m_rows[1], -1, L"")));
    EXPECT_EQ(m_notes.Log()[1].nProfile, m_nProfile);
}

TEST_F(GridNotifyTest, FocusStaysWhileAnEditorIsOpen) {
    m_grid.SetFocusCell(m_rows[0], 0);
    m_notes.Clear();
    CWnd editor;
    editor.Attach(::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, List(), nullptr,
                                    nullptr, nullptr));
    m_grid.m_pEditor = &editor;
    m_grid.SetFocusCell(m_rows[2], 1);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[0]);
    EXPECT_THAT(m_notes.Codes(), IsEmpty());
    // An editor object whose window is gone no longer holds the focus.
    ::DestroyWindow(editor.Detach());
    m_grid.SetFocusCell(m_rows[2], 1);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[2]);
    m_grid.m_pEditor = nullptr;
}

// The list view as the dialog template makes it (neither owner-drawn nor in report
// view), or owner-drawn already, measured at creation before the grid was attached.
class GridMeasureTest : public GridTest, public ::testing::WithParamInterface<DWORD> {
protected:
    DWORD ListStyle() const override { return GetParam(); }
    void TearDown() override {
        GridTest::TearDown();
        ::DeleteObject(m_hFont);
    }
    int ItemHeight(int nItem) const {
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        return ListSend(LVM_GETITEMRECT, nItem, LPARAM(&rc)) ? rc.bottom - rc.top : -1;
    }
    int FontLineHeight() {
        HDC hDC = ::GetDC(List());
        HGDIOBJ hOld = ::SelectObject(hDC, HFONT(ListSend(WM_GETFONT)));
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(hDC, &tm);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(List(), hDC);
        return tm.tmHeight + tm.tmExternalLeading;
    }
    HFONT m_hFont = ::CreateFontW(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
};

TEST_P(GridMeasureTest, GridIsMeasuredAndMeasuredAgainForANewFontOrASystemFontChange) {
    AddColumns(1);
    AddRows(40);
    EXPECT_EQ((std::array<int, 2>{m_grid.m_nLineHeight, ItemHeight(0)}),
              (std::array<int, 2>{FontLineHeight(), FontLineHeight() + 4}));
    if (GetParam() & LVS_OWNERDRAWFIXED)
        return;

    // A new font scrolls back to the top left.
    const auto left = [&] {
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        ListSend(LVM_GETITEMRECT, 0, LPARAM(&rc));
        return int(rc.left);
    };
    ListSend(LVM_SETCOLUMNWIDTH, 0, 900);
    ListSend(LVM_SCROLL, 40, 0);
    ListSend(LVM_ENSUREVISIBLE, 30, FALSE);
    ASSERT_TRUE(ListSend(LVM_GETTOPINDEX) > 0 && left() < 0);
    const int nBefore = m_grid.m_nLineHeight;
    ListSend(WM_SETFONT, WPARAM(m_hFont), TRUE);
    EXPECT_GT(m_grid.m_nLineHeight, nBefore);
    EXPECT_EQ((std::array<int, 4>{m_grid.m_nLineHeight, ItemHeight(0),
                                  int(ListSend(LVM_GETTOPINDEX)), left()}),
              (std::array<int, 4>{FontLineHeight(), FontLineHeight() + 4, 0, 0}));
    EXPECT_GRID_CONSISTENT();

    // System font change measures again.
    AddColumns(1);
    AddRows(2);
    m_grid.m_nLinesPerRow = 3; // a new row height can only come from a fresh measurement
    ListSend(WM_FONTCHANGE);
    EXPECT_EQ(ItemHeight(1), 3 * m_grid.m_nLineHeight + 4);
}

INSTANTIATE_TEST_SUITE_P(Styles, GridMeasureTest,
                         ::testing::Values(DWORD(LVS_ICON | LVS_EDITLABELS),
                                           DWORD(LVS_REPORT | LVS_OWNERDRAWFIXED)));

} // namespace
