// Creating, subclassing and destroying windows.
#include "wndstate.h"

#include "afxmodule.h"

namespace {

const wchar_t kDefaultClass[] = L"AfxWnd";

// Attaches the waiting object to the first window created after the hook went in,
// before that window sees any message.
LRESULT CALLBACK cbtFilter(int code, WPARAM wParam, LPARAM lParam) {
    AfxWndThreadState& state = AfxWndState();
    if (code == HCBT_CREATEWND && state.pWndInit != nullptr) {
        CWnd* pWnd = state.pWndInit;
        state.pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        AfxGuard("window creation hook", 0, FALSE, [&] { return pWnd->SubclassWindow(hWnd); });
    }
    return ::CallNextHookEx(state.hCbtHook, code, wParam, lParam);
}

void registerDefaultClass() {
    WNDCLASSEXW wc{};
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (::GetClassInfoExW(hInstance, kDefaultClass, &wc))
        return;
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcW; // our procedure is put in at creation
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kDefaultClass;
    ::RegisterClassExW(&wc);
}

} // namespace

void AfxHookWindowCreate(CWnd* pWnd) {
    AfxWndThreadState& state = AfxWndState();
    if (state.hCbtHook == nullptr)
        state.hCbtHook = ::SetWindowsHookExW(WH_CBT, cbtFilter, nullptr, ::GetCurrentThreadId());
    state.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    AfxWndThreadState& state = AfxWndState();
    if (state.hCbtHook != nullptr) {
        ::UnhookWindowsHookEx(state.hCbtHook);
        state.hCbtHook = nullptr;
    }
    if (state.pWndInit != nullptr) {
        state.pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr) {
        registerDefaultClass();
        cs.lpszClass = kDefaultClass;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    CREATESTRUCTW cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                  static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // no window ever arrived: clean up as a destroyed one would
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, AfxSafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::DestroyWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return FALSE;
    // The object may be gone when this returns (self-deleting windows).
    return ::DestroyWindow(hWnd);
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    // A window that is ours already (an earlier object let go of it with a plain
    // Detach) keeps the procedure noted then, which Attach has taken.
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (old != AfxWndProc) {
        m_pfnSuper = old;
        AfxWndState().superProcs[hWnd] = old;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(AfxSafeHwnd(pParent), static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    AfxWndState().superProcs.erase(m_hWnd);
    return Detach();
}

void CWnd::PreSubclassWindow() {}
