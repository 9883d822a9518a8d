// The drop-down editor: its entries, the preselected value, and what it
// reports.
#include <gmock/gmock.h>

#include <algorithm>

#include "flistcombo.h"
#include "painted_fixture.h"

namespace {

using ::testing::ElementsAre;

using Entry = std::pair<CString, DWORD>; // text, item data
using Entries = std::vector<Entry>;

class GridComboTest : public PaintedGridTest {
protected:
    void SetUp() override {
        PaintedGridTest::SetUp();
        m_nProfile = m_grid.AddProfile(FLPS_COMBO | FLPS_BUTTON);
        AddColumns(1);
        m_grid.InsertColumn(1, L"Pick", 100, LVCFMT_LEFT, m_nProfile);
        m_rows = AddRows(3);
    }
    XFList_ControlProfile* Profile() { return m_grid.GetProfileAt(m_nProfile); }
    void SetEntries(const Entries& entries) {
        Profile()->m_ComboItems.RemoveAll();
        for (const Entry& entry : entries)
            Profile()->m_ComboItems.Add(FL_COMBOITEM{entry.first, entry.second});
    }
    static Entries Offered(CFList_ComboBox* pCombo) {
        Entries entries;
        for (int i = 0; i < pCombo->GetCount(); i++) {
            CString strText;
            pCombo->GetLBText(i, strText);
            entries.push_back(Entry{strText, DWORD(pCombo->GetItemData(i))});
        }
        return entries;
    }
    int m_nProfile = -1;
    Rows m_rows;
};

// The entries the editor offers and the one it preselects, for the profile's
// entries and the cell's value: a value missing from them is added; equal texts
// are told apart by item data, and case counts; a sorted list keeps each
// entry's item data.
TEST_F(GridComboTest, ValueIsPreselectedAndAddedWhenMissing) {
    struct Case {
        Entries entries;
        Entry value;
        DWORD dwStyle;
        Entries offered;
        int nSelected;
    };
    const Entry red{L"Red", 1}, green{L"Green", 2}, same1{L"Same", 1}, same2{L"Same", 2};
    const Entry a{L"a", 1}, b{L"b", 2}, c{L"c", 3};
    const Case cases[] = {{{red, green}, {L"Blue", 7}, 0, {red, green, {L"Blue", 7}}, 2},
                          {{same1, same2}, same2, 0, {same1, same2}, 1},
                          {{same1, same2}, {L"same", 1}, 0, {same1, same2, {L"same", 1}}, 2},
                          {{c, a, b}, b, CBS_SORT, {a, b, c}, 1},
                          {{}, {L"", 0}, 0, {{L"", 0}}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        SetEntries(c.entries);
        // The editor window by itself over row 1's cell, as the grid would open it.
        auto* pCombo = new CFList_ComboBox(&m_grid, m_rows[1], 1, &Profile()->m_ComboItems,
                                           c.value.first, c.value.second);
        EXPECT_TRUE(
            pCombo->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | c.dwStyle,
                           CRect(80, 20, 180, 200), &m_grid, FL_EDITOR_ID_COMBO));
        EXPECT_EQ(Offered(pCombo), c.offered);
        EXPECT_EQ(pCombo->GetCurSel(), c.nSelected);
        EXPECT_EQ(::GetFocus(), pCombo->GetSafeHwnd());
        pCombo->DestroyWindow(); // deletes itself
    }
}

// The drop-down opened by the grid over the focus cell of row 1, column 1.
class GridDropDownTest : public GridComboTest {
protected:
    void SetUp() override {
        GridComboTest::SetUp();
        SetEntries({{L"Red", 1}, {L"Green", 2}, {L"Blue", 3}});
        m_grid.SetItemText(m_rows[1], 1, L"Green");
        m_grid.SetItemData(m_rows[1], 1, 2);
        m_grid.SetFocusCell(m_rows[1], 1);
        m_notes.Clear();
    }
    CFList_ComboBox* Editor() { return static_cast<CFList_ComboBox*>(m_grid.m_pEditor); }
    HWND Combo() { return Editor()->GetSafeHwnd(); }
    void Key(HWND hWnd, UINT nKey) { ::SendMessageW(hWnd, WM_KEYDOWN, nKey, 0); }
    COMBOBOXINFO Info() {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        ::GetComboBoxInfo(Combo(), &info);
        return info;
    }
    Entry Cell() {
        return Entry{m_grid.GetItemText(m_rows[1], 1), m_grid.GetItem(m_rows[1], 1)->m_dwData};
    }
    size_t ComboWindows() { return EditorWindows(FL_EDITOR_ID_COMBO).size(); }
};

TEST_F(GridDropDownTest, F2DropsTheListWithTheCellsEntryChosenTypingOrAVetoDoesNot) {
    Key(List(), VK_F2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_BEGINCOMBO)));
    EXPECT_EQ(Offered(Editor())[Editor()->GetCurSel()], (Entry{L"Green", 2}));
    EXPECT_TRUE(Editor()->SendMessage(CB_GETDROPPEDSTATE));
    EXPECT_EQ(::GetFocus(), Combo());

    // Typed characters open no list and a veto opens nothing.
    Key(Combo(), VK_ESCAPE);
    Pump();
    ::SendMessageW(List(), WM_CHAR, L'R', 0);
    EXPECT_EQ(Editor(), nullptr);
    m_notes.AnswerWith(FLN_BEGINCOMBO, FLNR_VETO);
    Key(List(), VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(ComboWindows(), 0u);
}

