// Tree changes in the middle of the grid's own work: from a notification handler, or
// from the host while an edit is open. Linked with the guarding allocator, so a read
// of a freed row ends the program at once instead of passing unseen.
#include <functional>
#include <ostream>

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

// Handlers that delete the notified row, or destroy the whole grid, while the grid is
// still at work on that row.
enum class Work { EndEdit, BeginEdit, Click, Expand, Sort, Button };
struct HandlerCase {
    const char* pszName;
    Work work;
    UINT nCode; // the notification whose handler strikes
    bool bDestroyGrid;
};
void PrintTo(const HandlerCase& c, std::ostream* os) {
    *os << c.pszName;
}

class GridHandlerTest : public EditGridTest, public ::testing::WithParamInterface<HandlerCase> {};

TEST_P(GridHandlerTest, DeletingTheRowOrDestroyingTheGridLeavesNoHandleBehind) {
    const HandlerCase& c = GetParam();
    if (c.work == Work::Sort) {
        for (int i = 0; i < 4; i++) {
            m_grid.SetItemText(m_rows[i], 0, i % 2 ? L"a" : L"b");
            AddChildRow(m_rows[i]);
            SetExpanded(m_rows[i], true);
        }
    } else if (c.work == Work::Expand) {
        AddChildRow(m_rows[4]);
    }
    Focus(m_rows[3], 0);
    bool bDone = false;
    m_notes.EditWith(c.nCode, [&](FL_NOTIFY& notify) {
        if (bDone || !notify.hRow)
            return;
        bDone = true;
        if (c.bDestroyGrid)
            ::DestroyWindow(List());
        else
            m_grid.DeleteItem(notify.hRow);
        notify.strText = L"gone"; // to be stored nowhere
    });
    // In the order of Work; Space on a text cell is a button press.
    const std::function<void()> works[] = {[&] { Key(VK_F2), Type(L"x"), Key(VK_RETURN); },
                                           [&] { Key(VK_F2); },
                                           [&] { ClickCell(m_rows[4], 0); },
                                           [&] { m_grid.Expand(m_rows[4], FALSE); },
                                           [&] { m_grid.SortColumn(0, FALSE); },
                                           [&] { Key(VK_SPACE); }};
    works[int(c.work)]();
    Pump();
    EXPECT_TRUE(bDone);
    EXPECT_EQ(m_grid.m_pEditor, nullptr);
    EXPECT_GRID_CONSISTENT();
    for (POSITION hRow : m_rows)
        EXPECT_TRUE(!m_grid.IsLiveRow(hRow) || Text(hRow, 0) != L"gone");
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, GridHandlerTest,
    ::testing::Values(HandlerCase{"end of edit", Work::EndEdit, FLN_ENDEDIT, false},
                      HandlerCase{"end of edit, grid destroyed", Work::EndEdit, FLN_ENDEDIT, true},
                      HandlerCase{"begin of edit", Work::BeginEdit, FLN_BEGINEDIT, false},
                      HandlerCase{"focus change of a click", Work::Click, FLN_FOCUSCHANGE, false},
                      HandlerCase{"expansion", Work::Expand, FLN_EXPANDCHANGE, false},
                      HandlerCase{"button click", Work::Button, FLN_BUTTONCLICK, false},
                      HandlerCase{"exchange while sorting", Work::Sort, FLN_EXPANDCHANGE, false}));

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

// Each row has one list item, however the root's expansion comes and goes.
TEST_F(GridReentryTest, RowsInsertedWhileTheRootIsCollapsedAreShownOnce) {
    m_grid.Expand(FL_ROOT, TRUE);
    EXPECT_EQ(ListSend(LVM_GETITEMCOUNT), 0);
    const POSITION hLate = m_grid.InsertItem(L"late", -1, -1);
    EXPECT_EQ(Index(hLate), -1);
    m_grid.Expand(FL_ROOT, FALSE);
    EXPECT_EQ(ListSend(LVM_GETITEMCOUNT), 11);
    EXPECT_GRID_CONSISTENT();

    // A handler that inserts a row while the last one is deleted with all the others.
    POSITION hSurvivor = nullptr;
    m_notes.EditWith(FLN_DELETEROW, [&](FL_NOTIFY& notify) {
        if (notify.hRow == hLate)
            hSurvivor = m_grid.InsertItem(L"survivor", -1, -1);
    });
    m_grid.DeleteItem(FL_ROOT);
    ASSERT_NE(hSurvivor, nullptr);
    EXPECT_EQ(std::make_pair(m_grid.GetRowCount(), ListRows()), std::make_pair(1, Rows{hSurvivor}));
    EXPECT_GRID_CONSISTENT();
}

} // namespace
