// The drop-down editor: its entries, the preselected value, and what it reports.
#include <gmock/gmock.h>

#include <algorithm>

#include "canvas.h"
#include "flistcombo.h"
#include "grid_fixture.h"

namespace {

struct Entry {
    CString strText;
    DWORD dwData;
    bool operator==(const Entry& other) const {
        return strText == other.strText && dwData == other.dwData;
    }
};

class GridComboTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        m_nProfile = m_grid.AddProfile(FLPS_COMBO | FLPS_BUTTON);
        AddColumns(1);
        m_grid.InsertColumn(1, L"Pick", 100, LVCFMT_LEFT, m_nProfile);
        m_rows = AddRows(3);
        m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    }
    XFList_ControlProfile* Profile() { return m_grid.GetProfileAt(m_nProfile); }
    void AddEntry(LPCWSTR lpszText, DWORD dwData) {
        FL_COMBOITEM entry;
        entry.strText = lpszText;
        entry.dwData = dwData;
        Profile()->m_ComboItems.Add(entry);
    }
    // Opens the editor window by itself over row 1's cell, as the grid would.
    CFList_ComboBox* OpenWindow(LPCWSTR lpszText, DWORD dwData, DWORD dwStyle = CBS_DROPDOWNLIST) {
        auto* pCombo =
            new CFList_ComboBox(&m_grid, m_rows[1], 1, &Profile()->m_ComboItems, lpszText, dwData);
        const CRect rc(80, 20, 180, 200);
        EXPECT_TRUE(pCombo->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | dwStyle, rc, &m_grid,
                                   FL_EDITOR_ID_COMBO));
        return pCombo;
    }
    static std::vector<Entry> Entries(CFList_ComboBox* pCombo) {
        std::vector<Entry> entries;
        for (int i = 0; i < pCombo->GetCount(); i++) {
            CString strText;
            pCombo->GetLBText(i, strText);
            entries.push_back(Entry{strText, DWORD(pCombo->GetItemData(i))});
        }
        return entries;
    }
    static Entry Selected(CFList_ComboBox* pCombo) {
        const int nSel = pCombo->GetCurSel();
        if (nSel < 0)
            return Entry{L"<none>", 0};
        return Entries(pCombo)[nSel];
    }
    int m_nProfile = -1;
    Rows m_rows;
};

