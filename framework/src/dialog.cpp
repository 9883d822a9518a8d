// Modal dialogs: creation from a template, initialisation and ending.
#include "afxdlg.h"

#include "afxapp.h"
#include "afxmodule.h"
#include "afxmsgmap.h"
#include "mfcctrls/dlginit.h"
#include "wndstate.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog manager's procedure for our dialogs: everything but the start-up call
// is answered "not handled", since the window procedure of ours in front of the
// dialog manager has already offered the message to the object.
INT_PTR CALLBACK dialogProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG)
        return FALSE;
    return AfxGuard("dialog initialisation", message, INT_PTR(TRUE), [&]() -> INT_PTR {
        auto* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
        return pDialog ? pDialog->OnInitDialog() : TRUE;
    });
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd),
      m_nIDHelp(nIDTemplate) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

LPCDLGTEMPLATE CDialog::LoadTemplate() const {
    if (m_lpszTemplateName == nullptr)
        return m_lpDialogTemplate;
    HINSTANCE hInstance = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceW(hInstance, m_lpszTemplateName, MAKEINTRESOURCEW(5));
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInstance, hResource) : nullptr;
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

HWND CDialog::FindOwner() const {
    // The given parent, else the application's main window; never a child window.
    HWND hWnd = AfxSafeHwnd(m_pParentWnd);
    const bool explicitParent = hWnd != nullptr;
    if (!explicitParent)
        hWnd = AfxSafeHwnd(AfxGetMainWnd());
    while (hWnd != nullptr && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (!explicitParent && hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpTemplate, HWND hWndOwner) {
    static const bool registered = (RegisterDialogInitControlClasses(AfxGetInstanceHandle()), true);
    (void)registered;
    // The dialog window is ours from its first message; the dialog manager's own
    // procedure becomes the original one that Default() calls.
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), lpTemplate, hWndOwner, dialogProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATE lpTemplate = LoadTemplate();
    if (lpTemplate == nullptr)
        return -1;
    HWND hWndOwner = FindOwner();
    const bool enableOwner =
        hWndOwner != nullptr && hWndOwner != ::GetDesktopWindow() && ::IsWindowEnabled(hWndOwner);
    if (enableOwner)
        ::EnableWindow(hWndOwner, FALSE);

    m_nModalResult = -1;
    m_bContinueModal = TRUE; // EndDialog inside OnInitDialog skips the loop
    if (CreateDlgIndirect(lpTemplate, hWndOwner) && m_bContinueModal)
        RunModalLoop();
    m_bContinueModal = FALSE;

    // Hide first, so that re-enabling the owner lets it take the activation back.
    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (enableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        m_nModalResult = nResult;
    }
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult); // also wakes the loop with a posted WM_NULL
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    PreInitDialog();
    if (m_lpszTemplateName != nullptr && !ExecuteDlgInit(m_lpszTemplateName)) {
        EndDialog(-1);
        return FALSE;
    }
    // The dialog manager calls our dialog procedure, which calls OnInitDialog.
    return Default();
}

void CDialog::PreInitDialog() {}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Only keyboard and mouse input is dialog navigation.
    const UINT m = pMsg->message;
    const bool input =
        (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST);
    return input && ::IsDialogMessageW(m_hWnd, pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(AfxSafeHwnd(pWndCtrl)), 1);
}
