// In-place editing of text cells: what opens the editor, what its end stores, the
// notification sequences the parent sees, and the Tab-advance.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "edit_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The caret stands after the last character, and nothing is selected.
void ExpectCaretAtEnd(HWND hEditor, int nLength) {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageW(hEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(dwStart, static_cast<DWORD>(nLength));
    EXPECT_EQ(dwEnd, static_cast<DWORD>(nLength));
}

using GridEditTest = EditGridTest;

TEST_F(GridEditTest, TypedDigitOpensTheEditorWithItAndEnterStoresIt) {
    Focus(m_rows[0], 1);
    m_grid.SetItemText(m_rows[0], 1, L"900");
    Type(L"7");
    const HWND hEditor = Editor();
    ASSERT_NE(hEditor, nullptr);
    EXPECT_EQ(EditorText(), L"7"); // the old text is not shown
    ExpectCaretAtEnd(hEditor, 1);
    EXPECT_EQ(::GetFocus(), hEditor);
    EXPECT_EQ(m_grid.m_pEditor->GetSafeHwnd(), hEditor);
    // Single line, no frame, over the label, in the grid's font.
    EXPECT_EQ(::GetWindowLongW(hEditor, GWL_STYLE) & (ES_MULTILINE | ES_AUTOHSCROLL),
              ES_AUTOHSCROLL);
    EXPECT_EQ(::GetWindowLongW(hEditor, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(::SendMessageW(hEditor, WM_GETFONT, 0, 0), ListSend(WM_GETFONT));
    RECT rcLabel = {}, rcEditor = {};
    m_grid.GetCellRect(m_rows[0], 1, FLR_LABEL, &rcLabel, FALSE);
    ::GetWindowRect(hEditor, &rcEditor);
    ::MapWindowPoints(nullptr, List(), reinterpret_cast<POINT*>(&rcEditor), 2);
    EXPECT_EQ(rcEditor.left, rcLabel.left);
    EXPECT_EQ(rcEditor.top, rcLabel.top + 1);
    EXPECT_EQ(rcEditor.right, rcLabel.right);
    EXPECT_EQ(rcEditor.bottom, rcLabel.bottom);

    Type(L"5");
    Key(VK_RETURN);
    EXPECT_EQ(Text(m_rows[0], 1), L"75");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid.m_pEditor, nullptr);
    EXPECT_EQ(::GetFocus(), List());
    EXPECT_EQ(m_grid.m_hEditRow, nullptr);
    EXPECT_EQ(m_grid.m_nEditCol, -1);
    ASSERT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_ENDEDIT)));
    // Each record names the cell; the end carries the new text for the parent to see.
    EXPECT_EQ(m_notes.Log()[0].hRow, m_rows[0]);
    EXPECT_EQ(m_notes.Log()[0].nCol, 1);
    EXPECT_EQ(m_notes.Log()[0].strText, CString(L"900"));
    EXPECT_EQ(m_notes.Log()[1].hRow, m_rows[0]);
    EXPECT_EQ(m_notes.Log()[1].nCol, 1);
    EXPECT_EQ(m_notes.Log()[1].strText, CString(L"75"));
}

TEST_F(GridEditTest, SignsStopsAndSpacesOpenNothing) {
    Focus(m_rows[0], 1);
    Type(L"-. ");
    EXPECT_EQ(Editor(), nullptr);
    // Space on a text cell is a button press, never the start of a text.
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BUTTONCLICK)));
    Type(L"x");
    EXPECT_EQ(EditorText(), L"x");
}

TEST_F(GridEditTest, EnterF2AndDoubleClickOpenWithTheCellTextAndCaretAtTheEnd) {
    m_grid.SetItemText(m_rows[2], 1, L"1234");
    for (const char* how : {"Enter", "F2", "double-click"}) {
        SCOPED_TRACE(how);
        Focus(m_rows[2], 1);
        if (how[0] == 'E')
            Key(VK_RETURN);
        else if (how[0] == 'F')
            Key(VK_F2);
        else
            ClickCell(m_rows[2], 1, true);
        const HWND hEditor = Editor();
        ASSERT_NE(hEditor, nullptr);
        EXPECT_EQ(EditorText(), L"1234");
        ExpectCaretAtEnd(hEditor, 4);
        EXPECT_EQ(EditorCount(), 1); // the list view's own label editor never opens
        Key(VK_ESCAPE);
        EXPECT_EQ(Editor(), nullptr);
    }
}

