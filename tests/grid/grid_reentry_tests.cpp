// Rows deleted or hidden while an edit is open, and a row's address coming back for a
// new row. Handlers that delete rows or destroy the grid at random are the hostile
// host's. Linked with the guarding allocator, so a read of a freed row ends the program
// at once instead of passing unseen.
#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "edit_fixture.h"
#include "guard_alloc.h"

namespace {

using ::testing::Contains;
using ::testing::Not;

using GridReentryTest = EditGridTest;

// The host deletes or hides the row being edited: the edit ends unstored, as with
// Escape, and the focus moves to a shown row, from where the keys go on.
TEST_F(GridReentryTest, DeletingOrHidingTheEditedRowEndsTheEditUnstoredAndMovesTheFocus) {
    const POSITION hChild = AddChildRow(m_rows[2]);
    SetExpanded(m_rows[2], true);
    struct Case {
        const char* pszName;
        POSITION hEdited;
        std::function<void()> change;
        POSITION hFocusAfter;
    };
    for (const Case& c :
         {Case{"delete", m_rows[5], [&] { m_grid.DeleteItem(m_rows[5]); }, m_rows[6]},
          Case{"collapse the parent", hChild, [&] { m_grid.Expand(m_rows[2], TRUE); },
               m_rows[2]}}) {
        SCOPED_TRACE(c.pszName);
        Focus(c.hEdited, 0);
        Key(VK_F2);
        ASSERT_NE(Editor(), nullptr);
        Type(L"x");
        c.change();
        Pump();
        EXPECT_EQ(std::make_pair(Editor(), m_grid.m_pEditor),
                  std::make_pair(HWND(), (CWnd*)nullptr));
        EXPECT_THAT(m_notes.Codes(), Not(Contains(Fln(FLN_ENDEDIT))));
        ExpectFocus(c.hFocusAfter, 0);
        Key(VK_DOWN);
        EXPECT_GRID_CONSISTENT();
    }
    EXPECT_EQ(Text(hChild, 0), L"");
}

// A handler deletes the edited row and inserts one that gets the freed row's address:
// the edit must not land in the new row.
TEST_F(GridReentryTest, EditIsNotStoredIntoARowThatGotTheDeletedRowsAddress) {
    POSITION hNew = nullptr;
    const UINT nOldSerial = m_grid.RefRow(m_rows[5]).nSerial;
    m_notes.EditWith(FLN_ENDEDIT, [&](FL_NOTIFY& notify) {
        SetGuardRecycling(true);
        m_grid.DeleteItem(notify.hRow);
        hNew = m_grid.InsertItem(L"new", -1, -1);
        SetGuardRecycling(false);
    });
    Focus(m_rows[5], 0);
    Key(VK_F2);
    Type(L"typed");
    Key(VK_RETURN);
    ASSERT_EQ(hNew, m_rows[5]) << "the address did not come back; the test proves nothing";
    EXPECT_EQ(std::make_pair(Text(hNew, 0), Editor()),
              std::make_pair(std::wstring(L"new"), HWND()));
    // Serials tell rows at one address apart; the root's, 0, is no row's.
    EXPECT_NE(m_grid.RefRow(hNew).nSerial, nOldSerial);
    EXPECT_EQ(m_grid.RefRow(FL_ROOT).nSerial, 0u);
    EXPECT_GRID_CONSISTENT();
}

} // namespace
