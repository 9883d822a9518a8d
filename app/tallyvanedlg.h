// The calculator's one working window: pool and payout edits, the player grid and
// the "Calculate ICM" button.
#pragma once

#include "afxwin.h"
#include "flistctrl.h"
#include "resource.h"

class CTallyvaneDlg : public CDialogEx {
public:
    explicit CTallyvaneDlg(CWnd* pParent = nullptr);
    ~CTallyvaneDlg() override;

    enum { IDD = IDD_MAIN };
    static constexpr int PAYOUT_PLACES = 5;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter calculates; only Escape and the close box end the calculator.
    void OnOK() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnCalculateICM();
    DECLARE_MESSAGE_MAP()

private:
    void AddAboutMenuEntry();
    void FillGrid();

    HICON m_hIcon;
    CFListCtrl m_grid;
    CString m_strPool;
    CString m_strPayout[PAYOUT_PLACES];

    friend class CTallyvaneDlgTestAccess;
};