TEST_F(GridEditTest, SingleClickOnlyFocusesAndOtherKeysOpenNothing) {
    SendClick(m_rows[3], 1);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[3]);
    EXPECT_EQ(m_grid.m_nFocusCol, 1);
    for (WORD wVk : {VK_DELETE, VK_F3, VK_INSERT, VK_ESCAPE})
        Key(wVk);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_FOCUSCHANGE)));
    // A plain cell opens nothing for anything.
    Focus(m_rows[3], 2);
    Key(VK_F2);
    Key(VK_RETURN);
    Type(L"7");
    SendClick(m_rows[3], 2, WM_LBUTTONDBLCLK);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_THAT(m_notes.Codes(), IsEmpty());
}

TEST_F(GridEditTest, EscapeKeepsTheOldTextAndTellsNobody) {
    m_grid.SetItemText(m_rows[1], 0, L"Ann");
    Focus(m_rows[1], 0);
    Type(L"Bob");
    Key(VK_ESCAPE);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Text(m_rows[1], 0), L"Ann");
    EXPECT_EQ(::GetFocus(), List());
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT)));
}

TEST_F(GridEditTest, ClickOnAnotherCellCommitsBeforeTheFocusMoves) {
    Focus(m_rows[0], 1);
    Type(L"42");
    SendClick(m_rows[4], 0);
    EXPECT_EQ(Text(m_rows[0], 1), L"42");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[4]);
    EXPECT_EQ(m_grid.m_nFocusCol, 0);
    EXPECT_THAT(m_notes.Codes(),
                ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_ENDEDIT), Fln(FLN_FOCUSCHANGE)));
}

TEST_F(GridEditTest, BeginEditVetoOpensNothing) {
    m_notes.AnswerWith(FLN_BEGINEDIT, FLNR_VETO);
    Focus(m_rows[0], 0);
    Key(VK_F2);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid.m_pEditor, nullptr);
    EXPECT_EQ(m_grid.m_nContinueKey, 0u);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT)));
}

TEST_F(GridEditTest, AnswersToEndEditVetoKeepOrBoth) {
    struct Case {
        LRESULT lAnswer;
        bool bOpen;
        const wchar_t* pszStored;
    };
    // 1 closes and stores nothing; 2 stores and keeps editing; 3 keeps, stores nothing.
    for (const Case c : {Case{1, false, L"old"}, Case{2, true, L"old9"}, Case{3, true, L"old"}}) {
        SCOPED_TRACE(c.lAnswer);
        m_grid.SetItemText(m_rows[5], 1, L"old");
        m_notes.AnswerWith(FLN_ENDEDIT, c.lAnswer);
        Focus(m_rows[5], 1);
        Key(VK_F2);
        Type(L"9");
        Key(VK_RETURN);
        EXPECT_EQ(Text(m_rows[5], 1), c.pszStored);
        EXPECT_EQ(Editor() != nullptr, c.bOpen);
        EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_ENDEDIT)));
        if (c.bOpen) {
            EXPECT_EQ(::GetFocus(), Editor());
            EXPECT_EQ(m_grid.m_pEditor->GetSafeHwnd(), Editor());
            EXPECT_EQ(m_grid.m_hEditRow, m_rows[5]);
            // Still editing: the focus cell does not move, and a click elsewhere
            // ends the edit as Enter, not as the key of the kept round.
            m_notes.AnswerWith(FLN_ENDEDIT, 0);
            Type(L"1");
            SendClick(m_rows[7], 1);
            EXPECT_EQ(Editor(), nullptr);
            EXPECT_EQ(m_grid.m_hFocusRow, m_rows[7]);
            EXPECT_EQ(Text(m_rows[5], 1), std::wstring(L"old9") + L"1");
        }
    }
}

