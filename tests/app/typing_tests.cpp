// The user types into the calculator: real keys and clicks played by the dialog's own
// modal loop, so the editors' and the grid's pre-translation and the dialog's keyboard
// handling (default button, Esc, Tab navigation) all take part. What the grid does
// with the same input outside a dialog is in the grid's input tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog_access.h"
#include "input_driver.h"
#include "recording_parent.h"

namespace {

using ::testing::ElementsAre;

constexpr int kNames = 0;
constexpr int kChips = 1;
constexpr int kEquity = 2;

class TypingIntoTheGrid : public ::testing::Test {
protected:
    CFListCtrl& Grid() { return CTallyvaneDlgTestAccess::Grid(m_dlg); }
    POINT CellPoint(int nRow, int nCol) {
        RECT rc = {};
        EXPECT_TRUE(Grid().GetCellRect(Grid().GetRowAt(nRow), nCol, FLR_LABEL, &rc, FALSE));
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    void ClickCell(int nRow, int nCol) { Click(Grid().GetSafeHwnd(), CellPoint(nRow, nCol)); }
    HWND Editor() { return ::GetDlgItem(Grid().GetSafeHwnd(), FL_EDITOR_ID_TEXT); }
    std::wstring EditorText() {
        wchar_t szText[64] = {};
        ::GetWindowTextW(Editor(), szText, 64);
        return szText;
    }
    std::wstring Cell(int nRow, int nCol) {
        return std::wstring(Grid().GetItemText(Grid().GetRowAt(nRow), nCol));
    }
    int FocusRow() { return Grid().GetRowRecord(Grid().m_hFocusRow)->m_nListIndex; }
    size_t Run(std::vector<Step> steps) { return RunSteps(m_dlg, std::move(steps)); }

    CTallyvaneDlg m_dlg;
};

// A click, digits and Enter store the chip count; Enter on the editor does not press
// the default button. Then Alt+Up and Alt+Down leave the focus cell where it is.
TEST_F(TypingIntoTheGrid, ClickTypeDigitsAndEnterStoreTheChipCountAltArrowsStay) {
    std::wstring typed, stored;
    bool bEditorAfterClick = true, bGridFocused = false;
    std::vector<int> rows;
    const Step focusRow = [&] { rows.push_back(FocusRow()); };
    const size_t nRan = Run({
        [&] { ClickCell(0, kChips); },
        [&] {
            bEditorAfterClick = Editor() != nullptr;
            TypeText(L"50");
        },
        [&] {
            typed = EditorText();
            PressKey(VK_RETURN);
        },
        [&] {
            stored = Cell(0, kChips);
            bGridFocused = ::GetFocus() == Grid().GetSafeHwnd();
            EXPECT_EQ(Editor(), nullptr);
            ClickCell(4, kChips);
        },
        [&] { PressKeyWith(VK_MENU, VK_DOWN); },
        [&] { focusRow(), PressKeyWith(VK_MENU, VK_UP); },
        [&] { focusRow(), PressKey(VK_DOWN); },
        focusRow,
    });
    EXPECT_FALSE(bEditorAfterClick); // a single click only focuses the cell
    EXPECT_EQ(typed, L"50");
    EXPECT_EQ(stored, L"50");
    EXPECT_EQ(nRan, 8u); // Enter did not end the dialog
    EXPECT_TRUE(bGridFocused);
    EXPECT_THAT(rows, ElementsAre(4, 4, 5));
}

// F2, Enter (with the focus on the grid's focus cell: not OK, which would end the
// program with everything typed) and a double-click open the editor with the cell's
// text and the caret at its end. Escape ends each edit storing nothing and telling
// nobody; once no editor is open, Esc still ends the dialog.
TEST_F(TypingIntoTheGrid, F2EnterAndDoubleClickOpenAtTheEndEscapeStoresNothing) {
    RecordingParent notes;
    std::vector<std::wstring> texts;
    std::vector<DWORD> carets;
    std::vector<int> editors;
    std::wstring text;
    std::vector<NotifyCode> codes;
    const Step record = [&] {
        texts.push_back(EditorText());
        DWORD dwStart = 0, dwEnd = 0;
        ::SendMessageW(Editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                       reinterpret_cast<LPARAM>(&dwEnd));
        carets.push_back(dwStart == dwEnd ? dwStart : 0xFFFF);
        int n = 0;
        for (HWND h = ::GetWindow(Grid().GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            n += ::GetDlgCtrlID(h) != 0; // the header has id 0
        editors.push_back(n);
        TypeText(L"Bob");
        PressKey(VK_ESCAPE);
    };
    const size_t nRan = Run({
        [&] {
            notes.Attach(m_dlg.GetSafeHwnd());
            Grid().SetItemText(Grid().GetRowAt(3), kNames, L"1234");
            ClickCell(3, kNames);
        },
        [&] { notes.Clear(), PressKey(VK_F2); },
        record,
        [&] { PressKey(VK_RETURN); },
        record,
        [&] { DoubleClick(Grid().GetSafeHwnd(), CellPoint(3, kNames)); },
        record,
        [&] {
            text = Cell(3, kNames);
            codes = notes.Codes();
            PressKey(VK_ESCAPE); // ends the dialog
        },
        [] { ADD_FAILURE() << "the dialog is still open"; },
    });
    EXPECT_EQ(nRan, 8u);
    EXPECT_THAT(texts, ElementsAre(L"1234", L"1234", L"1234"));
    EXPECT_THAT(carets, ElementsAre(4u, 4u, 4u));
    // Only our editor: the list view's own label editor never opens.
    EXPECT_THAT(editors, ElementsAre(1, 1, 1));
    EXPECT_EQ(text, L"1234");
    EXPECT_THAT(codes, ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_BEGINEDIT), Fln(FLN_BEGINEDIT)));
}

TEST_F(TypingIntoTheGrid, TabAndShiftTabMoveAndReopen) {
    std::wstring reopened, back, name;
    HWND hAfterLastTab = reinterpret_cast<HWND>(1);
    int nFocusCol = -1;
    Run({
        [&] { ClickCell(0, kNames); },
        [&] { TypeText(L"Ann"); },
        [&] { PressKey(VK_TAB); },
        [&] {
            reopened = EditorText(); // the chip cell's text: empty
            TypeText(L"5");
        },
        [&] { PressKeyWith(VK_SHIFT, VK_TAB); },
        [&] {
            back = EditorText();
            name = Cell(0, kNames);
            PressKey(VK_TAB);
        },
        [&] { PressKey(VK_TAB); },
        [&] {
            // The equity cell opens no editor; the focus cell is there.
            hAfterLastTab = Editor();
            nFocusCol = Grid().m_nFocusCol;
        },
    });
    EXPECT_EQ(reopened, L"");
    EXPECT_EQ(back, L"Ann");
    EXPECT_EQ(name, L"Ann");
    EXPECT_EQ(hAfterLastTab, nullptr);
    EXPECT_EQ(nFocusCol, kEquity);
}

TEST_F(TypingIntoTheGrid, CalculateWhileEditingStoresTheTypedTextFirst) {
    std::vector<std::wstring> equities;
    Run({
        [&] {
            TypeInto(m_dlg, IDC_PAYOUT1, L"50");
            TypeInto(m_dlg, IDC_PAYOUT2, L"30");
            TypeInto(m_dlg, IDC_PAYOUT3, L"20");
            EnterChips(m_dlg, {L"50", L"30"});
            ClickCell(2, kChips);
        },
        [&] { TypeText(L"20"); }, // no Enter: still editing
        [&] {
            const HWND hButton = ::GetDlgItem(m_dlg.GetSafeHwnd(), IDC_CALCULATE);
            RECT rc;
            ::GetClientRect(hButton, &rc);
            Click(hButton, POINT{rc.right / 2, rc.bottom / 2});
        },
        [&] { equities = ColumnTexts(m_dlg, kEquity); },
    });
    ASSERT_EQ(equities.size(), 10u);
    EXPECT_EQ(equities[0], L"383.928571");
    EXPECT_EQ(equities[1], L"327.500000");
    EXPECT_EQ(equities[2], L"288.571429");
}

TEST_F(TypingIntoTheGrid, DraggingAColumnDividerWhileEditingCommits) {
    std::wstring text;
    int nWidthBefore = 0, nWidthAfter = 0, nRecorded = 0;
    Run({
        [&] { ClickCell(0, kChips); },
        [&] { TypeText(L"31"); },
        [&] {
            nWidthBefore = Grid().GetColumnWidth(kNames);
            const HWND hHeader = Grid().GetHeaderCtrl()->GetSafeHwnd();
            RECT rc = {};
            ::SendMessageW(hHeader, HDM_GETITEMRECT, kNames, reinterpret_cast<LPARAM>(&rc));
            const int y = (rc.top + rc.bottom) / 2;
            Drag(hHeader, POINT{rc.right - 1, y}, POINT{rc.right + 20, y});
        },
        [&] {
            text = Cell(0, kChips);
            nWidthAfter = Grid().GetColumnWidth(kNames);
            nRecorded = Grid().GetColumn(kNames)->m_nWidth;
            EXPECT_EQ(Editor(), nullptr);
        },
    });
    EXPECT_EQ(text, L"31");
    EXPECT_GT(nWidthAfter, nWidthBefore);
    EXPECT_EQ(nRecorded, nWidthAfter);
}

} // namespace
