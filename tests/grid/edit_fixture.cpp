#include "edit_fixture.h"

void EditGridTest::SetUp() {
    GridTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES);
    m_nEdit = m_grid.AddProfile(FLPS_EDIT);
    m_grid.InsertColumn(0, L"Player Name", 90, LVCFMT_LEFT, m_nEdit);
    m_grid.InsertColumn(1, L"Chips", 90, LVCFMT_LEFT, m_nEdit);
    m_grid.InsertColumn(2, L"ICM Equity $", 90, LVCFMT_LEFT, -1);
    m_rows = AddRows(10);
    ::SetForegroundWindow(m_parent.GetSafeHwnd());
    ::SetFocus(List());
    Pump();
    m_notes.Clear();
}

void EditGridTest::Type(const std::wstring& text) {
    for (wchar_t ch : text) {
        TypeText(std::wstring(1, ch));
        Pump();
    }
}

POINT EditGridTest::CellCentre(POSITION hRow, int nCol, UINT nKind) {
    RECT rc = {};
    EXPECT_TRUE(m_grid.GetCellRect(hRow, nCol, nKind, &rc, FALSE));
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void EditGridTest::ClickCell(POSITION hRow, int nCol, bool bDouble) {
    Click(List(), CellCentre(hRow, nCol), bDouble ? 2 : 1);
    Pump();
}

void EditGridTest::SendClick(POSITION hRow, int nCol, UINT nMsg, UINT nKind) {
    const POINT pt = CellCentre(hRow, nCol, nKind);
    ListSend(nMsg, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    Pump();
}

void EditGridTest::KeyDownHolding(WORD wHeld, WORD wVk) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[wHeld] = wHeld ? 0x80 : 0; // 0: nothing held
    ::SetKeyboardState(state);
    ListSend(WM_KEYDOWN, wVk, 1);
    state[wHeld] = 0;
    ::SetKeyboardState(state);
}

std::wstring EditGridTest::EditorText() const {
    wchar_t szText[256] = {};
    ::GetWindowTextW(Editor(), szText, 256);
    return szText;
}

void EditGridTest::Focus(POSITION hRow, int nCol) {
    ::SetFocus(List());
    m_grid.SetFocusCell(hRow, nCol);
    Pump();
    m_notes.Clear();
}

void EditGridTest::ExpectFocus(POSITION hRow, int nCol) {
    EXPECT_EQ(std::make_pair(m_grid.m_hFocusRow, m_grid.m_nFocusCol), std::make_pair(hRow, nCol));
}