// Each way of ending the choice: what the cell holds after, where the focus
// goes, and whether the parent heard of an end.
TEST_F(GridDropDownTest, MouseAndTabStoreTheEntryEscapeStoresNothing) {
    const auto click = [&](int nItem) {
        const HWND hList = Info().hwndList;
        RECT rc = {};
        ::SendMessageW(hList, LB_GETITEMRECT, nItem, LPARAM(&rc));
        const LPARAM lPoint = MAKELPARAM(rc.left + 2, (rc.top + rc.bottom) / 2);
        ::SendMessageW(hList, WM_MOUSEMOVE, 0, lPoint);
        ::SendMessageW(hList, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        ::SendMessageW(hList, WM_LBUTTONUP, 0, lPoint);
    };
    // Two keys, or none for a click on Blue (which ends like Enter).
    struct Case {
        UINT nKey1, nKey2;
        Entry stored;
        int nFocusRow, nFocusCol;
        std::vector<NotifyCode> codes;
    };
    const NotifyCode begin = Fln(FLN_BEGINCOMBO), end = Fln(FLN_ENDEDIT);
    const Case cases[] = {{0, 0, {L"Blue", 3}, 1, 1, {begin, end}},
                          {VK_DOWN, VK_ESCAPE, {L"Green", 2}, 1, 1, {begin}},
                          {VK_UP, VK_TAB, {L"Red", 1}, 2, 0, {begin, end, Fln(FLN_FOCUSCHANGE)}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nKey2);
        m_grid.SetItemText(m_rows[1], 1, L"Green");
        m_grid.SetItemData(m_rows[1], 1, 2);
        m_grid.SetFocusCell(m_rows[1], 1);
        m_notes.Clear();
        Key(List(), VK_F2);
        if (c.nKey1)
            Key(Combo(), c.nKey1), Key(Combo(), c.nKey2);
        else
            click(2);
        EXPECT_EQ(m_grid.m_pEditor, nullptr);
        EXPECT_EQ(Cell(), c.stored);
        EXPECT_EQ(std::make_pair(m_grid.m_hFocusRow, m_grid.GetFocusCol()),
                  std::make_pair(m_rows[c.nFocusRow], c.nFocusCol));
        EXPECT_EQ(m_notes.Codes(), c.codes);
        Pump();
        EXPECT_EQ(ComboWindows(), 0u);
    }
}

// The list in the grid's font; the frame painted over the combo box's own blends into
// the cells above and below, and its button gives way to a grid line.
TEST_F(GridDropDownTest, ListTakesTheGridsFontAndItsFrameTheNeighbouringCellsColours) {
    const COLORREF crAbove = RGB(10, 200, 10), crBelow = RGB(200, 10, 200);
    m_grid.GetRowRecord(m_rows[0])->m_crBk = crAbove;
    m_grid.GetRowRecord(m_rows[2])->m_crBk = crBelow;
    Key(List(), VK_F2);
    EXPECT_EQ((std::vector<LRESULT>{::SendMessageW(Combo(), WM_GETFONT, 0, 0),
                                    ::SendMessageW(Info().hwndList, WM_GETFONT, 0, 0)}),
              (std::vector<LRESULT>{LRESULT(m_hFont), LRESULT(m_hFont)}));
    CRect rc;
    Editor()->GetClientRect(&rc);
    const int h = rc.Height();
    const std::map<COLORREF, char> legend = {{crAbove, 'A'},
                                             {crBelow, 'B'},
                                             {::GetSysColor(COLOR_WINDOW), 'w'},
                                             {::GetSysColor(COLOR_BTNFACE), 'g'},
                                             {kUnpainted, '.'}};
    std::vector<long> buttonWidths;
    for (bool bLines : {false, true}) {
        SetGridLines(bLines);
        Canvas canvas(rc.Width(), h, nullptr);
        CDC dc;
        dc.Attach(canvas.Dc());
        Editor()->PaintFlatFrame(dc);
        dc.Detach();
        // Top to bottom, left of the button.
        EXPECT_EQ(canvas.Strip({rc.Width() / 4, 0, rc.Width() / 4 + 1, h}, legend),
                  bLines ? "Ag" + std::string(h - 6, '.') + "gBBB"
                         : "AA" + std::string(h - 5, '.') + "BBB");
        const std::string middle = canvas.Strip({0, h / 2, rc.Width(), h / 2 + 1}, legend);
        buttonWidths.push_back(std::count_if(middle.begin(), middle.end(),
                                             [](char ch) { return ch != 'w' && ch != '.'; }));
    }
    EXPECT_GT(buttonWidths[0], 5);
    EXPECT_EQ(buttonWidths[1], buttonWidths[0] - 1);
}

} // namespace
