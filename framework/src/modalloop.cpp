// The modal dialog's own message loop.
#include "afxdlg.h"

#include "afxpump.h"

int CDialog::RunModalLoop() {
    bool idle = true;
    bool showOnIdle = !(GetStyle() & WS_VISIBLE);
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    MSG msg{};
    while (m_bContinueModal) {
        // Idle: show the dialog the first time, tell the owner, free temporaries.
        if (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (showOnIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showOnIdle = false;
            }
            if (hWndOwner != nullptr)
                ::SendMessageW(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX,
                               reinterpret_cast<LPARAM>(m_hWnd));
            AfxDeleteTempMaps();
            idle = false;
            continue;
        }
        if (!AfxPumpMessage(m_hWnd, &msg)) {
            // WM_QUIT ends every loop: pass it on to the enclosing one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            break;
        }
        if (AfxIsIdleMessage(&msg))
            idle = true;
    }
    return m_nModalResult;
}
