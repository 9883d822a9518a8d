// CFList_Edit: the text editor the grid opens over a cell. It reports the end of its
// edit to the grid when it loses the focus and deletes itself with its window.
#pragma once

#include "afxwin.h"

class CFList_Edit : public CEdit {
public:
    CFList_Edit(POSITION hRow, int nCol);
    ~CFList_Edit() override;

    // Data members.
    UINT m_nEndKey;  // the key that ends the edit; losing the focus ends it as Enter
    POSITION m_hRow; // the cell being edited
    int m_nCol;

    // Overridables.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The object owns itself: it goes with its window, or with a failed Create.
    void PostNcDestroy() override;

    // Message handlers.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    DECLARE_MESSAGE_MAP()
};
