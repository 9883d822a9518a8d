// Notification records, the parent's answers, the cell-value setters and the focus cell.
#include <gmock/gmock.h>

#include "grid_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

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

TEST_F(GridNotifyTest, RecordCarriesTheCellOrEmptyValuesAndRaisesForAColumnOutsideTheRow) {
    m_grid.SetItemText(m_rows[1], 2, L"42");
    m_grid.SetItemData(m_rows[1], 2, 77);
    m_grid.GetItem(m_rows[1], 2)->m_nCheck = 2;

    FL_NOTIFY notify;
    m_grid.BuildNotify(notify, m_rows[1], 2, FLN_BEGINEDIT);
    EXPECT_EQ(notify.hdr.hwndFrom, List());
    EXPECT_EQ(notify.hdr.idFrom, 1014u);
    EXPECT_EQ(notify.hdr.code, FLN_BEGINEDIT);
    EXPECT_EQ(notify.strText, CString(L"42"));
    EXPECT_EQ(notify.dwData, 77u);
    EXPECT_EQ(notify.nCheck, 2);
    EXPECT_EQ(notify.nProfile, m_nProfile);
    EXPECT_EQ(notify.bCollapsed, TRUE); // no children counts as collapsed

    // Reusing a record for the whole row must not keep the cell's values.
    m_grid.BuildNotify(notify, m_rows[1], -1, FLN_EXPANDCHANGE);
    EXPECT_TRUE(notify.strText.IsEmpty());
    EXPECT_EQ(notify.dwData, 0u);
    EXPECT_EQ(notify.nCheck, 0);
    EXPECT_EQ(notify.nProfile, -1);
    EXPECT_EQ(notify.bCollapsed, TRUE);

    m_grid.BuildNotify(notify, nullptr, -1, FLN_FOCUSCHANGE);
    EXPECT_EQ(notify.hRow, nullptr);
    EXPECT_EQ(notify.bCollapsed, FALSE);

    // Record for a column outside the row raises.
    EXPECT_THROW(m_grid.BuildNotify(notify, m_rows[0], 3, FLN_BEGINEDIT), CInvalidArgException);
    EXPECT_THROW(m_grid.BuildNotify(notify, FL_ROOT, 0, FLN_BEGINEDIT), CInvalidArgException);
}

TEST_F(GridNotifyTest, ParentsAnswerComesBackAndReachesOnlyTheNotifyWindow) {
    m_notes.AnswerWith(FLN_BEGINEDIT, FLNR_VETO | FLNR_KEEPEDIT);
    FL_NOTIFY notify;
    m_grid.BuildNotify(notify, m_rows[0], 0, FLN_BEGINEDIT);
    EXPECT_EQ(m_grid.SendNotify(&notify), FLNR_VETO | FLNR_KEEPEDIT);
    ASSERT_EQ(m_notes.Log().size(), 1u);
    EXPECT_EQ(m_notes.Log()[0].strText, CString(L"Player 1"));

    // A separate notification window takes the place of the parent.
    CWnd other;
    RecordingParent otherNotes;
    other.Attach(
        ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    otherNotes.Attach(other.GetSafeHwnd());
    m_grid.m_pNotifyWnd = &other;
    m_notes.Clear();
    m_grid.SetFocusCell(m_rows[2], 1);
    EXPECT_THAT(m_notes.Codes(), IsEmpty());
    EXPECT_THAT(otherNotes.Codes(), ElementsAre(Fln(FLN_FOCUSCHANGE)));
    m_grid.m_pNotifyWnd = nullptr;
    ::DestroyWindow(other.Detach());
}

TEST_F(GridNotifyTest, ItemDataIsStoredSilentlyButACheckStateRepaints) {
    ::UpdateWindow(List()); // paint what inserting the rows left invalid
    TakeDrawn();
    m_grid.SetItemData(m_rows[1], 0, 5);
    EXPECT_EQ(m_grid.GetItem(m_rows[1], 0)->m_dwData, 5u);
    EXPECT_THAT(TakeDrawn(), IsEmpty());

    m_grid.SetCheck(m_rows[1], 2, 1);
    EXPECT_EQ(m_grid.GetItem(m_rows[1], 2)->m_nCheck, 1);
    EXPECT_THAT(TakeDrawn(), ElementsAre(1u));

    EXPECT_THROW(m_grid.SetCheck(m_rows[1], 3, 1), CInvalidArgException);
    EXPECT_THROW(m_grid.SetItemData(m_rows[1], -1, 1), CInvalidArgException);
    EXPECT_THAT(m_notes.Codes(), IsEmpty());
}

TEST_F(GridNotifyTest, FocusMoveRepaintsOldAndNewRowsThenNotifiesOnce) {
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    m_grid.SetFocusCell(m_rows[0], 1);
    ::UpdateWindow(List());
    TakeDrawn();
    m_notes.Clear();

    m_grid.SetFocusCell(m_rows[2], 2);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[2]);
    EXPECT_EQ(m_grid.GetFocusCol(), 2);
    EXPECT_THAT(TakeDrawn(), ElementsAre(0u, 2u));
    ASSERT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_FOCUSCHANGE)));
    EXPECT_EQ(m_notes.Log()[0].hRow, m_rows[2]);
    EXPECT_EQ(m_notes.Log()[0].nCol, 2);

    // The same cell again: nothing is repainted and nothing is sent.
    m_notes.Clear();
    m_grid.SetFocusCell(m_rows[2], 2);
    EXPECT_THAT(TakeDrawn(), IsEmpty());
    EXPECT_THAT(m_notes.Codes(), IsEmpty());
}

TEST_F(GridNotifyTest, RowFocusNotifiesColumnMinusOneAndAColumnPastTheLastIsTheLast) {
    ASSERT_TRUE(m_grid.m_dwFlags & FLF_ROWFOCUS);
    m_grid.SetFocusCell(m_rows[1], 2);
    EXPECT_EQ(m_grid.m_nFocusCol, -1);
    EXPECT_EQ(m_grid.GetFocusCol(), -1);
    ASSERT_EQ(m_notes.Log().size(), 1u);
    EXPECT_EQ(m_notes.Log()[0].nCol, -1);
    EXPECT_TRUE(m_notes.Log()[0].strText.IsEmpty());

    // Clearing the flag makes the stored column count again.
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    m_grid.m_nFocusCol = 1;
    EXPECT_EQ(m_grid.GetFocusCol(), 1);

    m_notes.Clear();
    m_grid.SetFocusCell(m_rows[0], 7);
    EXPECT_EQ(m_grid.m_nFocusCol, 2);
    ASSERT_EQ(m_notes.Log().size(), 1u);
    EXPECT_EQ(m_notes.Log()[0].nCol, 2);
    EXPECT_EQ(m_notes.Log()[0].nProfile, m_nProfile);
    m_grid.SetFocusCell(m_rows[0], 9); // the same cell again
    EXPECT_EQ(m_notes.Log().size(), 1u);
}

TEST_F(GridNotifyTest, RootAsFocusMeansNoRowAndFocusStaysWhileAnEditorIsOpen) {
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    m_grid.SetFocusCell(m_rows[1], 0);
    m_notes.Clear();
    m_grid.SetFocusCell(FL_ROOT, -1);
    EXPECT_EQ(m_grid.m_hFocusRow, nullptr);
    ASSERT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_FOCUSCHANGE)));
    EXPECT_EQ(m_notes.Log()[0].hRow, nullptr);

    // Focus stays while an editor is open.
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

} // namespace
