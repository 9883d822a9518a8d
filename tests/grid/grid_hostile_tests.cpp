// A hostile host: on a random share of the grid's notifications its handler changes
// the grid under the grid's feet (deletes the notified row, another row or every row,
// inserts rows, sorts, swaps, expands and collapses, moves the focus, destroys the
// editor's window or the whole grid) and answers with random veto and keep bits, while
// random real input and random calls play. After every step the grid must match the
// tree model. The program's allocator makes every use of freed memory fault at once.
//
// GRID_HOSTILE_SEED replays a run, GRID_HOSTILE_STEPS sets its length.
#include <cstdio>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "guard_alloc.h"
#include "real_input.h"
#include "tree_model.h"

namespace {

int EnvInt(const char* pszName, int nDefault) {
    const char* psz = ::getenv(pszName);
    return psz && *psz ? ::atoi(psz) : nDefault;
}

constexpr int kColumns = 3; // a text cell, a drop-down list, a text cell with a button
constexpr int kMaxRows = 30;
const wchar_t* const kTexts[] = {L"a", L"B", L"ab", L"10", L"9", L""};

class HostileHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_nSeed = unsigned(EnvInt("GRID_HOSTILE_SEED", 20261207));
        m_rng.seed(m_nSeed);
        std::printf("hostile host: seed %u (GRID_HOSTILE_SEED replays it)\n", m_nSeed);
        ASSERT_TRUE(m_parent.SubclassWindow(CreateHostWindow(L"host", 360, 260)));
        m_host.Attach(m_parent.GetSafeHwnd());
        m_host.HandleWith([this](FL_NOTIFY& notify) { return OnNotify(&notify); });
        CreateGrid();
    }
    void TearDown() override {
        m_bGridGone = true; // the host is done
        ::DestroyWindow(m_parent.GetSafeHwnd());
        delete m_pGrid;
        SetGuardContext("");
    }

    // The grid: three columns, a few rows, cell focus; the model starts with it.
    void CreateGrid() {
        m_model.Clear();
        const HWND hList =
            ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 5, 5, 340,
                              210, m_parent.GetSafeHwnd(), HMENU(1014), nullptr, nullptr);
        m_pGrid = new CFListCtrl;
        ASSERT_TRUE(m_pGrid->SubclassWindow(hList));
        ::SendMessageW(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES);
        const DWORD styles[] = {FLPS_EDIT, FLPS_COMBO | FLPS_BUTTON, FLPS_EDIT | FLPS_BUTTON};
        for (int i = 0; i < kColumns; i++)
            m_pGrid->InsertColumn(i, L"Column", 100, LVCFMT_LEFT, m_pGrid->AddProfile(styles[i]));
        for (int i = 0; i < 3; i++)
            m_pGrid->GetProfileAt(1)->m_ComboItems.Add(FL_COMBOITEM{kTexts[i], DWORD(i)});
        m_pGrid->m_dwFlags &= ~FLF_ROWFOCUS;
        for (int i = 0; i < 6; i++)
            Insert(FL_ROOT);
        m_bGridGone = false;
        ::SetForegroundWindow(m_parent.GetSafeHwnd());
        ::SetFocus(hList);
    }
    bool GridAlive() const { return !m_bGridGone && m_pGrid->GetSafeHwnd(); }

    int Pick(int nCount) { return std::uniform_int_distribution<int>(0, nCount - 1)(m_rng); }
    bool Chance(int nPercent) { return Pick(100) < nPercent; }
    std::wstring AnyText() { return kTexts[Pick(int(std::size(kTexts)))]; }
    POSITION AnySibling(POSITION hRow) {
        const auto& siblings = m_model.ChildrenOf(m_model.Row(hRow).hParent);
        return siblings[Pick(int(siblings.size()))];
    }

    // Grid calls the model follows, from a step or from the handler; the model learns
    // of deletions from FLN_DELETEROW, each as it comes.
    void Insert(POSITION hParent) {
        const std::wstring text = AnyText();
        m_model.Insert(hParent, m_pGrid->InsertItem(hParent, text.c_str(), -1, -1), text, kColumns);
    }
    void Expand(POSITION hRow, bool bCollapse) {
        m_model.Purge(*m_pGrid);
        m_model.Expand(hRow, bCollapse); // before: handlers may change it again
        m_pGrid->Expand(hRow, bCollapse);
    }
    void SetText(POSITION hRow, int nCol) {
        const std::wstring text = AnyText();
        m_pGrid->SetItemText(hRow, nCol, text.c_str());
        m_model.Row(hRow).texts[nCol] = text;
    }
    // Swaps and sorts: the model follows when ChangeOrder says it can foresee the
    // order that results.
    void Swap(POSITION hRow, POSITION hOther) {
        if (hRow != hOther && ChangeOrder([&] { m_pGrid->SwapRows(hRow, hOther); }))
            m_model.Swap(hRow, hOther);
    }
    void Sort(int nCol, bool bDescending) {
        if (ChangeOrder([&] { m_pGrid->SortColumn(nCol, bDescending); }))
            m_model.Sort(nCol, bDescending);
    }
    void DeleteAll() {
        m_pGrid->DeleteItem(FL_ROOT);
        m_model.Expand(FL_ROOT, false); // rows a handler inserted meanwhile stay
    }
    // When a handler acted meanwhile, the order that results is the grid's business;
    // the model takes it over once it has checked the rows.
    bool ChangeOrder(const std::function<void()>& fnChange) {
        const int nHarms = m_nHarms;
        m_nOrderChanges++;
        fnChange();
        m_nOrderChanges--;
        return m_nHarms == nHarms;
    }

    LRESULT OnNotify(FL_NOTIFY* pNotify) {
        // A row the grid deletes is out of the handlers' reach from now on, with its
        // children: the grid may free them before any handler runs again.
        const UINT nCode = pNotify->hdr.code;
        if (nCode == FLN_DELETEROW)
            m_model.MarkDying(pNotify->hRow);
        m_model.Purge(*m_pGrid);
        const LRESULT lAnswer = Pick(4); // veto and keep bits, wherever they count
        if (m_nDepth < 3 && GridAlive() && Chance(25)) {
            m_nDepth++;
            Harm(pNotify);
            m_nDepth--;
        }
        // What the grid stores now: the record's text, unless vetoed, while the row is
        // there.
        if ((nCode == FLN_ENDEDIT || nCode == FLN_BUTTONCLICK) && !(lAnswer & FLNR_VETO) &&
            GridAlive() && m_model.Has(pNotify->hRow))
            m_model.Row(pNotify->hRow).texts[pNotify->nCol] = std::wstring(pNotify->strText);
        return lAnswer;
    }

    void Harm(FL_NOTIFY* pNotify) {
        m_nHarms++;
        m_bOrderUnforeseen |= m_nOrderChanges > 0;
        const POSITION hRow = m_model.AnyRow(m_rng);
        const int nCase = Pick(14);
        if (nCase == 0 && pNotify->hRow && m_pGrid->IsLiveRow(pNotify->hRow)) {
            m_pGrid->DeleteItem(pNotify->hRow); // the row being notified
        } else if (nCase == 1 && hRow) {
            m_pGrid->DeleteItem(hRow);
        } else if (nCase == 2 && Chance(20)) {
            DeleteAll();
        } else if ((nCase == 3 || nCase == 4) && m_model.Size() < kMaxRows) {
            Insert(Pick(2) || !hRow ? FL_ROOT : hRow);
        } else if (nCase == 5) {
            Sort(Pick(kColumns), Pick(2) == 0);
        } else if (nCase == 6 && hRow) {
            Swap(hRow, AnySibling(hRow));
        } else if ((nCase == 7 || nCase == 8) && hRow) {
            Expand(hRow, Pick(2) == 0);
        } else if (nCase == 9) {
            m_pGrid->SetFocusCell(hRow, Pick(kColumns)); // a hidden row too
        } else if (nCase == 10) {
            for (HWND hEditor : EditorWindows())
                ::DestroyWindow(hEditor);
        } else if (nCase == 11 && Chance(30)) {
            // Its notifications while it goes find the host done with it.
            m_bGridGone = true;
            ::DestroyWindow(m_pGrid->GetSafeHwnd());
            m_model.Clear();
        } else if (nCase == 12) {
            pNotify->strText = AnyText().c_str();
            if (hRow)
                SetText(hRow, Pick(kColumns));
        } else if (nCase == 13 && Chance(20)) {
            Expand(FL_ROOT, Pick(2) == 0);
        }
    }

    std::vector<HWND> EditorWindows() const {
        return ChildrenWithId(m_pGrid->GetSafeHwnd(), {FL_EDITOR_ID_TEXT, FL_EDITOR_ID_COMBO});
    }
    void Pump() { PumpMessages(m_parent.GetSafeHwnd()); }

    void ClickCell() {
        const std::vector<POSITION> shown = m_model.Shown();
        if (shown.empty())
            return;
        const POSITION hRow = shown[Pick(int(shown.size()))];
        const int nCol = Pick(kColumns);
        // The button of a focused cell, or its text; twice in a row makes a double-click.
        RECT rc = {}, rcClient = {}, rcHeader = {};
        if (!(Chance(30) && m_pGrid->GetCellRect(hRow, nCol, FLR_BUTTON, &rc, FALSE)) &&
            !m_pGrid->GetCellRect(hRow, nCol, FLR_LABEL, &rc, FALSE))
            return;
        const POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ::GetClientRect(m_pGrid->GetSafeHwnd(), &rcClient);
        ::GetWindowRect(m_pGrid->GetHeaderCtrl()->GetSafeHwnd(), &rcHeader);
        if (pt.y > rcHeader.bottom - rcHeader.top && ::PtInRect(&rcClient, pt))
            Click(m_pGrid->GetSafeHwnd(), pt, Chance(20) ? 2 : 1);
    }
    void ClickHeading() {
        const int nCol = Pick(kColumns);
        const HWND hHeader = m_pGrid->GetHeaderCtrl()->GetSafeHwnd();
        RECT rc = {};
        ::SendMessageW(hHeader, HDM_GETITEMRECT, nCol, LPARAM(&rc));
        const BOOL bDescending = m_pGrid->GetColumn(nCol)->m_bSortDescending;
        const bool bQuiet = ChangeOrder([&] {
            Click(hHeader, POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
            Pump();
        });
        // The click sorted when it turned the column's direction.
        if (GridAlive() && m_pGrid->GetColumn(nCol)->m_bSortDescending != bDescending) {
            if (bQuiet)
                m_model.Sort(nCol, bDescending != FALSE);
            else
                m_bOrderUnforeseen = true;
        }
    }
    void Input() {
        static const WORD keys[] = {'A',       'B',     '7',     VK_F2,   VK_RETURN, VK_TAB,
                                    VK_ESCAPE, VK_UP,   VK_DOWN, VK_LEFT, VK_RIGHT,  VK_PRIOR,
                                    VK_NEXT,   VK_HOME, VK_END,  VK_SPACE};
        const HWND hGrid = m_pGrid->GetSafeHwnd(), hFocus = ::GetFocus();
        if (hFocus != hGrid && ::GetParent(hFocus) != hGrid &&
            ::GetParent(::GetParent(hFocus)) != hGrid)
            ::SetFocus(hGrid);
        const int nCase = Pick(6);
        if (nCase < 2)
            ClickCell();
        else if (nCase == 2 && Chance(25))
            return ClickHeading();
        else if (nCase == 2 && Pick(2)) // Shift+Tab
            PressKeyWith(VK_SHIFT, VK_TAB);
        else if (nCase == 2) // Alt+Up or Alt+Down, which drop a drop-down's list
            PressKeyWith(VK_MENU, Pick(2) ? VK_UP : VK_DOWN);
        else
            PressKey(keys[Pick(int(std::size(keys)))]);
        Pump();
    }
    void Call() {
        m_model.Purge(*m_pGrid);
        const POSITION hRow = m_model.AnyRow(m_rng);
        const int nCase = hRow ? Pick(12) : 0;
        if (nCase < 2 && m_model.Size() < kMaxRows)
            Insert(!hRow || Pick(3) == 0 ? FL_ROOT : hRow);
        else if (nCase == 2)
            m_pGrid->DeleteItem(hRow);
        else if (nCase == 3 && Chance(5))
            DeleteAll();
        else if (nCase == 3 && Chance(10))
            Expand(FL_ROOT, Pick(2) == 0);
        else if (nCase == 4 || nCase == 5)
            Expand(hRow, Pick(2) == 0);
        else if (nCase == 6)
            Swap(hRow, AnySibling(hRow));
        else if (nCase == 7 && Chance(30))
            Sort(Pick(kColumns), Pick(2) == 0);
        else if (nCase == 8)
            m_pGrid->SetFocusCell(hRow, Pick(kColumns));
        else if (nCase == 9)
            SetText(hRow, Pick(kColumns));
        else if (nCase > 9)
            m_pGrid->HandleEditMessage(WM_KEYDOWN, VK_F2, nullptr);
        Pump();
    }

    void Check() {
        // Every row the grid announced deleted is gone by now.
        m_model.Purge(*m_pGrid);
        ASSERT_FALSE(m_model.AnyDying());
        if (std::exchange(m_bOrderUnforeseen, false)) {
            ASSERT_NO_FATAL_FAILURE(m_model.AdoptOrderFrom(*m_pGrid));
        }
        ASSERT_NO_FATAL_FAILURE(m_model.ExpectMatches(*m_pGrid));
        // An open edit is on the focus cell, in one editor window; none is left over.
        if (m_pGrid->IsEditorOpen()) {
            ASSERT_EQ(std::make_pair(m_pGrid->m_hEditRow, m_pGrid->m_nEditCol),
                      std::make_pair(m_pGrid->m_hFocusRow, m_pGrid->m_nFocusCol));
        }
        ASSERT_EQ(EditorWindows().size(), m_pGrid->IsEditorOpen() ? 1u : 0u);
    }

    CFListCtrl* m_pGrid = nullptr;
    TreeModel m_model;
    std::mt19937 m_rng;
    CWnd m_parent;
    RecordingParent m_host; // hands every notification to OnNotify
    bool m_bGridGone = false;
    unsigned m_nSeed = 0;
    int m_nDepth = 0, m_nOrderChanges = 0, m_nHarms = 0;
    bool m_bOrderUnforeseen = false;
};

TEST_F(HostileHostTest, RandomInputCallsAndHarmfulHandlersKeepTheGridTrueToTheModel) {
    const int nSteps = EnvInt("GRID_HOSTILE_STEPS", 1500);
    for (int i = 0; i < nSteps; i++) {
        const std::string context =
            "seed " + std::to_string(m_nSeed) + ", step " + std::to_string(i);
        SetGuardContext(context);
        if (Chance(50))
            Input();
        else
            Call();
        if (m_bGridGone) {
            // Destroyed by a handler; its object goes now that nothing of it runs.
            delete m_pGrid;
            CreateGrid();
            Pump();
        }
        Check();
        ASSERT_FALSE(HasFatalFailure()) << context;
    }
}

} // namespace
