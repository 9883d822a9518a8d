#include "grid_fixture.h"

#include <algorithm>

#include "afxpump.h"

namespace {

constexpr wchar_t kParentClass[] = L"TallyvaneGridTestParent";

// Shown rows in display order, derived from the records alone.
void CollectShown(CFListCtrl& grid, POSITION hParent, Rows& rows) {
    const CList<POSITION>& children = grid.GetRowRecord(hParent)->m_Children;
    for (POSITION pos = children.GetHeadPosition(); pos;) {
        const POSITION hChild = children.GetNext(pos);
        rows.push_back(hChild);
        if (!grid.GetRowRecord(hChild)->m_bCollapsed)
            CollectShown(grid, hChild, rows);
    }
}

} // namespace

HWND CreateHostWindow(const wchar_t* pszTitle, int cx, int cy) {
    static const bool bDone = [] {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kParentClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    return bDone ? ::CreateWindowExW(0, kParentClass, pszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                     0, cx, cy, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                     nullptr)
                 : nullptr;
}

void PumpMessages(HWND hRoot) {
    MSG msg;
    for (int i = 0; i < 5000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!AfxWalkPreTranslateTree(hRoot, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

std::vector<HWND> ChildrenWithId(HWND hParent, std::initializer_list<UINT> ids) {
    std::vector<HWND> found;
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (std::find(ids.begin(), ids.end(), UINT(::GetDlgCtrlID(h))) != ids.end())
            found.push_back(h);
    return found;
}

void GridTest::SetUp() {
    const HWND hParent = CreateHostWindow(L"grid", 340, 260);
    ASSERT_TRUE(m_parent.SubclassWindow(hParent));
    m_notes.Attach(hParent);
    HWND hList =
        ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | ListStyle(), 10, 10, 300,
                          200, hParent, reinterpret_cast<HMENU>(1014), nullptr, nullptr);
    ASSERT_TRUE(m_grid.SubclassWindow(hList));
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS; // cell focus, as in the calculator
}

void GridTest::TearDown() {
    if (m_parent.GetSafeHwnd())
        ::DestroyWindow(m_parent.GetSafeHwnd());
}

Rows GridTest::ListRows() const {
    Rows rows;
    for (int i = 0; i < ListSend(LVM_GETITEMCOUNT); i++) {
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        ListSend(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        rows.push_back(reinterpret_cast<POSITION>(item.lParam));
    }
    return rows;
}

void GridTest::FitRowsPerPage(int nRows) {
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

void GridTest::AddColumns(int nCount) {
    for (int i = 0; i < nCount; i++)
        m_grid.InsertColumn(i, L"Column", 80, LVCFMT_LEFT, -1);
}

Rows GridTest::AddRows(int nCount) {
    Rows rows;
    CString strText;
    for (int i = 1; i <= nCount; i++) {
        strText.Format(L"Player %d", i);
        rows.push_back(m_grid.InsertItem(strText, -1, -1));
    }
    return rows;
}

void GridTest::CheckConsistency() {
    EXPECT_EQ(std::make_pair(m_grid.m_RootRow.m_Items.GetSize(), m_grid.m_RootRow.m_nListIndex),
              std::make_pair(INT_PTR(0), -1));
    Rows shown;
    CollectShown(m_grid, FL_ROOT, shown);
    EXPECT_EQ(ListRows(), shown);

    for (POSITION pos = m_grid.m_Rows.GetHeadPosition(); pos;) {
        const POSITION hRow = pos;
        const XFList_Row* pRow = m_grid.m_Rows.GetNext(pos);
        const XFList_Row* pParent = m_grid.GetRowRecord(pRow->m_hParent);
        EXPECT_EQ(pRow->m_hSelf, hRow);
        EXPECT_EQ(pRow->m_Items.GetSize(), m_grid.m_Columns.GetSize());
        EXPECT_EQ(pRow->m_nLevel, pParent->m_nLevel + 1);
        EXPECT_EQ(pParent->m_Children.GetAt(pRow->m_posInParent), hRow);
        for (POSITION posChild = pRow->m_Children.GetHeadPosition(); posChild;)
            EXPECT_EQ(m_grid.GetRowRecord(pRow->m_Children.GetNext(posChild))->m_hParent, hRow);
        const auto it = std::find(shown.begin(), shown.end(), hRow);
        EXPECT_EQ(pRow->m_nListIndex, it == shown.end() ? -1 : int(it - shown.begin()));
    }
    // Every row hangs from exactly one parent entry, and the focus is on a shown
    // row.
    size_t nLinked = 0;
    for (POSITION pos = m_grid.m_Rows.GetHeadPosition(); pos;)
        nLinked += m_grid.m_Rows.GetNext(pos)->m_Children.GetCount();
    EXPECT_EQ(nLinked + m_grid.m_RootRow.m_Children.GetCount(), size_t(m_grid.m_Rows.GetCount()));
    EXPECT_TRUE(!m_grid.m_hFocusRow || Index(m_grid.m_hFocusRow) >= 0);
}