TEST_F(GridEditTest, ParentMayRewriteTheTextItStores) {
    m_notes.EditWith(FLN_ENDEDIT, [](FL_NOTIFY& notify) { notify.strText = L"rewritten"; });
    Focus(m_rows[0], 0);
    Type(L"abc");
    Key(VK_RETURN);
    EXPECT_EQ(Text(m_rows[0], 0), L"rewritten");
}

TEST_F(GridEditTest, TabStoresMovesAndReopensShiftTabGoesBack) {
    m_grid.SetItemText(m_rows[0], 1, L"500");
    Focus(m_rows[0], 0);
    Type(L"Ann");
    m_notes.Clear();
    Key(VK_TAB);
    EXPECT_EQ(Text(m_rows[0], 0), L"Ann");
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[0]);
    EXPECT_EQ(m_grid.m_nFocusCol, 1);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(EditorText(), L"500");
    ExpectCaretAtEnd(Editor(), 3);
    EXPECT_EQ(EditorCount(), 1); // the old editor is gone
    EXPECT_EQ(m_grid.m_nContinueKey, 0u);
    ASSERT_EQ(m_notes.Log().size(), 3u);
    EXPECT_THAT(m_notes.Codes(),
                ElementsAre(Fln(FLN_ENDEDIT), Fln(FLN_FOCUSCHANGE), Fln(FLN_BEGINEDIT)));
    EXPECT_EQ(m_notes.Log()[0].nCol, 0);
    EXPECT_EQ(m_notes.Log()[2].nCol, 1);

    m_notes.Clear();
    KeyWith(VK_SHIFT, VK_TAB);
    EXPECT_EQ(m_grid.m_nFocusCol, 0);
    EXPECT_EQ(EditorText(), L"Ann");
    EXPECT_THAT(m_notes.Codes(),
                ElementsAre(Fln(FLN_ENDEDIT), Fln(FLN_FOCUSCHANGE), Fln(FLN_BEGINEDIT)));
    // From the first column back to the last column of the row above: a plain cell,
    // so the focus moves and no editor opens there.
    Focus(m_rows[1], 0);
    Key(VK_F2);
    KeyWith(VK_SHIFT, VK_TAB);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[0]);
    EXPECT_EQ(m_grid.m_nFocusCol, 2);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid.m_nContinueKey, 0u);
}

TEST_F(GridEditTest, TabWrapsToTheNextRowAndReopensOnTheLastCell) {
    MakeColumnEditable(2);
    m_grid.SetItemText(m_rows[4], 0, L"Eve");
    Focus(m_rows[3], 2);
    Key(VK_F2);
    Key(VK_TAB);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[4]);
    EXPECT_EQ(m_grid.m_nFocusCol, 0);
    EXPECT_EQ(EditorText(), L"Eve");

    // The last cell of the last row: nowhere to go, so the editor opens there again.
    Focus(m_rows[9], 2);
    Key(VK_F2);
    Type(L"8");
    m_notes.Clear();
    Key(VK_TAB);
    EXPECT_EQ(Text(m_rows[9], 2), L"8");
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[9]);
    EXPECT_EQ(m_grid.m_nFocusCol, 2);
    EXPECT_EQ(EditorText(), L"8");
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_ENDEDIT), Fln(FLN_BEGINEDIT)));
}

TEST_F(GridEditTest, RowFocusOpensNothing) {
    m_grid.m_dwFlags |= FLF_ROWFOCUS;
    Focus(m_rows[2], 1);
    Key(VK_F2);
    Key(VK_RETURN);
    Type(L"7");
    SendClick(m_rows[2], 1, WM_LBUTTONDBLCLK);
    KeyWith(VK_MENU, VK_DOWN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[2]);
    for (const NotifyCode& code : m_notes.Codes())
        EXPECT_EQ(code, Fln(FLN_FOCUSCHANGE));
}

TEST_F(GridEditTest, SecondOpeningRequestWhileEditingDoesNothing) {
    Focus(m_rows[0], 0);
    Key(VK_F2);
    const HWND hEditor = Editor();
    m_grid.HandleEditMessage(WM_KEYDOWN, VK_F2, nullptr);
    m_grid.HandleEditMessage(WM_CHAR, 'a', nullptr);
    EXPECT_EQ(EditorCount(), 1);
    EXPECT_EQ(Editor(), hEditor);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT)));
}

