// The user types into the calculator: real keys and clicks played by the dialog's own
// modal loop, so the editors' and the grid's pre-translation and the dialog's keyboard
// handling (default button, Esc, Tab navigation) all take part. What the grid does
// with the same input outside a dialog is in the grid's input tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog_access.h"
#include "modal_harness.h"
#include "real_input.h"
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

// Checks run inside the steps, in the modal loop; each test checks that every step ran,
// so that none of them is skipped by a dialog that ended early.

// A click, digits and Enter store the chip count; Enter on the editor does not press
// the default button. Alt+Up and Alt+Down leave the focus cell where it is. Tab and
// Shift+Tab store, move and reopen rather than move between the dialog's controls.
TEST_F(TypingIntoTheGrid, ClickDigitsEnterAltArrowsAndTabs) {
    EXPECT_EQ(Run({
                  [&] { ClickCell(0, kChips); },
                  [&] {
                      EXPECT_EQ(Editor(), nullptr); // a single click only focuses the cell
                      TypeText(L"50");
                  },
                  [&] {
                      EXPECT_EQ(EditorText(), L"50");
                      PressKey(VK_RETURN);
                  },
                  [&] {
                      EXPECT_EQ(Cell(0, kChips), L"50");
                      EXPECT_EQ(::GetFocus(), Grid().GetSafeHwnd());
                      EXPECT_EQ(Editor(), nullptr);
                      ClickCell(4, kChips);
                  },
                  [&] { PressKeyWith(VK_MENU, VK_DOWN); },
                  [&] {
                      EXPECT_EQ(FocusRow(), 4);
                      PressKeyWith(VK_MENU, VK_UP);
                  },
                  [&] {
                      EXPECT_EQ(FocusRow(), 4);
                      PressKey(VK_DOWN);
                  },
                  [&] {
                      EXPECT_EQ(FocusRow(), 5);
                      ClickCell(1, kNames);
                  },
                  [&] { TypeText(L"Ann"); },
                  [&] { PressKey(VK_TAB); },
                  [&] {
                      EXPECT_EQ(EditorText(), L""); // reopened on the empty chip cell
                      TypeText(L"5");
                  },
                  [&] { PressKeyWith(VK_SHIFT, VK_TAB); },
                  [&] {
                      EXPECT_EQ(EditorText(), L"Ann");
                      EXPECT_EQ(Cell(1, kNames), L"Ann");
                      PressKey(VK_TAB);
                  },
                  [&] { PressKey(VK_TAB); },
                  [&] {
                      // The equity cell opens no editor; the focus cell is there.
                      EXPECT_EQ(Editor(), nullptr);
                      EXPECT_EQ(Grid().m_nFocusCol, kEquity);
                  },
              }),
              15u); // Enter did not end the dialog
}

// F2, Enter (with the focus on the grid's focus cell: not OK, which would end the
// program with everything typed) and a double-click open the editor with the cell's
// text, the caret at its end and the keyboard focus. Escape ends each edit storing
// nothing, telling nobody and giving the focus back to the grid; once no editor is
// open, Esc still ends the dialog.
TEST_F(TypingIntoTheGrid, F2EnterAndDoubleClickOpenAtTheEndEscapeStoresNothing) {
    RecordingParent notes;
    const Step check = [&] {
        EXPECT_EQ(EditorText(), L"1234");
        EXPECT_EQ(::SendMessageW(Editor(), EM_GETSEL, 0, 0), MAKELRESULT(4, 4)); // caret at end
        int n = 0; // only our editor: the list view's own label editor never opens
        for (HWND h = ::GetWindow(Grid().GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            n += ::GetDlgCtrlID(h) != 0; // the header has id 0
        EXPECT_EQ(n, 1);
        EXPECT_EQ(::GetFocus(), Editor());
        TypeText(L"Bob");
        PressKey(VK_ESCAPE);
    };
    EXPECT_EQ(Run({
                  [&] {
                      notes.Attach(m_dlg.GetSafeHwnd());
                      Grid().SetItemText(Grid().GetRowAt(3), kNames, L"1234");
                      ClickCell(3, kNames);
                  },
                  [&] { notes.Clear(), PressKey(VK_F2); },
                  check,
                  [&] { PressKey(VK_RETURN); },
                  check,
                  [&] { Click(Grid().GetSafeHwnd(), CellPoint(3, kNames), 2); },
                  check,
                  [&] {
                      EXPECT_EQ(Cell(3, kNames), L"1234");
                      EXPECT_THAT(notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT), Fln(FLN_BEGINEDIT),
                                                             Fln(FLN_BEGINEDIT)));
                      EXPECT_EQ(::GetFocus(), Grid().GetSafeHwnd());
                      PressKey(VK_ESCAPE); // ends the dialog
                  },
                  [] { ADD_FAILURE() << "the dialog is still open"; },
              }),
              8u);
}

TEST_F(TypingIntoTheGrid, CalculateWhileEditingStoresTheTypedTextFirst) {
    EXPECT_EQ(Run({
                  [&] {
                      for (int i = 0; i < 3; ++i)
                          TypeInto(m_dlg, IDC_PAYOUT1 + i, std::vector{L"50", L"30", L"20"}[i]);
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
                  [&] {
                      const std::vector<std::wstring> equities = ColumnTexts(m_dlg, kEquity);
                      ASSERT_EQ(equities.size(), 10u);
                      EXPECT_EQ(equities[0], L"383.928571");
                      EXPECT_EQ(equities[1], L"327.500000");
                      EXPECT_EQ(equities[2], L"288.571429");
                  },
              }),
              4u);
}

// Enter in the pool, in a payout field and on the button presses "Calculate ICM" and
// leaves the dialog open (Esc still ends it, above).
TEST_F(TypingIntoTheGrid, EnterOutsideTheGridEditorCalculates) {
    const auto enterIn = [&](int nID) {
        return [this, nID] {
            ::SetFocus(::GetDlgItem(m_dlg.GetSafeHwnd(), nID));
            PressKey(VK_RETURN);
        };
    };
    const auto expectEquities = [&](const std::vector<std::wstring>& head) {
        return [this, head] {
            std::vector<std::wstring> equities = ColumnTexts(m_dlg, kEquity);
            equities.resize(head.size());
            EXPECT_EQ(equities, head);
        };
    };
    EXPECT_EQ(Run({
                  [&] {
                      for (int i = 0; i < 3; ++i)
                          TypeInto(m_dlg, IDC_PAYOUT1 + i, std::vector{L"50", L"30", L"20"}[i]);
                      EnterChips(m_dlg, {L"50", L"30", L"20"});
                  },
                  enterIn(IDC_POOL),
                  expectEquities({L"383.928571", L"327.500000", L"288.571429"}),
                  [&] { TypeInto(m_dlg, IDC_POOL, L"2000"); },
                  enterIn(IDC_PAYOUT5),
                  expectEquities({L"767.857143", L"655.000000", L"577.142857"}),
                  [&] { TypeInto(m_dlg, IDC_POOL, L"100"); },
                  enterIn(IDC_CALCULATE),
                  expectEquities({L"38.392857", L"32.750000", L"28.857143"}),
              }),
              9u); // no Enter ended the dialog
}

} // namespace
