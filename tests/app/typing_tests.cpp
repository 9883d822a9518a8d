// The user types into the calculator: real keys and clicks played by the dialog's own
// modal loop, so the editors' and the grid's pre-translation and the dialog's keyboard
// handling (default button, Esc, Tab navigation) all take part. What the grid does
// with the same input outside a dialog is in the grid's input tests. Checks run inside
// the steps; a dialog that ended before every step ran fails the test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_harness.h"
#include "real_input.h"
#include "recording_parent.h"

namespace {

using ::testing::ElementsAre;
using Texts = std::vector<std::wstring>;

class TypingIntoTheGrid : public ::testing::Test {
protected:
    CFListCtrl& Grid() { return CTallyvaneDlgTestAccess::Grid(m_dlg); }
    void ClickCell(int nRow, int nCol, int nClicks = 1) {
        Click(Grid().GetSafeHwnd(), CellPoint(m_dlg, nRow, nCol), nClicks);
    }
    std::wstring EditorText() {
        wchar_t szText[64] = {};
        ::GetWindowTextW(Editor(m_dlg), szText, 64);
        return szText;
    }
    std::wstring Cell(int nRow, int nCol) {
        return std::wstring(Grid().GetItemText(Grid().GetRowAt(nRow), nCol));
    }
    int FocusRow() { return Grid().GetRowRecord(Grid().m_hFocusRow)->m_nListIndex; }
    Step ExpectEquities(const Texts& head) {
        return [this, head] {
            Texts equities = ColumnTexts(m_dlg, kEquity);
            equities.resize(head.size());
            EXPECT_EQ(equities, head);
        };
    }

    CTallyvaneDlg m_dlg;
};

// Arrows and Tab and Shift+Tab stay in the grid rather than move between the dialog's
// controls; the tabs store, move and reopen. (A click, digits and Enter storing a chip count
// without pressing the default button: tests/e2e/type-worked-example.sh.)
TEST_F(TypingIntoTheGrid, ArrowsAndTabsStayInTheGrid) {
    RunSteps(m_dlg, {
                        [&] { ClickCell(4, kChips); },
                        [&] { PressKey(VK_DOWN); },
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
                            EXPECT_EQ(Editor(m_dlg), nullptr);
                            EXPECT_EQ(Grid().m_nFocusCol, kEquity);
                        },
                    });
}

// F2, Enter (with the focus on the grid's focus cell: not OK, which would end the
// program with everything typed) and a double-click open the editor with the cell's
// text, the caret at its end and the keyboard focus. Escape ends each edit storing
// nothing, telling nobody and giving the focus back to the grid; once no editor is
// open, Esc ends the dialog.
TEST_F(TypingIntoTheGrid, F2EnterAndDoubleClickOpenAtTheEndEscapeStoresNothing) {
    RecordingParent notes;
    const Step check = [&] {
        EXPECT_EQ(EditorText(), L"1234");
        EXPECT_EQ(::SendMessageW(Editor(m_dlg), EM_GETSEL, 0, 0), MAKELRESULT(4, 4));
        int n = 0; // only our editor: the list view's own label editor never opens
        for (HWND h = ::GetWindow(Grid().GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            n += ::GetDlgCtrlID(h) != 0; // the header has id 0
        EXPECT_EQ(n, 1);
        EXPECT_EQ(::GetFocus(), Editor(m_dlg));
        TypeText(L"Bob");
        PressKey(VK_ESCAPE);
    };
    EXPECT_EQ(RunSteps(m_dlg, {
                                  [&] {
                                      notes.Attach(m_dlg.GetSafeHwnd());
                                      Grid().SetItemText(Grid().GetRowAt(3), kNames, L"1234");
                                      ClickCell(3, kNames);
                                  },
                                  [&] { notes.Clear(), PressKey(VK_F2); },
                                  check,
                                  [&] { PressKey(VK_RETURN); },
                                  check,
                                  [&] { ClickCell(3, kNames, 2); },
                                  check,
                                  [&] {
                                      EXPECT_EQ(Cell(3, kNames), L"1234");
                                      EXPECT_THAT(notes.Codes(), ElementsAre(Fln(FLN_BEGINEDIT),
                                                                             Fln(FLN_BEGINEDIT),
                                                                             Fln(FLN_BEGINEDIT)));
                                      EXPECT_EQ(::GetFocus(), Grid().GetSafeHwnd());
                                      PressKey(VK_ESCAPE);
                                  },
                              }),
              IDCANCEL);
}

// "Calculate ICM" clicked while a chip cell is being edited stores the typed text first.
// Enter in a payout field and on the button presses "Calculate ICM" and leaves the dialog
// open, as IDOK does (in the pool: tests/e2e/enter-and-name-edits.sh); each press reads every
// input afresh (chips swapped between two players swap their amounts).
TEST_F(TypingIntoTheGrid, CalculateWhileEditingAndEnterOutsideTheGridEditor) {
    const auto enterIn = [&](int nID) {
        return [this, nID] {
            ::SetFocus(::GetDlgItem(m_dlg.GetSafeHwnd(), nID));
            PressKey(VK_RETURN);
        };
    };
    RunSteps(m_dlg, {
                        [&] {
                            EnterInputs(m_dlg, {L"50", L"30", L"20"}, {L"50", L"30"});
                            ClickCell(2, kChips);
                        },
                        [&] { TypeText(L"20"); }, // no Enter: still editing
                        [&] {
                            const HWND hButton = ::GetDlgItem(m_dlg.GetSafeHwnd(), IDC_CALCULATE);
                            RECT rc;
                            ::GetClientRect(hButton, &rc);
                            Click(hButton, POINT{rc.right / 2, rc.bottom / 2});
                        },
                        ExpectEquities({L"383.928571", L"327.500000", L"288.571429"}),
                        [&] {
                            TypeInto(m_dlg, IDC_POOL, L"100");
                            EnterInputs(m_dlg, {}, {L"30", L"50"});
                        },
                        enterIn(IDC_PAYOUT5),
                        ExpectEquities({L"32.750000", L"38.392857", L"28.857143"}),
                        [&] { TypeInto(m_dlg, IDC_POOL, L"1000"); },
                        enterIn(IDC_CALCULATE),
                        ExpectEquities({L"327.500000", L"383.928571", L"288.571429"}),
                        // IDOK, which Enter sends where no default button answers it.
                        [&] {
                            TypeInto(m_dlg, IDC_POOL, L"2000");
                            m_dlg.SendMessage(WM_COMMAND, IDOK);
                        },
                        ExpectEquities({L"655.000000", L"767.857143", L"577.142857"}),
                    });
}

} // namespace