// The entries the editor offers and the one it preselects, for the profile's entries
// and the cell's value: a value missing from them is added; equal texts are told apart
// by item data, and case counts; a sorted list keeps each entry's item data.
TEST_F(GridComboTest, ValueIsPreselectedAndAddedWhenMissing) {
    struct Case {
        std::vector<Entry> entries;
        Entry value;
        DWORD dwStyle;
        std::vector<Entry> offered;
        int nSelected;
    };
    const Case cases[] = {
        {{{L"Red", 1}, {L"Green", 2}},
         {L"Blue", 7},
         0,
         {{L"Red", 1}, {L"Green", 2}, {L"Blue", 7}},
         2},
        {{{L"Same", 1}, {L"Same", 2}}, {L"Same", 2}, 0, {{L"Same", 1}, {L"Same", 2}}, 1},
        {{{L"Same", 1}, {L"Same", 2}},
         {L"same", 1},
         0,
         {{L"Same", 1}, {L"Same", 2}, {L"same", 1}},
         2},
        {{{L"c", 3}, {L"a", 1}, {L"b", 2}},
         {L"b", 2},
         CBS_SORT,
         {{L"a", 1}, {L"b", 2}, {L"c", 3}},
         1},
        {{}, {L"", 0}, 0, {{L"", 0}}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Profile()->m_ComboItems.RemoveAll();
        for (const Entry& entry : c.entries)
            AddEntry(entry.strText, entry.dwData);
        CFList_ComboBox* pCombo =
            OpenWindow(c.value.strText, c.value.dwData, CBS_DROPDOWNLIST | c.dwStyle);
        EXPECT_EQ(Entries(pCombo), c.offered);
        EXPECT_EQ(pCombo->GetCurSel(), c.nSelected);
        EXPECT_EQ(::GetFocus(), pCombo->GetSafeHwnd());
        pCombo->DestroyWindow(); // deletes itself
    }
}

} // namespace

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The drop-down opened by the grid over the focus cell of row 1, column 1.
class GridDropDownTest : public GridComboTest {
protected:
    void SetUp() override {
        GridComboTest::SetUp();
        AddEntry(L"Red", 1);
        AddEntry(L"Green", 2);
        AddEntry(L"Blue", 3);
        m_grid.SetItemText(m_rows[1], 1, L"Green");
        m_grid.SetItemData(m_rows[1], 1, 2);
        m_grid.SetFocusCell(m_rows[1], 1);
        m_notes.Clear();
    }
    CFList_ComboBox* Editor() { return static_cast<CFList_ComboBox*>(m_grid.m_pEditor); }
    void Key(HWND hWnd, UINT nKey) { ::SendMessageW(hWnd, WM_KEYDOWN, nKey, 0); }
    COMBOBOXINFO Info() {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        ::GetComboBoxInfo(Editor()->GetSafeHwnd(), &info);
        return info;
    }
    HWND ListBox() { return Info().hwndList; }
    HWND EditField() { return Info().hwndItem; }
    // Lets the posted close of a finished editor run.
    void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    int EditorWindows() {
        int nCount = 0;
        for (HWND h = ::GetWindow(List(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            nCount += ::GetDlgCtrlID(h) == int(FL_EDITOR_ID_COMBO);
        return nCount;
    }
};

TEST_F(GridDropDownTest, F2DropsTheListWithTheCellsEntryChosenTypingOrAVetoDoesNot) {
    Key(List(), VK_F2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINCOMBO)));
    EXPECT_EQ(Selected(Editor()), (Entry{L"Green", 2}));
    EXPECT_TRUE(Editor()->SendMessage(CB_GETDROPPEDSTATE));
    EXPECT_EQ(::GetFocus(), Editor()->GetSafeHwnd());
    // The profile handed the cell's value over as the editor's starting value.
    EXPECT_EQ(Profile()->m_strText, CString(L"Green"));
    EXPECT_EQ(Profile()->m_dwData, 2u);

    // Typed characters open no list and a veto opens nothing.
    Key(Editor()->GetSafeHwnd(), VK_ESCAPE);
    Pump();
    ::SendMessageW(List(), WM_CHAR, L'R', 0);
    EXPECT_EQ(Editor(), nullptr);
    m_notes.AnswerWith(FLN_BEGINCOMBO, FLNR_VETO);
    Key(List(), VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(EditorWindows(), 0);
}

TEST_F(GridDropDownTest, ChoosingWithTheMouseStoresTheEntryLikeEnter) {
    Key(List(), VK_F2);
    const HWND hList = ListBox();
    RECT rcItem = {};
    ::SendMessageW(hList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rcItem));
    const LPARAM lPoint = MAKELPARAM(rcItem.left + 2, (rcItem.top + rcItem.bottom) / 2);
    ::SendMessageW(hList, WM_MOUSEMOVE, 0, lPoint);
    ::SendMessageW(hList, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::SendMessageW(hList, WM_LBUTTONUP, 0, lPoint);

    EXPECT_EQ(m_grid.m_pEditor, nullptr);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINCOMBO), Fln(FLN_ENDEDIT)));
    EXPECT_EQ(m_grid.GetItemText(m_rows[1], 1), CString(L"Blue"));
    EXPECT_EQ(m_grid.GetItem(m_rows[1], 1)->m_dwData, 3u);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[1]); // Enter does not move on
    Pump();
    EXPECT_EQ(EditorWindows(), 0);
}

