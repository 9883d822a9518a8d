// The focus cell: its notifications and repaints.
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

} // namespace
