// Editor lifetime: edits ended each way an edit can end leave no editor window, no
// heap block and no GDI object behind, counted exactly over a few rounds. It counts
// every heap block through the global operator new and delete it replaces.
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include <gtest/gtest.h>

#include "afxpump.h"
#include "dialog_access.h"
#include "canvas.h"
#include "modal_harness.h"
#include "real_input.h"

namespace {

std::atomic<long> g_nLiveBlocks{0};

} // namespace

// The runtime's array and nothrow forms of new and delete come here too.
void* operator new(std::size_t nSize) {
    void* p = std::malloc(nSize ? nSize : 1);
    if (!p)
        throw std::bad_alloc();
    ++g_nLiveBlocks;
    return p;
}
void operator delete(void* p) noexcept {
    if (p) {
        --g_nLiveBlocks;
        std::free(p);
    }
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

constexpr int kCycles = 20;
constexpr int kChips = 1;

CFListCtrl& GridOf(CTallyvaneDlg& dlg) {
    return CTallyvaneDlgTestAccess::Grid(dlg);
}

// Every window of the thread with the text editor's control id.
int EditorWindows() {
    struct Count {
        static BOOL CALLBACK Child(HWND hWnd, LPARAM lParam) {
            *reinterpret_cast<int*>(lParam) +=
                ::GetDlgCtrlID(hWnd) == static_cast<int>(FL_EDITOR_ID_TEXT);
            return TRUE;
        }
        static BOOL CALLBACK Top(HWND hWnd, LPARAM lParam) {
            ::EnumChildWindows(hWnd, Child, lParam);
            return TRUE;
        }
    };
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), Count::Top, reinterpret_cast<LPARAM>(&n));
    return n;
}

// Plays what is queued as the modal loop does, idle clean-up of temporaries included.
void Play(CDialog& dlg) {
    MSG msg;
    for (int i = 0; i < 2000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!AfxWalkPreTranslateTree(dlg.GetSafeHwnd(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    AfxDeleteTempMaps();
}

// A click on a row's chip cell, through the input queue.
void ClickChips(CTallyvaneDlg& dlg, int nRow) {
    CFListCtrl& grid = GridOf(dlg);
    RECT rc = {};
    grid.GetCellRect(grid.GetRowAt(nRow), kChips, FLR_LABEL, &rc, FALSE);
    Click(grid.GetSafeHwnd(), POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

struct Snapshot {
    long nBlocks;
    DWORD dwGdi;
};

Snapshot Take() {
    return Snapshot{g_nLiveBlocks.load(), GdiObjects()};
}

// One edit opened by a typed digit on a chip cell and ended by `end`; checked that it
// opened, and that it ended and took its window with it.
template <class End> void Cycle(CTallyvaneDlg& dlg, int nRow, End end) {
    PressKey('7');
    Play(dlg);
    ASSERT_EQ(EditorWindows(), 1) << "the editor did not open on row " << nRow;
    end();
    Play(dlg);
    ASSERT_EQ(GridOf(dlg).m_pEditor == nullptr, EditorWindows() == 0);
}

} // namespace

TEST(EditorLifetime, EveryWayAnEditEndsLeavesNothingBehind) {
    CTallyvaneDlg dlg;
    Snapshot before = {};
    std::vector<Step> steps = {[&] {
        const long nBlocks = g_nLiveBlocks;
        const auto pArray = std::make_unique<int[]>(4); // the count is a real one
        EXPECT_EQ(g_nLiveBlocks, nBlocks + 1);
        ClickChips(dlg, 0);
        Play(dlg);
        ASSERT_EQ(GridOf(dlg).m_nFocusCol, kChips);
    }};
    // Each way in three steps, so that the modal loop idles between them and frees the
    // temporary window objects the handlers made, as it does for the user: a few
    // rounds first, so that one-time allocations are not counted; the rounds counted;
    // the count once the loop has idled, checked there.
    const auto addWay = [&](const char* pszName, std::function<void()> end) {
        steps.push_back([&dlg, end] {
            for (int i = 0; i < 5; ++i)
                Cycle(dlg, i, end);
        });
        steps.push_back([&before, &dlg, end] {
            before = Take();
            for (int i = 0; i < kCycles && !::testing::Test::HasFatalFailure(); ++i)
                Cycle(dlg, i, end);
        });
        steps.push_back([&before, pszName] {
            const Snapshot after = Take();
            SCOPED_TRACE(pszName);
            EXPECT_EQ(EditorWindows(), 0);
            EXPECT_LE(after.nBlocks, before.nBlocks);
            EXPECT_LE(after.dwGdi, before.dwGdi);
        });
    };
    addWay("Enter", [] { PressKey(VK_RETURN); });
    addWay("Escape", [] { PressKey(VK_ESCAPE); });
    // Tab ends this edit and moves on to the equity cell, which opens nothing; Left
    // brings the focus cell back (Shift+Tab on the grid is the dialog's).
    addWay("Tab", [&dlg] {
        PressKey(VK_TAB);
        Play(dlg);
        EXPECT_EQ(EditorWindows(), 0);
        PressKey(VK_LEFT);
        PressKey(VK_F2);
        Play(dlg);
        EXPECT_EQ(EditorWindows(), 1); // back on the chip cell
        PressKey(VK_ESCAPE);
    });
    // Alternating rows, so that no two clicks pair into a double-click.
    int nClick = 0;
    addWay("click elsewhere", [&dlg, &nClick] { ClickChips(dlg, 1 + (nClick++ % 2) * 3); });
    EXPECT_EQ(RunSteps(dlg, steps), steps.size()); // every way ran, and was checked
}

TEST(EditorLifetime, DialogClosingWhileEditingLeavesNothingBehind) {
    const auto cycle = [] {
        CTallyvaneDlg dlg;
        RunSteps(dlg, {[&] {
                     ClickChips(dlg, 2);
                     PressKey('7');
                     Play(dlg);
                     ASSERT_EQ(EditorWindows(), 1);
                 }});
        // The dialog ended with the editor open: the editor went with it.
        EXPECT_EQ(EditorWindows(), 0);
        AfxDeleteTempMaps();
    };
    for (int i = 0; i < 3; ++i)
        cycle();
    const Snapshot before = Take();
    for (int i = 0; i < kCycles && !::testing::Test::HasFailure(); ++i)
        cycle();
    const Snapshot after = Take();
    EXPECT_LE(after.nBlocks, before.nBlocks);
    EXPECT_LE(after.dwGdi, before.dwGdi);
}
