// In-place editing of text cells: what opens the editor, what its end stores, the
// notification sequences the parent sees, and the Tab-advance.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "edit_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GridEditTest : public EditGridTest {
protected:
    // One editor open, ours, with the keyboard focus, showing text with the caret
    // after its last character and nothing selected (the list view's own label
    // editor never opens).
    void ExpectOpen(const std::wstring& text) {
        const HWND hEditor = Editor();
        ASSERT_NE(hEditor, nullptr);
        const WORD wEnd = WORD(text.size());
        EXPECT_EQ(std::make_tuple(EditorText(), ::SendMessageW(hEditor, EM_GETSEL, 0, 0),
                                  EditorCount(), ::GetFocus(), m_grid.m_pEditor->GetSafeHwnd()),
                  std::make_tuple(text, LRESULT(MAKELRESULT(wEnd, wEnd)), 1, hEditor, hEditor));
    }
    // No editor and no pending Tab-advance; after an edit that ended, no edit cell.
    void ExpectClosed(bool bNoEditCell = false) {
        EXPECT_EQ(std::make_tuple(Editor(), m_grid.m_pEditor, m_grid.m_nContinueKey),
                  std::make_tuple(HWND(), (CWnd*)nullptr, 0u));
        if (bNoEditCell) {
            EXPECT_EQ(std::make_pair(m_grid.m_hEditRow, m_grid.m_nEditCol),
                      std::make_pair(POSITION(), -1));
        }
    }
    void OpenWithF2(POSITION hRow, int nCol) { Focus(hRow, nCol), Key(VK_F2); }
    void TypeAndEnter(const std::wstring& text) { Type(text), Key(VK_RETURN); }
};

TEST_F(GridEditTest, TypedDigitOpensTheEditorWithItAndEnterStoresIt) {
    ExpectClosed(true); // a fresh grid edits nothing
    Focus(m_rows[0], 1);
    m_grid.SetItemText(m_rows[0], 1, L"900");
    Type(L"7");
    ExpectOpen(L"7"); // the old text is not shown
    // Single line, no frame, over the label, in the grid's font.
    const HWND hEditor = Editor();
    RECT rcLabel = {}, rcEditor = {};
    m_grid.GetCellRect(m_rows[0], 1, FLR_LABEL, &rcLabel, FALSE);
    ::GetWindowRect(hEditor, &rcEditor);
    ::MapWindowPoints(nullptr, List(), reinterpret_cast<POINT*>(&rcEditor), 2);
    ++rcLabel.top;
    EXPECT_TRUE(::EqualRect(&rcEditor, &rcLabel));
    EXPECT_EQ(
        std::make_tuple(::GetWindowLongW(hEditor, GWL_STYLE) & (ES_MULTILINE | ES_AUTOHSCROLL),
                        ::GetWindowLongW(hEditor, GWL_EXSTYLE) & WS_EX_CLIENTEDGE,
                        ::SendMessageW(hEditor, WM_GETFONT, 0, 0)),
        std::make_tuple(LONG(ES_AUTOHSCROLL), 0L, ListSend(WM_GETFONT)));

    TypeAndEnter(L"5");
    EXPECT_EQ(Text(m_rows[0], 1), L"75");
    ExpectClosed(true);
    EXPECT_EQ(::GetFocus(), List());
    // Each record names the cell; the end carries the new text for the parent to see.
    EXPECT_THAT(m_notes.Log(), ElementsAre(NoteText(FLN_BEGINEDIT, m_rows[0], 1, L"900"),
                                           NoteText(FLN_ENDEDIT, m_rows[0], 1, L"75")));
}

TEST_F(GridEditTest, SingleClickOtherKeysSpaceAndPlainCellsOpenNothing) {
    SendClick(m_rows[3], 1);
    ExpectFocus(m_rows[3], 1);
    for (WORD wVk : {VK_DELETE, VK_F3, VK_INSERT, VK_ESCAPE})
        Key(wVk);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_FOCUSCHANGE)));
    // A plain cell opens nothing for any way of opening an editor.
    Focus(m_rows[3], 2);
    Key(VK_F2), Key(VK_RETURN), Type(L"7");
    SendClick(m_rows[3], 2, WM_LBUTTONDBLCLK);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_THAT(m_notes.Codes(), IsEmpty());
    // Space on a text cell is a button press, never the start of a text.
    Focus(m_rows[0], 1);
    Type(L" ");
    ExpectClosed();
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BUTTONCLICK)));
    Type(L"x");
    EXPECT_EQ(EditorText(), L"x");
}

