// A hostile host: on a random share of the grid's notifications its handler changes
// the grid under the grid's feet (deletes the notified row, another row or every row,
// inserts rows, sorts, swaps, expands and collapses, moves the focus, destroys the
// editor's window or the whole grid) and answers with random veto and keep bits, while
// random real input and random calls play. After every step the grid must match the
// tree model. The program's allocator makes every use of freed memory fault at once.
//
// GRID_HOSTILE_SEED replays a run, GRID_HOSTILE_STEPS sets its length.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "afxpump.h"
#include "guard_alloc.h"
#include "real_input.h"
#include "tree_model.h"

namespace {

int EnvInt(const char* pszName, int nDefault) {
    const char* psz = ::getenv(pszName);
    return psz && *psz ? ::atoi(psz) : nDefault;
}

constexpr int kColumns = 3; // a text cell, a drop-down list, a text cell with a button
constexpr int kHarmPercent = 25;
constexpr int kMaxRows = 30;
const wchar_t* const kTexts[] = {L"a", L"B", L"ab", L"10", L"9", L""};
constexpr wchar_t kParentClass[] = L"TallyvaneHostileHost";

class HostileHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_nSeed = static_cast<unsigned>(EnvInt("GRID_HOSTILE_SEED", 20261207));
        m_rng.seed(m_nSeed);
        std::printf("hostile host: seed %u (GRID_HOSTILE_SEED replays it)\n", m_nSeed);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kParentClass;
        ::RegisterClassW(&wc);
        const HWND hParent =
            ::CreateWindowExW(0, kParentClass, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 360,
                              260, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(m_parent.SubclassWindow(hParent));
        ::SetPropW(hParent, kParentClass, this);
        m_pfnParent = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ParentProc)));
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
        const HWND hList = ::CreateWindowExW(
            0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 5, 5, 340, 210,
            m_parent.GetSafeHwnd(), reinterpret_cast<HMENU>(1014), nullptr, nullptr);
        m_pGrid = new CFListCtrl;
        ASSERT_TRUE(m_pGrid->SubclassWindow(hList));
        ::SendMessageW(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES);
        const int nEdit = m_pGrid->AddProfile(FLPS_EDIT);
        const int nDrop = m_pGrid->AddProfile(FLPS_COMBO | FLPS_BUTTON);
        for (int i = 0; i < 3; i++)
            m_pGrid->GetProfileAt(nDrop)->m_ComboItems.Add(FL_COMBOITEM{kTexts[i], DWORD(i)});
        const int nButton = m_pGrid->AddProfile(FLPS_EDIT | FLPS_BUTTON);
        m_pGrid->InsertColumn(0, L"Name", 100, LVCFMT_LEFT, nEdit);
        m_pGrid->InsertColumn(1, L"Pick", 100, LVCFMT_LEFT, nDrop);
        m_pGrid->InsertColumn(2, L"More", 100, LVCFMT_LEFT, nButton);
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
    POSITION AnyRow() { return m_model.AnyRow(m_rng); }
    POSITION AnySibling(POSITION hRow) {
        const auto& siblings = m_model.ChildrenOf(m_model.Row(hRow).hParent);
        return siblings[Pick(int(siblings.size()))];
    }
    std::wstring AnyText() { return kTexts[Pick(6)]; }

    // The calls, each with its effect on the model; from a step or from the handler.
    void Insert(POSITION hParent) {
        const std::wstring text = AnyText();
        m_model.Insert(hParent, m_pGrid->InsertItem(hParent, text.c_str(), -1, -1), text, kColumns);
    }
    // The model learns of deletions from FLN_DELETEROW, each as it comes.
    void Delete(POSITION hRow) { m_pGrid->DeleteItem(hRow); }
    void DeleteAll() {
        m_pGrid->DeleteItem(FL_ROOT);
        m_model.Expand(FL_ROOT, false); // rows a handler inserted meanwhile stay
    }
    void Expand(POSITION hRow, bool bCollapse) {
        m_model.Purge(*m_pGrid);
        m_model.Expand(hRow, bCollapse); // before: handlers may change it again
        m_pGrid->Expand(hRow, bCollapse);
    }
    // Swaps and sorts: when a handler acted meanwhile, the order that results is the
    // grid's business; the model takes it over once it has checked the rows.
    void Swap(POSITION hRow, POSITION hOther) {
        if (hRow == hOther)
            return;
        const int nHarms = BeginOrderChange();
        m_pGrid->SwapRows(hRow, hOther);
        if (EndOrderChange(nHarms))
            m_model.Swap(hRow, hOther);
    }
    void Sort(int nCol, bool bDescending) {
        const int nHarms = BeginOrderChange();
        m_pGrid->SortColumn(nCol, bDescending);
        if (EndOrderChange(nHarms))
            m_model.Sort(nCol, bDescending);
    }
    void SetText(POSITION hRow, int nCol) {
        const std::wstring text = AnyText();
        m_pGrid->SetItemText(hRow, nCol, text.c_str());
        m_model.Row(hRow).texts[nCol] = text;
    }
    int BeginOrderChange() {
        m_nOrderChanges++;
        return m_nHarms;
    }
    bool EndOrderChange(int nHarmsBefore) {
        m_nOrderChanges--;
        return m_nHarms == nHarmsBefore;
    }

    static LRESULT CALLBACK ParentProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
        auto* pThis = static_cast<HostileHostTest*>(::GetPropW(hWnd, kParentClass));
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (nMsg == WM_NOTIFY && pHdr->code >= FLN_EXPANDCHANGE && pHdr->code <= FLN_BEGINCOMBO)
            return pThis->OnNotify(reinterpret_cast<FL_NOTIFY*>(lParam));
        return ::CallWindowProcW(pThis->m_pfnParent, hWnd, nMsg, wParam, lParam);
    }

    LRESULT OnNotify(FL_NOTIFY* pNotify) {
        m_nNotifications++;
        // A row the grid deletes is out of the handlers' reach from now on, with its
        // children: the grid may free them before any handler runs again.
        if (pNotify->hdr.code == FLN_DELETEROW)
            m_model.MarkDying(pNotify->hRow);
        m_model.Purge(*m_pGrid);
        const LRESULT lAnswer = Pick(4); // veto and keep bits, wherever they count
        if (m_nDepth < 3 && GridAlive() && Chance(kHarmPercent)) {
            m_nDepth++;
            Harm(pNotify);
            m_nDepth--;
        }
        // What the grid stores now: the record's text, unless vetoed, while the row is
        // there.
        const UINT nCode = pNotify->hdr.code;
        if ((nCode == FLN_ENDEDIT || nCode == FLN_BUTTONCLICK) && !(lAnswer & FLNR_VETO) &&
            GridAlive() && m_model.Has(pNotify->hRow))
            m_model.Row(pNotify->hRow).texts[pNotify->nCol] = std::wstring(pNotify->strText);
        return lAnswer;
    }

    void Harm(FL_NOTIFY* pNotify) {
        m_nHarms++;
        if (m_nOrderChanges > 0)
            m_bOrderUnforeseen = true;
        const POSITION hRow = AnyRow();
        switch (Pick(14)) {
            case 0:
                // The row being deleted too.
                if (pNotify->hRow && m_pGrid->IsLiveRow(pNotify->hRow))
                    Delete(pNotify->hRow);
                break;
            case 1:
                if (hRow)
                    Delete(hRow);
                break;
            case 2:
                if (Chance(20))
                    DeleteAll();
                break;
            case 3:
            case 4:
                if (m_model.Size() < kMaxRows)
                    Insert(Pick(2) || !hRow ? FL_ROOT : hRow);
                break;
            case 5:
                Sort(Pick(kColumns), Pick(2) == 0);
                break;
            case 6:
                if (hRow)
                    Swap(hRow, AnySibling(hRow));
                break;
            case 7:
            case 8:
                if (hRow)
                    Expand(hRow, Pick(2) == 0);
                break;
            case 9:
                m_pGrid->SetFocusCell(hRow, Pick(kColumns)); // a hidden row too
                break;
            case 10:
                for (HWND hEditor : EditorWindows())
                    ::DestroyWindow(hEditor);
                break;
            case 11:
                if (Chance(30)) {
                    // Its notifications while it goes find the host done with it.
                    m_nGridsDestroyed++;
                    m_bGridGone = true;
                    ::DestroyWindow(m_pGrid->GetSafeHwnd());
                    m_model.Clear();
                }
                break;
            case 12:
                pNotify->strText = AnyText().c_str();
                if (hRow)
                    SetText(hRow, Pick(kColumns));
                break;
            default:
                if (Chance(20))
                    Expand(FL_ROOT, Pick(2) == 0);
                break;
        }
    }

    std::vector<HWND> EditorWindows() const {
        std::vector<HWND> editors;
        for (HWND h = ::GetWindow(m_pGrid->GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT)) {
            const int nId = ::GetDlgCtrlID(h);
            if (nId == int(FL_EDITOR_ID_TEXT) || nId == int(FL_EDITOR_ID_COMBO))
                editors.push_back(h);
        }
        return editors;
    }

    // Plays what is queued as a modal loop would.
    void Pump() {
        MSG msg;
        for (int i = 0; i < 5000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (!AfxWalkPreTranslateTree(m_parent.GetSafeHwnd(), &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }

    void ClickCell() {
        const std::vector<POSITION> shown = m_model.Shown();
        if (shown.empty())
            return;
        const POSITION hRow = shown[Pick(int(shown.size()))];
        const int nCol = Pick(kColumns);
        // The button of a focused cell, or its text; twice in a row makes a double-click.
        RECT rc = {};
        if (!(Chance(30) && m_pGrid->GetCellRect(hRow, nCol, FLR_BUTTON, &rc, FALSE)) &&
            !m_pGrid->GetCellRect(hRow, nCol, FLR_LABEL, &rc, FALSE))
            return;
        const POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        RECT rcClient = {}, rcHeader = {};
        ::GetClientRect(m_pGrid->GetSafeHwnd(), &rcClient);
        ::GetWindowRect(m_pGrid->GetHeaderCtrl()->GetSafeHwnd(), &rcHeader);
        if (pt.y > rcHeader.bottom - rcHeader.top && ::PtInRect(&rcClient, pt))
            Click(m_pGrid->GetSafeHwnd(), pt, Chance(20) ? 2 : 1);
    }
    void ClickHeading() {
        const int nCol = Pick(kColumns);
        const HWND hHeader = m_pGrid->GetHeaderCtrl()->GetSafeHwnd();
        RECT rc = {};
        ::SendMessageW(hHeader, HDM_GETITEMRECT, nCol, reinterpret_cast<LPARAM>(&rc));
        const BOOL bDescending = m_pGrid->GetColumn(nCol)->m_bSortDescending;
        const int nHarms = BeginOrderChange();
        Click(hHeader, POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
        Pump();
        const bool bQuiet = EndOrderChange(nHarms);
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
        const HWND hFocus = ::GetFocus();
        if (hFocus != m_pGrid->GetSafeHwnd() && ::GetParent(hFocus) != m_pGrid->GetSafeHwnd() &&
            ::GetParent(::GetParent(hFocus)) != m_pGrid->GetSafeHwnd())
            ::SetFocus(m_pGrid->GetSafeHwnd());
        switch (Pick(6)) {
            case 0:
            case 1:
                ClickCell();
                break;
            case 2:
                if (Chance(25)) {
                    ClickHeading();
                    return;
                }
                // Shift+Tab, and Alt+Up or Alt+Down, which drop a drop-down's list.
                if (Pick(2))
                    PressKeyWith(VK_SHIFT, VK_TAB);
                else
                    PressKeyWith(VK_MENU, Pick(2) ? VK_UP : VK_DOWN);
                break;
            default:
                PressKey(keys[Pick(int(sizeof(keys) / sizeof(keys[0])))]);
                break;
        }
        Pump();
    }
    void Call() {
        m_model.Purge(*m_pGrid);
        const POSITION hRow = AnyRow();
        switch (hRow ? Pick(12) : 0) {
            case 0:
            case 1:
                if (m_model.Size() < kMaxRows)
                    Insert(!hRow || Pick(3) == 0 ? FL_ROOT : hRow);
                break;
            case 2:
                Delete(hRow);
                break;
            case 3:
                if (Chance(5))
                    DeleteAll();
                else if (Chance(10))
                    Expand(FL_ROOT, Pick(2) == 0);
                break;
            case 4:
            case 5:
                Expand(hRow, Pick(2) == 0);
                break;
            case 6:
                Swap(hRow, AnySibling(hRow));
                break;
            case 7:
                if (Chance(30))
                    Sort(Pick(kColumns), Pick(2) == 0);
                break;
            case 8:
                m_pGrid->SetFocusCell(hRow, Pick(kColumns));
                break;
            case 9:
                SetText(hRow, Pick(kColumns));
                break;
            default:
                m_pGrid->HandleEditMessage(WM_KEYDOWN, VK_F2, nullptr);
                break;
        }
        Pump();
    }

    void Check() {
        // Every row the grid announced deleted is gone by now.
        m_model.Purge(*m_pGrid);
        ASSERT_FALSE(m_model.AnyDying());
        if (m_bOrderUnforeseen) {
            m_nUnforeseen++;
            m_bOrderUnforeseen = false;
            m_model.AdoptOrderFrom(*m_pGrid);
            if (::testing::Test::HasFatalFailure())
                return;
        }
        m_model.ExpectMatches(*m_pGrid);
        if (::testing::Test::HasFatalFailure())
            return;
        // An open edit is on the focus cell, in one editor window; none is left over.
        const CFListCtrl& grid = *m_pGrid;
        if (m_pGrid->IsEditorOpen()) {
            ASSERT_EQ(grid.m_hEditRow, grid.m_hFocusRow);
            ASSERT_EQ(grid.m_nEditCol, grid.m_nFocusCol);
        }
        ASSERT_EQ(EditorWindows().size(), m_pGrid->IsEditorOpen() ? 1u : 0u);
    }

    CWnd m_parent;
    WNDPROC m_pfnParent = nullptr;
    CFListCtrl* m_pGrid = nullptr;
    bool m_bGridGone = false;
    TreeModel m_model;
    unsigned m_nSeed = 0;
    std::mt19937 m_rng;
    int m_nDepth = 0;
    int m_nOrderChanges = 0;
    bool m_bOrderUnforeseen = false;
    int m_nHarms = 0;
    int m_nNotifications = 0;
    int m_nGridsDestroyed = 0;
    int m_nUnforeseen = 0;
};

TEST_F(HostileHostTest, RandomInputCallsAndHarmfulHandlersKeepTheGridTrueToTheModel) {
    const int nSteps = EnvInt("GRID_HOSTILE_STEPS", 1500);
    const auto start = std::chrono::steady_clock::now();
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
    const double dSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("hostile host: %d steps in %.1f s (%.0f steps/s), %d notifications, %d "
                "harmful answers, %d grids destroyed, %d unforeseen orders, %zu allocations\n",
                nSteps, dSeconds, nSteps / dSeconds, m_nNotifications, m_nHarms, m_nGridsDestroyed,
                m_nUnforeseen, GuardAllocations());
}

} // namespace