TEST_F(GridEditTest, TwoLineRowsEditMultiLineControlEnterBreaksTheLine) {
    m_grid.m_nLinesPerRow = 2;
    Focus(m_rows[0], 0);
    Type(L"a");
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(::GetWindowLongW(Editor(), GWL_STYLE) & (ES_MULTILINE | ES_WANTRETURN),
              ES_MULTILINE | ES_WANTRETURN);
    KeyWith(VK_CONTROL, VK_RETURN);
    Type(L"b");
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(EditorText(), L"a\r\nb");
    Key(VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Text(m_rows[0], 0), L"a\r\nb");
}

// A text cell with a button: the button, or Space, reports a click instead.
TEST_F(GridEditTest, ButtonOfATextCellAndSpaceSendButtonClick) {
    const int nButtonEdit = m_grid.AddProfile(FLPS_EDIT | FLPS_BUTTON);
    for (POSITION hRow : m_rows)
        m_grid.GetItem(hRow, 1)->m_nProfile = nButtonEdit;
    m_grid.SetItemText(m_rows[0], 1, L"12");
    m_grid.SetItemData(m_rows[0], 1, 77);
    Focus(m_rows[0], 1);
    const POINT pt = CellCentre(m_rows[0], 1, FLR_BUTTON);
    ListSend(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    Pump();
    EXPECT_EQ(Editor(), nullptr);
    ASSERT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BUTTONCLICK)));
    EXPECT_EQ(m_notes.Log()[0].strText, CString(L"12"));
    EXPECT_EQ(m_notes.Log()[0].dwData, 77u);

    // Space: the parent writes what the cell becomes.
    m_notes.Clear();
    m_notes.EditWith(FLN_BUTTONCLICK, [](FL_NOTIFY& notify) {
        notify.strText = L"picked";
        notify.dwData = 5;
    });
    Key(VK_SPACE);
    EXPECT_EQ(Text(m_rows[0], 1), L"picked");
    EXPECT_EQ(m_grid.GetItem(m_rows[0], 1)->m_dwData, 5u);
    EXPECT_EQ(::GetFocus(), List());
    // A veto stores nothing; the editor still opens for F2.
    m_notes.AnswerWith(FLN_BUTTONCLICK, FLNR_VETO);
    Key(VK_SPACE);
    Key(VK_F2);
    EXPECT_EQ(EditorText(), L"picked");
}

TEST_F(GridEditTest, ButtonCellWhoseClickDeletesItsRowStoresNothing) {
    const int nButton = m_grid.AddProfile(FLPS_BUTTON);
    m_grid.GetItem(m_rows[1], 2)->m_nProfile = nButton;
    m_notes.EditWith(FLN_BUTTONCLICK, [this](FL_NOTIFY& notify) {
        m_grid.DeleteItem(notify.hRow);
        notify.strText = L"gone";
    });
    Focus(m_rows[1], 2);
    Key(VK_SPACE);
    EXPECT_FALSE(m_grid.IsLiveRow(m_rows[1]));
    EXPECT_GRID_CONSISTENT();
    for (POSITION hRow : {m_rows[0], m_rows[2]})
        EXPECT_EQ(Text(hRow, 2), L"");
}

// Opening, committing and Tab-advancing in the list view's item order, through rows
// hidden under a collapsed parent, which the Tab-advance skips.
TEST_F(GridEditTest, TabAdvanceVisitsOnlyShownRows) {
    const POSITION hChild = AddChildRow(m_rows[0]);
    MakeColumnEditable(2);
    Focus(m_rows[0], 2);
    Key(VK_F2);
    Key(VK_TAB);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[1]);
    SetExpanded(m_rows[0], true);
    Key(VK_ESCAPE);
    Focus(m_rows[0], 2);
    Key(VK_F2);
    Key(VK_TAB);
    EXPECT_EQ(m_grid.m_hFocusRow, hChild);
    EXPECT_NE(Editor(), nullptr);
}

} // namespace
