#include "edit_fixture.h"

#include <vector>

#include "afxpump.h"

namespace {

void SendKey(WORD wVk, bool bUp) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(wVk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    if (wVk >= VK_PRIOR && wVk <= VK_DOWN)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    ASSERT_EQ(::SendInput(1, &input, sizeof(input)), 1u);
}

struct EditorSearch {
    std::vector<HWND> found;
};

BOOL CALLBACK CollectEditor(HWND hWnd, LPARAM lParam) {
    if (::GetDlgCtrlID(hWnd) == static_cast<int>(FL_EDITOR_ID_TEXT))
        reinterpret_cast<EditorSearch*>(lParam)->found.push_back(hWnd);
    return TRUE;
}

} // namespace

void EditGridTest::SetUp() {
    GridTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES);
    m_nEdit = m_grid.AddProfile(FLPS_EDIT);
    m_grid.InsertColumn(0, L"Player Name", 90, LVCFMT_LEFT, m_nEdit);
    m_grid.InsertColumn(1, L"Chips", 90, LVCFMT_LEFT, m_nEdit);
    m_grid.InsertColumn(2, L"ICM Equity $", 90, LVCFMT_LEFT, -1);
    m_rows = AddRows(10);
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    ::SetForegroundWindow(m_parent.GetSafeHwnd());
    ::SetFocus(List());
    Pump();
    m_notes.Clear();
}

void EditGridTest::Pump() {
    MSG msg;
    for (int i = 0; i < 5000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!AfxWalkPreTranslateTree(m_parent.GetSafeHwnd(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void EditGridTest::Key(WORD wVk) {
    SendKey(wVk, false);
    SendKey(wVk, true);
    Pump();
}

void EditGridTest::KeyWith(WORD wModifier, WORD wVk) {
    SendKey(wModifier, false);
    SendKey(wVk, false);
    SendKey(wVk, true);
    SendKey(wModifier, true);
    Pump();
}

void EditGridTest::Type(const std::wstring& text) {
    for (wchar_t ch : text) {
        const SHORT vk = ::VkKeyScanW(ch);
        ASSERT_NE(vk, -1);
        if (HIBYTE(vk) & 1)
            KeyWith(VK_SHIFT, LOBYTE(vk));
        else
            Key(LOBYTE(vk));
    }
}

POINT EditGridTest::CellCentre(POSITION hRow, int nCol, UINT nKind) {
    RECT rc = {};
    EXPECT_TRUE(m_grid.GetCellRect(hRow, nCol, nKind, &rc, FALSE));
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void EditGridTest::ClickCell(POSITION hRow, int nCol, bool bDouble) {
    POINT pt = CellCentre(hRow, nCol);
    ::ClientToScreen(List(), &pt);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> inputs;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((pt.x * 65536 + cx / 2) / cx);
    in.mi.dy = static_cast<LONG>((pt.y * 65536 + cy / 2) / cy);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(in);
    for (int i = 0; i < (bDouble ? 2 : 1); ++i) {
        in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(in);
        in.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(in);
    }
    ASSERT_EQ(::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
              inputs.size());
    Pump();
}

void EditGridTest::SendClick(POSITION hRow, int nCol, UINT nMsg) {
    const POINT pt = CellCentre(hRow, nCol);
    ListSend(nMsg, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    Pump();
}

HWND EditGridTest::Editor() const {
    EditorSearch search;
    ::EnumChildWindows(List(), CollectEditor, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

int EditGridTest::EditorCount() const {
    EditorSearch search;
    ::EnumChildWindows(List(), CollectEditor, reinterpret_cast<LPARAM>(&search));
    return static_cast<int>(search.found.size());
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

void EditGridTest::MakeColumnEditable(int nCol) {
    for (POSITION hRow : m_rows)
        m_grid.GetItem(hRow, nCol)->m_nProfile = m_nEdit;
}

void EditGridTest::FitRowsPerPage(int nRows) {
    RECT rcHeader = {};
    ::GetWindowRect(m_grid.GetHeaderCtrl()->GetSafeHwnd(), &rcHeader);
    const int nRow = m_grid.GetRowHeight();
    RECT rcList = {};
    ::GetWindowRect(List(), &rcList);
    ::SetWindowPos(List(), nullptr, 0, 0, rcList.right - rcList.left,
                   (rcHeader.bottom - rcHeader.top) + nRows * nRow + nRow / 2,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
}