TEST_F(GridDropDownTest, EscapeStoresNothingAndTabStoresAndMovesOn) {
    Key(List(), VK_F2);
    Key(Editor()->GetSafeHwnd(), VK_DOWN); // Blue
    Key(Editor()->GetSafeHwnd(), VK_ESCAPE);
    EXPECT_EQ(m_grid.GetItemText(m_rows[1], 1), CString(L"Green"));
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINCOMBO)));
    Pump();

    Key(List(), VK_F2);
    Key(Editor()->GetSafeHwnd(), VK_UP); // Red
    Key(Editor()->GetSafeHwnd(), VK_TAB);
    EXPECT_EQ(m_grid.GetItemText(m_rows[1], 1), CString(L"Red"));
    EXPECT_EQ(m_grid.GetItem(m_rows[1], 1)->m_dwData, 1u);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[2]);
    EXPECT_EQ(m_grid.GetFocusCol(), 0);
    Pump();
    EXPECT_EQ(EditorWindows(), 0);
}

TEST_F(GridDropDownTest, EditableDropDownStoresTypedTextWithoutItemData) {
    Profile()->m_dwStyle |= FLPS_EDIT;
    ::SendMessageW(List(), WM_CHAR, L'Y', 0);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Profile()->m_strText, CString(L"Y"));
    const HWND hEdit = EditField();
    ::SendMessageW(hEdit, WM_CHAR, L'e', 0);
    ::SendMessageW(hEdit, WM_CHAR, L's', 0);
    EXPECT_EQ(Editor()->m_nEndKey, CFList_ComboBox::END_TEXTCHANGED);

    ::SetFocus(List()); // ends the edit like a click elsewhere
    EXPECT_EQ(m_grid.GetItemText(m_rows[1], 1), CString(L"Yes"));
    EXPECT_EQ(m_grid.GetItem(m_rows[1], 1)->m_dwData, 0u);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[1]);
    ASSERT_EQ(m_notes.Log().size(), 2u);
    EXPECT_EQ(m_notes.Log()[1].strText, CString(L"Yes"));
    EXPECT_EQ(m_notes.Log()[1].dwData, 0u);
    Pump();
}

TEST_F(GridDropDownTest, AnswerTwoKeepsTheListOpenAfterStoring) {
    m_notes.AnswerWith(FLN_ENDEDIT, FLNR_KEEPEDIT);
    Key(List(), VK_F2);
    CFList_ComboBox* pCombo = Editor();
    Key(pCombo->GetSafeHwnd(), VK_DOWN);
    Key(pCombo->GetSafeHwnd(), VK_TAB);
    EXPECT_EQ(m_grid.m_pEditor, pCombo);
    EXPECT_EQ(::GetFocus(), pCombo->GetSafeHwnd());
    EXPECT_EQ(m_grid.GetItemText(m_rows[1], 1), CString(L"Blue"));
    Pump();
    EXPECT_EQ(EditorWindows(), 1);
    // A later loss of the focus ends the edit as Enter, not as the kept round's Tab:
    // the focus cell stays.
    m_notes.AnswerWith(FLN_ENDEDIT, 0);
    ::SetFocus(List());
    Pump();
    EXPECT_EQ(m_grid.m_pEditor, nullptr);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[1]);
    EXPECT_EQ(m_grid.GetFocusCol(), 1);
    EXPECT_EQ(EditorWindows(), 0);
}

TEST_F(GridDropDownTest, ButtonIsOnePixelNarrowerWithGridLines) {
    Key(List(), VK_F2);
    CFList_ComboBox* pCombo = Editor();
    CRect rc;
    pCombo->GetClientRect(&rc);
    auto buttonWidth = [&] {
        Canvas canvas(rc.Width(), rc.Height(), nullptr);
        CDC dc;
        dc.Attach(canvas.Dc());
        pCombo->PaintFlatFrame(dc);
        dc.Detach();
        const std::vector<COLORREF> row =
            canvas.Pixels(CRect(0, rc.Height() / 2, rc.Width(), rc.Height() / 2 + 1));
        return std::count_if(row.begin(), row.end(), [](COLORREF cr) {
            return cr != kUnpainted && cr != ::GetSysColor(COLOR_WINDOW);
        });
    };
    ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, 0);
    const auto nPlain = buttonWidth();
    ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    EXPECT_EQ(buttonWidth(), nPlain - 1);
    EXPECT_GT(nPlain, 5);
}

} // namespace
