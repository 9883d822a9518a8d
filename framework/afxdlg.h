// Modal dialogs and the exchange of data between their controls and members.
#pragma once

#include "afxwnd.h"

// The direction and target of one data exchange (UpdateData).
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The control's window; a missing control raises the invalid-argument exception.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }
    // Abandons the exchange: UpdateData then answers FALSE.
    [[noreturn]] void Fail();
};

// Ties the object to the dialog's control the first time (subclassing it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The control's text and the string, in the direction of the exchange.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // A template in memory instead of a resource (no dialog-init data then).
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog with its own message loop until EndDialog; its result.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // The base moves the members into the controls; TRUE lets the dialog manager
    // put the focus on the first tab stop.
    virtual BOOL OnInitDialog();
    // Dialog keyboard handling (IsDialogMessage) for input aimed at the dialog.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0); }

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void PreInitDialog();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    LPCTSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

private:
    HWND FindOwner() const;
    LPCDLGTEMPLATE LoadTemplate() const;
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpTemplate, HWND hWndOwner);
    int RunModalLoop();

    BOOL m_bContinueModal = FALSE;
    int m_nModalResult = -1;
};

class CDialogEx : public CDialog {
public:
    CDialogEx() = default;
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : CDialog(nIDTemplate, pParentWnd) {}
    explicit CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr)
        : CDialog(lpszTemplateName, pParentWnd) {}
};
