#include "grid_fixture.h"

#include <algorithm>

namespace {

constexpr int kGridId = 1014;
constexpr wchar_t kParentClass[] = L"TallyvaneGridTestParent";

void RegisterParentClass() {
    static const bool bRegistered = [] {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kParentClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    ASSERT_TRUE(bRegistered);
}

void CollectShown(CFListCtrl& grid, POSITION hParent, std::vector<POSITION>& rows) {
    XFList_Row* pParent = grid.GetRowRecord(hParent);
    POSITION pos = pParent->m_Children.GetHeadPosition();
    while (pos) {
        const POSITION hChild = pParent->m_Children.GetNext(pos);
        rows.push_back(hChild);
        XFList_Row* pChild = grid.GetRowRecord(hChild);
        if (!pChild->m_bCollapsed)
            CollectShown(grid, hChild, rows);
    }
}

} // namespace

void CCountingGrid::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    m_DrawnItems.push_back(static_cast<int>(lpDIS->itemID));
}

void GridTest::SetUp() {
    CreateWindows(ListStyle());
}

void GridTest::TearDown() {
    DestroyWindows();
}

void GridTest::CreateWindows(DWORD dwListStyle, int nWidth, int nHeight) {
    RegisterParentClass();
    HWND hParent = ::CreateWindowExW(
        0, kParentClass, L"grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, nWidth + 40,
        nHeight + 60, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hParent, nullptr);
    ASSERT_TRUE(m_parent.SubclassWindow(hParent));
    HWND hList =
        ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | dwListStyle, 10, 10, nWidth,
                          nHeight, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGridId)),
                          ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hList, nullptr);
    ASSERT_TRUE(m_grid.SubclassWindow(hList));
}

void GridTest::DestroyWindows() {
    if (m_parent.GetSafeHwnd())
        ::DestroyWindow(m_parent.GetSafeHwnd());
}

int GridTest::ListItemCount() const {
    return static_cast<int>(::SendMessageW(ListHwnd(), LVM_GETITEMCOUNT, 0, 0));
}

POSITION GridTest::ListItemRow(int nItem) const {
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!::SendMessageW(ListHwnd(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<POSITION>(item.lParam);
}

void GridTest::AddColumns(int nCount, int nProfile) {
    for (int i = 0; i < nCount; i++) {
        CString strHeading;
        strHeading.Format(L"Column %d", i);
        m_grid.InsertColumn(i, strHeading, 80, LVCFMT_LEFT, nProfile);
    }
}

std::vector<POSITION> GridTest::AddRows(int nCount) {
    std::vector<POSITION> rows;
    for (int i = 0; i < nCount; i++) {
        CString strText;
        strText.Format(L"Player %d", i + 1);
        rows.push_back(m_grid.InsertItem(strText, -1, -1));
    }
    return rows;
}

POSITION GridTest::AddChildRow(POSITION hParent, LPCWSTR pszText) {
    XFList_Row* pRow = new XFList_Row;
    for (INT_PTR i = 0; i < m_grid.m_Columns.GetSize(); i++)
        pRow->m_Items.Add(XFList_Item(m_grid.m_Columns[i].m_nProfile));
    pRow->m_Items[0].m_strText = pszText;
    const POSITION hRow = m_grid.m_Rows.AddTail(pRow);
    XFList_Row* pParent = m_grid.GetRowRecord(hParent);
    pRow->m_hSelf = hRow;
    pRow->m_hParent = hParent;
    pRow->m_nLevel = pParent->m_nLevel + 1;
    pRow->m_posInParent = pParent->m_Children.AddTail(hRow);
    m_grid.ShowRow(hRow, TRUE);
    return hRow;
}

void GridTest::SetExpanded(POSITION hRow, bool bExpanded) {
    XFList_Row* pRow = m_grid.GetRowRecord(hRow);
    pRow->m_bCollapsed = bExpanded ? FALSE : TRUE;
    if (pRow->m_nListIndex < 0)
        return; // under a collapsed parent only the flag changes
    POSITION pos = pRow->m_Children.GetHeadPosition();
    while (pos)
        m_grid.ShowRow(pRow->m_Children.GetNext(pos), bExpanded ? TRUE : FALSE);
}

std::vector<POSITION> GridTest::ExpectedShownRows() {
    std::vector<POSITION> rows;
    CollectShown(m_grid, FL_ROOT, rows);
    return rows;
}

void GridTest::CheckConsistency() {
    const INT_PTR nColumns = m_grid.m_Columns.GetSize();
    EXPECT_EQ(m_grid.m_RootRow.m_Items.GetSize(), 0);
    EXPECT_EQ(m_grid.m_RootRow.m_nListIndex, -1);
    EXPECT_EQ(m_grid.m_RootRow.m_nLevel, 0);

    POSITION pos = m_grid.m_Rows.GetHeadPosition();
    while (pos) {
        const POSITION hRow = pos;
        XFList_Row* pRow = m_grid.m_Rows.GetNext(pos);
        EXPECT_EQ(pRow->m_hSelf, hRow);
        EXPECT_EQ(pRow->m_Items.GetSize(), nColumns);
        XFList_Row* pParent = m_grid.GetRowRecord(pRow->m_hParent);
        ASSERT_NE(pParent, nullptr);
        EXPECT_EQ(pRow->m_nLevel, pParent->m_nLevel + 1);
        EXPECT_EQ(pParent->m_Children.GetAt(pRow->m_posInParent), hRow);
    }

    const std::vector<POSITION> shown = ExpectedShownRows();
    ASSERT_EQ(ListItemCount(), static_cast<int>(shown.size()));
    for (size_t i = 0; i < shown.size(); i++) {
        EXPECT_EQ(ListItemRow(static_cast<int>(i)), shown[i]) << "list item " << i;
        EXPECT_EQ(m_grid.GetRowRecord(shown[i])->m_nListIndex, static_cast<int>(i));
    }
    pos = m_grid.m_Rows.GetHeadPosition();
    while (pos) {
        const POSITION hRow = pos;
        XFList_Row* pRow = m_grid.m_Rows.GetNext(pos);
        if (std::find(shown.begin(), shown.end(), hRow) == shown.end()) {
            EXPECT_EQ(pRow->m_nListIndex, -1) << "a hidden row has a list index";
        }
    }
}
