// The user types into the calculator: real keys and clicks played by the dialog's own
// modal loop, so the editors' and the grid's pre-translation and the dialog's keyboard
// handling (default button, Esc, Tab navigation) all take part.
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

CFListCtrl& GridOf(CTallyvaneDlg& dlg) {
    return CTallyvaneDlgTestAccess::Grid(dlg);
}

POINT CellPoint(CTallyvaneDlg& dlg, int nRow, int nCol) {
    CFListCtrl& grid = GridOf(dlg);
    RECT rc = {};
    EXPECT_TRUE(grid.GetCellRect(grid.GetRowAt(nRow), nCol, FLR_LABEL, &rc, FALSE));
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void ClickCell(CTallyvaneDlg& dlg, int nRow, int nCol) {
    Click(GridOf(dlg).GetSafeHwnd(), CellPoint(dlg, nRow, nCol));
}

HWND Editor(CTallyvaneDlg& dlg) {
    return ::GetDlgItem(GridOf(dlg).GetSafeHwnd(), FL_EDITOR_ID_TEXT);
}

std::wstring EditorText(CTallyvaneDlg& dlg) {
    wchar_t szText[64] = {};
    ::GetWindowTextW(Editor(dlg), szText, 64);
    return szText;
}

std::wstring Cell(CTallyvaneDlg& dlg, int nRow, int nCol) {
    CFListCtrl& grid = GridOf(dlg);
    return std::wstring(grid.GetItemText(grid.GetRowAt(nRow), nCol));
}

DWORD Caret(HWND hEditor) {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageW(hEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    return dwStart == dwEnd ? dwStart : 0xFFFF;
}

TEST(TypingIntoTheGrid, ClickTypeDigitsAndEnterStoresTheChipCount) {
    CTallyvaneDlg dlg;
    std::wstring typed, stored;
    bool bGridFocused = false;
    bool bEditorAfterClick = true;
    const size_t nRan = RunSteps(dlg, {
                                          [&] { ClickCell(dlg, 0, kChips); },
                                          [&] {
                                              bEditorAfterClick = Editor(dlg) != nullptr;
                                              TypeText(L"50");
                                          },
                                          [&] {
                                              typed = EditorText(dlg);
                                              PressKey(VK_RETURN);
                                          },
                                          [&] {
                                              stored = Cell(dlg, 0, kChips);
                                              bGridFocused =
                                                  ::GetFocus() == GridOf(dlg).GetSafeHwnd();
                                              EXPECT_EQ(Editor(dlg), nullptr);
                                          },
                                      });
    EXPECT_FALSE(bEditorAfterClick); // a single click only focuses the cell
    EXPECT_EQ(typed, L"50");
    EXPECT_EQ(stored, L"50");
    EXPECT_EQ(nRan, 4u); // Enter did not end the dialog
    EXPECT_TRUE(bGridFocused);
}

TEST(TypingIntoTheGrid, F2EnterAndDoubleClickOpenWithTheTextAndTheCaretAtTheEnd) {
    CTallyvaneDlg dlg;
    std::vector<std::wstring> texts;
    std::vector<DWORD> carets;
    std::vector<int> editors;
    const auto record = [&] {
        texts.push_back(EditorText(dlg));
        carets.push_back(Caret(Editor(dlg)));
        int n = 0;
        for (HWND h = ::GetWindow(GridOf(dlg).GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            n += ::GetDlgCtrlID(h) != 0; // the header has id 0
        editors.push_back(n);
        PressKey(VK_ESCAPE);
    };
    const size_t nRan = RunSteps(
        dlg, {
                 [&] {
                     CFListCtrl& grid = GridOf(dlg);
                     grid.SetItemText(grid.GetRowAt(3), kChips, L"1234");
                     ClickCell(dlg, 3, kChips);
                 },
                 [&] { PressKey(VK_F2); },
                 record,
                 [&] { PressKey(VK_RETURN); },
                 record,
                 [&] { DoubleClick(GridOf(dlg).GetSafeHwnd(), CellPoint(dlg, 3, kChips)); },
                 record,
             });
    EXPECT_EQ(nRan, 7u); // neither Enter nor Escape on the editor ended the dialog
    EXPECT_THAT(texts, ElementsAre(L"1234", L"1234", L"1234"));
    EXPECT_THAT(carets, ElementsAre(4u, 4u, 4u));
    // Only our editor: the list view's own label editor never opens.
    EXPECT_THAT(editors, ElementsAre(1, 1, 1));
}

TEST(TypingIntoTheGrid, EscapeKeepsTheOldTextAndSendsNoEndEdit) {
    CTallyvaneDlg dlg;
    RecordingParent notes;
    std::wstring text;
    std::vector<NotifyCode> codes;
    const size_t nRan =
        RunSteps(dlg, {
                          [&] {
                              notes.Attach(dlg.GetSafeHwnd());
                              GridOf(dlg).SetItemText(GridOf(dlg).GetRowAt(1), kNames, L"Ann");
                              ClickCell(dlg, 1, kNames);
                          },
                          [&] {
                              notes.Clear();
                              TypeText(L"Bob");
                          },
                          [&] { PressKey(VK_ESCAPE); },
                          [&] {
                              text = Cell(dlg, 1, kNames);
                              codes = notes.Codes();
                          },
                      });
    EXPECT_EQ(nRan, 4u);
    EXPECT_EQ(text, L"Ann");
    EXPECT_THAT(codes, ElementsAre(Fln(FLN_BEGINEDIT)));
}

TEST(TypingIntoTheGrid, ClickOnAnotherCellCommits) {
    CTallyvaneDlg dlg;
    std::wstring text;
    int nFocusRow = -1;
    RunSteps(dlg, {
                      [&] { ClickCell(dlg, 0, kChips); },
                      [&] { TypeText(L"77"); },
                      [&] { ClickCell(dlg, 2, kNames); },
                      [&] {
                          text = Cell(dlg, 0, kChips);
                          CFListCtrl& grid = GridOf(dlg);
                          nFocusRow = grid.GetRowRecord(grid.m_hFocusRow)->m_nListIndex;
                          EXPECT_EQ(Editor(dlg), nullptr);
                      },
                  });
    EXPECT_EQ(text, L"77");
    EXPECT_EQ(nFocusRow, 2);
}

TEST(TypingIntoTheGrid, TabAndShiftTabMoveAndReopen) {
    CTallyvaneDlg dlg;
    std::wstring reopened, back, name;
    HWND hAfterLastTab = reinterpret_cast<HWND>(1);
    int nFocusCol = -1;
    RunSteps(dlg, {
                      [&] { ClickCell(dlg, 0, kNames); },
                      [&] { TypeText(L"Ann"); },
                      [&] { PressKey(VK_TAB); },
                      [&] {
                          reopened = EditorText(dlg); // the chip cell's text: empty
                          TypeText(L"5");
                      },
                      [&] { PressKeyWith(VK_SHIFT, VK_TAB); },
                      [&] {
                          back = EditorText(dlg);
                          name = Cell(dlg, 0, kNames);
                          PressKey(VK_TAB);
                      },
                      [&] { PressKey(VK_TAB); },
                      [&] {
                          // The equity cell opens no editor; the focus cell is there.
                          hAfterLastTab = Editor(dlg);
                          nFocusCol = GridOf(dlg).m_nFocusCol;
                      },
                  });
    EXPECT_EQ(reopened, L"");
    EXPECT_EQ(back, L"Ann");
    EXPECT_EQ(name, L"Ann");
    EXPECT_EQ(hAfterLastTab, nullptr);
    EXPECT_EQ(nFocusCol, kEquity);
}

TEST(TypingIntoTheGrid, AltUpAndAltDownDoNotMoveTheFocusCell) {
    CTallyvaneDlg dlg;
    std::vector<int> rows;
    const auto focusRow = [&] {
        CFListCtrl& grid = GridOf(dlg);
        rows.push_back(grid.GetRowRecord(grid.m_hFocusRow)->m_nListIndex);
    };
    RunSteps(dlg, {
                      [&] { ClickCell(dlg, 4, kChips); },
                      [&] { PressKeyWith(VK_MENU, VK_DOWN); },
                      [&] {
                          focusRow();
                          PressKeyWith(VK_MENU, VK_UP);
                      },
                      [&] {
                          focusRow();
                          PressKey(VK_DOWN);
                      },
                      focusRow,
                  });
    EXPECT_THAT(rows, ElementsAre(4, 4, 5));
}

TEST(TypingIntoTheGrid, CalculateWhileEditingStoresTheTypedTextFirst) {
    CTallyvaneDlg dlg;
    std::vector<std::wstring> equities;
    RunSteps(dlg, {
                      [&] {
                          ::SetFocus(::GetDlgItem(dlg.GetSafeHwnd(), IDC_PAYOUT1));
                          TypeText(L"50");
                          PressKey(VK_TAB);
                          TypeText(L"30");
                          PressKey(VK_TAB);
                          TypeText(L"20");
                      },
                      [&] { ClickCell(dlg, 0, kChips); },
                      [&] {
                          TypeText(L"50");
                          PressKey(VK_RETURN);
                      },
                      [&] { ClickCell(dlg, 1, kChips); },
                      [&] {
                          TypeText(L"30");
                          PressKey(VK_RETURN);
                      },
                      [&] { ClickCell(dlg, 2, kChips); },
                      [&] { TypeText(L"20"); }, // no Enter: still editing
                      [&] {
                          const HWND hButton = ::GetDlgItem(dlg.GetSafeHwnd(), IDC_CALCULATE);
                          RECT rc;
                          ::GetClientRect(hButton, &rc);
                          Click(hButton, POINT{rc.right / 2, rc.bottom / 2});
                      },
                      [&] { equities = ColumnTexts(dlg, kEquity); },
                  });
    ASSERT_EQ(equities.size(), 10u);
    EXPECT_EQ(equities[0], L"383.928571");
    EXPECT_EQ(equities[1], L"327.500000");
    EXPECT_EQ(equities[2], L"288.571429");
}

TEST(TypingIntoTheGrid, DraggingAColumnDividerWhileEditingCommits) {
    CTallyvaneDlg dlg;
    std::wstring text;
    int nWidthBefore = 0, nWidthAfter = 0, nRecorded = 0;
    RunSteps(dlg, {
                      [&] { ClickCell(dlg, 0, kChips); },
                      [&] { TypeText(L"31"); },
                      [&] {
                          CFListCtrl& grid = GridOf(dlg);
                          nWidthBefore = grid.GetColumnWidth(kNames);
                          const HWND hHeader = grid.GetHeaderCtrl()->GetSafeHwnd();
                          RECT rc = {};
                          ::SendMessageW(hHeader, HDM_GETITEMRECT, kNames,
                                         reinterpret_cast<LPARAM>(&rc));
                          const int y = (rc.top + rc.bottom) / 2;
                          Drag(hHeader, POINT{rc.right - 1, y}, POINT{rc.right + 20, y});
                      },
                      [&] {
                          CFListCtrl& grid = GridOf(dlg);
                          text = Cell(dlg, 0, kChips);
                          nWidthAfter = grid.GetColumnWidth(kNames);
                          nRecorded = grid.GetColumn(kNames)->m_nWidth;
                          EXPECT_EQ(Editor(dlg), nullptr);
                      },
                  });
    EXPECT_EQ(text, L"31");
    EXPECT_GT(nWidthAfter, nWidthBefore);
    EXPECT_EQ(nRecorded, nWidthAfter);
}

// Enter with the focus on the grid's focus cell opens the editor instead of pressing
// OK, which would end the program with everything typed; Esc still ends the dialog.
TEST(TypingIntoTheGrid, EnterOnTheGridEditsAndEscStillEndsTheDialog) {
    CTallyvaneDlg dlg;
    bool bOpened = false;
    const size_t nRan = RunSteps(dlg, {
                                          [&] { ClickCell(dlg, 5, kNames); },
                                          [&] { PressKey(VK_RETURN); },
                                          [&] {
                                              bOpened = Editor(dlg) != nullptr;
                                              PressKey(VK_ESCAPE); // ends the edit
                                          },
                                          [&] { PressKey(VK_ESCAPE); }, // ends the dialog
                                          [] { ADD_FAILURE() << "the dialog is still open"; },
                                      });
    EXPECT_TRUE(bOpened);
    EXPECT_EQ(nRan, 4u);
}

} // namespace
