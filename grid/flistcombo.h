// CFList_ComboBox: the drop-down editor the grid opens over a drop-down cell. It offers
// the cell profile's entries with the cell's value preselected, reports the chosen
// entry (or the typed text) when it loses the focus, and deletes itself when its
// window is gone.
#pragma once

#include "afxwin.h"
#include "flistrecords.h"

class CFListCtrl;

class CFList_ComboBox : public CComboBox {
public:
    // The text-changed mark of m_nEndKey: the user typed into the edit field.
    static constexpr UINT END_TEXTCHANGED = 32;

    CFList_ComboBox(CFListCtrl* pGrid, POSITION hRow, int nCol, CArray<FL_COMBOITEM>* pComboItems,
                    CString strInitText, DWORD dwInitData);
    ~CFList_ComboBox() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The flat frame drawn over the control's own painting, into any DC of its client.
    void PaintFlatFrame(CDC& dc);
    void PostNcDestroy() override; // deletes the object: it lives as long as its window

    CArray<FL_COMBOITEM>* m_pComboItems; // the profile's entries, not owned
    CString m_strInitText;
    DWORD m_dwInitData;
    POSITION m_hRow;
    int m_nCol;
    UINT m_nEndKey; // VK_RETURN, VK_TAB, VK_ESCAPE or END_TEXTCHANGED
    CFListCtrl* m_pGrid;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKillFocusReflect();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnPaint();
    afx_msg void OnCloseUp();
    afx_msg void OnEditChange();

    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    void Preselect();
    void ReadResult(CString& strText, DWORD& dwData);
    COLORREF NeighbourBackground(UINT nCode);
};