// A veto of the begin opens nothing; once open, a second request opens nothing more.
TEST_F(GridEditTest, BeginEditVetoAndSecondRequestWhileEditingOpenNothing) {
    m_notes.AnswerWith(FLN_BEGINEDIT, FLNR_VETO);
    OpenWithF2(m_rows[0], 0);
    ExpectClosed();
    m_notes.AnswerWith(FLN_BEGINEDIT, 0);
    Key(VK_F2);
    const HWND hEditor = Editor();
    m_grid.HandleEditMessage(WM_KEYDOWN, VK_F2, nullptr);
    m_grid.HandleEditMessage(WM_CHAR, 'a', nullptr);
    EXPECT_EQ(std::make_tuple(EditorCount(), Editor()), std::make_tuple(1, hEditor));
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_BEGINEDIT)));
}

TEST_F(GridEditTest, AnswersToEndEditVetoKeepBothOrRewrite) {
    struct Case {
        LRESULT lAnswer;
        bool bOpen;
        const wchar_t* pszStored;
    };
    // 1 closes and stores nothing; 2 stores and keeps editing; 3 keeps, stores nothing.
    // The kept rounds end with Tab, which would move on to the editable next cell.
    for (const Case c : {Case{1, false, L"old"}, Case{2, true, L"old9"}, Case{3, true, L"old"}}) {
        SCOPED_TRACE(c.lAnswer);
        m_grid.SetItemText(m_rows[5], 0, L"old");
        m_notes.AnswerWith(FLN_ENDEDIT, c.lAnswer);
        OpenWithF2(m_rows[5], 0);
        Type(L"9");
        Key(c.bOpen ? VK_TAB : VK_RETURN);
        EXPECT_EQ(Text(m_rows[5], 0), c.pszStored);
        EXPECT_EQ(Editor() != nullptr, c.bOpen);
        EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_ENDEDIT)));
        if (c.bOpen) {
            ExpectOpen(L"old9");
            EXPECT_EQ(m_grid.m_hEditRow, m_rows[5]);
            // Still editing: the focus cell does not move, and a click elsewhere
            // (no key between, which would reset the end key itself) ends the edit
            // as Enter, not as the Tab of the kept round.
            m_notes.AnswerWith(FLN_ENDEDIT, 0);
            SendClick(m_rows[7], 1);
            EXPECT_EQ(Editor(), nullptr);
            EXPECT_EQ(m_grid.m_hFocusRow, m_rows[7]);
            EXPECT_EQ(Text(m_rows[5], 0), L"old9");
            // The edit is stored before the focus moves.
            EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_ENDEDIT),
                                                     Fln(FLN_ENDEDIT), Fln(FLN_FOCUSCHANGE)));
        }
    }
    // The parent may also rewrite the text it stores.
    m_notes.EditWith(FLN_ENDEDIT, [](FL_NOTIFY& notify) { notify.strText = L"rewritten"; });
    Key(VK_F2);
    TypeAndEnter(L"abc");
    EXPECT_EQ(Text(m_rows[7], 1), L"rewritten");
}

TEST_F(GridEditTest, TabWrapsToTheNextRowAndReopensOnTheLastCell) {
    for (POSITION hRow : m_rows) // the equities editable too
        m_grid.GetItem(hRow, 2)->m_nProfile = m_nEdit;
    m_grid.SetItemText(m_rows[4], 0, L"Eve");
    OpenWithF2(m_rows[3], 2);
    Key(VK_TAB);
    ExpectFocus(m_rows[4], 0);
    ExpectOpen(L"Eve");
    // The last cell of the last row: nowhere to go, so the editor opens there again.
    OpenWithF2(m_rows[9], 2);
    Type(L"8");
    m_notes.Clear();
    Key(VK_TAB);
    EXPECT_EQ(Text(m_rows[9], 2), L"8");
    ExpectFocus(m_rows[9], 2);
    ExpectOpen(L"8");
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_ENDEDIT), Fln(FLN_BEGINEDIT)));
}

// Every printable character but the space starts the text, as in a spreadsheet: a sign or a
// stop typed first is kept, in names and chips alike, and so is the keypad's minus on a row
// without children to collapse (with children it collapses: the keys tests).
TEST_F(GridEditTest, SignsAndStopsStartTheTextAndAreKept) {
    for (int nCol : {0, 1}) {
        for (const std::wstring text : {L"-5", L"+5", L".5", L",5"}) {
            Focus(m_rows[2], nCol);
            TypeAndEnter(text);
            EXPECT_EQ(Text(m_rows[2], nCol), text) << "column " << nCol;
        }
    }
    Focus(m_rows[2], 1);
    Key(VK_SUBTRACT);
    TypeAndEnter(L"7");
    EXPECT_EQ(Text(m_rows[2], 1), L"-7");
}

} // namespace
