// Data exchange between a window's controls and its object's members.
#include "afxdlg.h"

#include "afxexcept.h"
#include "afxmodule.h"
#include "mfcctrls/dlginit.h"
#include "wndstate.h"

namespace {

// Thrown by Fail() and caught by UpdateData only.
struct DataExchangeFailed {};

} // namespace

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(AfxSafeHwnd(m_pDlgWnd), nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowInvalidArgException();
    return hWndCtrl;
}

void CDataExchange::Fail() {
    throw DataExchangeFailed();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr)
        return; // tied on an earlier exchange
    if (!rControl.SubclassWindow(pDX->PrepareCtrl(nIDC)))
        AfxThrowInvalidArgException(); // the control already belongs to another object
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        const int length = ::GetWindowTextLengthW(hWndCtrl);
        const int copied = ::GetWindowTextW(hWndCtrl, value.GetBuffer(length), length + 1);
        value.ReleaseBuffer(copied);
        return;
    }
    // Only a changed text is set, so the control does not flicker or notify needlessly.
    const int length = ::GetWindowTextLengthW(hWndCtrl);
    CString current;
    current.ReleaseBuffer(::GetWindowTextW(hWndCtrl, current.GetBuffer(length), length + 1));
    if (current != value)
        ::SetWindowTextW(hWndCtrl, value);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    // The controls' notifications during the exchange are not the user's doing.
    AfxWndThreadState& state = AfxWndState();
    struct Lockout {
        AfxWndThreadState& state;
        HWND saved;
        ~Lockout() { state.hLockoutNotify = saved; }
    } lockout{state, state.hLockoutNotify};
    state.hLockoutNotify = m_hWnd;
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailed&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName) {
    return ExecuteDialogInitData(m_hWnd, AfxGetResourceHandle(), lpszResourceName);
}
