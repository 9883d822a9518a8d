// CFListCtrl: an owner-drawn report list view that keeps every row, cell and column
// in its own records and mirrors only the shown rows into list-view items.
#pragma once

#include "afxwin.h"
#include "flistrecords.h"

class CFListCtrl : public CListCtrl {
public:
    // Row comparison used by sorting: negative when row A sorts before row B.
    typedef int (*PFNFLCOMPARE)(CFListCtrl* pList, int nCol, POSITION hRowA, POSITION hRowB);

    CFListCtrl();
    ~CFListCtrl() override;

    // Data members, by concern: records, focus cell, in-place editing, off-screen
    // painting, settings. Public: the dialog and the other grid parts read them.

    // Records (flistmodel.cpp, flisttree.cpp).
    PFNFLCOMPARE m_pfnCompare;
    CWnd* m_pNotifyWnd;
    int m_nRedrawLock;
    UINT m_nNextSerial;  // of the next row inserted
    UINT m_nNotifyCount; // notifications sent so far: has any handler run meanwhile?
    XFList_ControlProfile m_DefaultProfile;
    CArray<XFList_ControlProfile*> m_Profiles;
    // In-place editing.
    CWnd* m_pEditor;
    POSITION m_hEditRow;
    int m_nEditCol;
    UINT m_nContinueKey;
    // Records.
    CArray<XFList_Column> m_Columns;
    CList<XFList_Row*> m_Rows;
    XFList_Row m_RootRow;
    // Focus cell and its colours.
    POSITION m_hFocusRow;
    int m_nFocusCol;
    COLORREF m_crFocusRowBk;
    COLORREF m_crFocusRowText;
    COLORREF m_crFocusCellBk;
    COLORREF m_crFocusCellText;
    // Off-screen painting. The DC is declared first, so the bitmap would be destroyed
    // while still selected: the destructor releases both itself, DC first.
    CDC m_dcMem;
    CBitmap m_bmpMem;
    int m_nMemWidth;
    int m_nMemHeight;
    // Settings.
    int m_nLineHeight;
    int m_nCollapsedImage;
    int m_nExpandedImage;
    DWORD m_dwFlags;
    int m_nLinesPerRow;
    int m_nTreeColumn;

    // Profiles, columns, rows and cell text (flistmodel.cpp).
    int AddProfile(DWORD dwStyle);
    int InsertColumn(int nCol, CString strHeading, int nWidth, int nFormat, int nProfile);
    POSITION InsertItem(CString strText, int nImage, int nProfile);
    // Appends a row as the last child of hParent (FL_ROOT: a top-level row); it is
    // shown when its parent is shown and expanded.
    POSITION InsertItem(POSITION hParent, CString strText, int nImage, int nProfile);
    void SetItemText(POSITION hRow, int nCol, CString strText);
    CString GetItemText(POSITION hRow, int nCol);
    CString GetColumnHeading(int nCol);

    // Row tree and its mirror in the list view (flisttree.cpp).
    int GetRowCount();
    POSITION GetRowAt(int nIndex);
    POSITION GetNextItem(POSITION hRow, UINT nCode);
    void ShowRow(POSITION hRow, BOOL bShow);
    void RedrawRow(POSITION hRow);
    BOOL AreChildrenHidden(POSITION hRow);
    // Whether a handle taken from outside the records (list-view item data) names a
    // live row; the root is never shown, so it does not count.
    BOOL IsLiveRow(POSITION hRow) const;
    // A handle to hold across a notification, and whether it still names the same
    // row afterwards (the root always does; null never does).
    XFList_RowRef RefRow(POSITION hRow);
    BOOL IsSameRow(const XFList_RowRef& ref);
    // Whether hRow is hTop or lies below it (FL_ROOT is above every row).
    BOOL IsInSubtree(POSITION hRow, POSITION hTop);

    // Record access for the other parts of the grid (flistmodel.cpp).
    XFList_Row* GetRowRecord(POSITION hRow);
    XFList_Item* GetItem(POSITION hRow, int nCol);
    XFList_Column* GetColumn(int nCol);
    XFList_ControlProfile* GetProfileAt(int nIndex);
    XFList_ControlProfile* GetProfile(POSITION hRow, int nCol);

    // Notifications, cell values and the focus cell (flistnotify.cpp, flistfocus.cpp).
    void BuildNotify(FL_NOTIFY& notify, POSITION hRow, int nCol, UINT nCode);
    LRESULT SendNotify(FL_NOTIFY* pNotify);
    void SetItemData(POSITION hRow, int nCol, DWORD dwData);
    void SetCheck(POSITION hRow, int nCol, int nCheck);
    void SetFocusCell(POSITION hRow, int nCol);
    int GetFocusCol();
    BOOL IsEditorOpen();
    // Ends an open edit as Escape does, storing nothing, when its row is hTop or lies
    // below it (bWithTop FALSE: only below it): before a tree change removes or hides it.
    void CancelEditUnder(POSITION hTop, BOOL bWithTop);

    // Geometry (flistgeometry.cpp): every rectangle of a cell comes from
    // GetCellMetrics, which GetCellRect's kinds read.
    BOOL GetCellRect(POSITION hRow, int nCol, UINT nKind, RECT* pRect, BOOL bRelative);
    void GetCellMetrics(POSITION hRow, int nCol, BOOL bRelative, BOOL bParts,
                        XFList_CellMetrics& metrics);
    int GetRowHeight();
    BOOL HitTestCell(POSITION* phRow, int* pnCol, CPoint pt);
    BOOL EnsureCellVisible(POSITION hRow, int nCol);

    // Painting (flistpaint.cpp: cells and their layers; flisterase.cpp: the area
    // outside the rows and the repaint requests).
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void DrawCell(CDC* pDC, POSITION hRow, int nCol);
    COLORREF GetCellColor(UINT nWhich, POSITION hRow, int nCol);
    static void DrawPlusFace(CDC* pDC, RECT rcButton);
    BOOL DrawPart(UINT nStep, CDC* pDC, POSITION hRow, int nCol);

    // Off-screen buffer (flistmemdc.cpp) and column fit (flistautosize.cpp).
    BOOL PrepareMemDC(CDC* pDC, RECT rcCell);
    void AutoSizeColumn(int nCol);

    // Expanding, collapsing, deleting and exchanging rows (flisttreeops.cpp).
    void Expand(POSITION hRow, BOOL bCollapse);
    void DeleteItem(POSITION hRow);
    void SwapRows(POSITION hRowA, POSITION hRowB);

    // Sorting (flistsort.cpp).
    void SortColumn(int nCol, BOOL bDescending);
    void SortChildren(int nCol, POSITION hParent, BOOL bRecursive);
    static int CompareItems(CFListCtrl* pList, int nCol, POSITION hRowA, POSITION hRowB);

    // Mouse (flistmouse.cpp) and keys (flistkeys.cpp): they move the focus cell and
    // hand every request that may open an editor to HandleEditMessage.
    void HandleClick(BOOL bDoubleClick, CPoint pt);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Clipboard (flistclipboard.cpp). The table text: the headings, then one line per
    // shown row, tabs between cells and CR LF between lines, each text as shown.
    CString GetTableText();
    BOOL CopyToClipboard();
    // Pastes tab- and line-separated text from the focus cell rightwards and downwards
    // into the cells that take typed text; each cell is notified as a typed edit, and
    // what does not fit is dropped. Returns the number of cells stored.
    int PasteText(LPCTSTR lpszText);
    int PasteFromClipboard();

    // In-place editing (flistediting.cpp): opens an editor over the focus cell for a
    // click, key or character, and takes an editor's end-of-edit report
    // (FLN_EDITORCLOSE with its FL_ENDEDIT).
    LRESULT HandleEditMessage(UINT nMsg, WPARAM wKey, FL_ENDEDIT* pEnd);

    // Window creation (flistctrl.cpp).
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    // Column widths from the header; every notification then goes to the framework,
    // which reflects the editors' reports (flistcolumns.cpp).
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Message handlers.
    // Lifetime (flistctrl.cpp).
    afx_msg void OnDestroy();
    // Row height (flistmeasure.cpp).
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFontChange();
    // Erasing and scrolling (flisterase.cpp).
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSysColorChange();

    // Header notifications.
    afx_msg void OnHeaderItemClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnHeaderDividerDblClick(NMHDR* pNMHDR, LRESULT* pResult);

    // Mouse (flistmouse.cpp).
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    // Keys (flistkeys.cpp). The Tab-advance of an edit calls OnKeyDown directly.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    // In-place editing (flistediting.cpp).
    afx_msg void OnEditorEnded(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnParentNotify(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Lifetime.
    void FreeRows();
    void FreeProfiles();

    // Columns and rows.
    static XFList_Column MakeColumn(int nFormat, int nProfile);
    void InsertCellIntoRows(int nCol, int nProfile);

    // Tree navigation and mirroring.
    POSITION GetSibling(XFList_Row* pRow, BOOL bNext);
    POSITION GetPreviousVisible(XFList_Row* pRow);
    POSITION GetVisibleAncestor(POSITION hRow);
    POSITION GetTopLevel(POSITION hRow);
    POSITION GetRowOfListItem(int nItem);
    POSITION GetPageRow(BOOL bLast);
    void AddListItem(POSITION hRow);
    void RemoveListItem(XFList_Row* pRow);
    void RenumberListFrom(int nItem);
    void SetListItemRow(int nItem, POSITION hRow);

    // Keeping the focus and the edit on live, shown rows while the tree changes.
    BOOL KeepFocusShown();
    void MoveFocusOff(POSITION hRow);
    void DeleteAllRows();

    // Nested suspension of the list view's painting.
    void SuspendRedraw();
    void ResumeRedraw();

    // Geometry of the rows and the client area.
    BOOL GetListItemBounds(int nItem, RECT* pRect);
    BOOL GetTopRowRect(RECT* pRect);
    void GetVisibleRowsRect(RECT* pRect);
    BOOL GetColumnBodyRect(int nCol, RECT* pRect);
    BOOL IsFocusCell(POSITION hRow, int nCol);

    // Painting: one step on a cell whose metrics are already known.
    BOOL DrawCellPart(UINT nStep, CDC* pDC, POSITION hRow, int nCol,
                      const XFList_CellMetrics& metrics);
    void DrawExpander(CDC* pDC, POSITION hRow, const RECT& rcBox);
    void DrawCheckBox(CDC* pDC, POSITION hRow, int nCol, RECT rcBox);
    void DrawImage(CDC* pDC, int nImage, const RECT& rcBox);
    void DrawButton(CDC* pDC, POSITION hRow, int nCol, RECT rcButton);
    void DrawCellText(CDC* pDC, POSITION hRow, int nCol, RECT rcLabel);
    void EraseOutsideRows(CDC* pDC);
    void InvalidateGap();
    void InvalidateColumnBody(int nCol);
    COLORREF MapFocusColor(COLORREF crValue, int nSysColor);
    COLORREF ListColor(BOOL bBk);
    BOOL HasGridLines();
    CImageList* GetSmallImages();

    // Mouse and keys.
    void ClickCheckBox(POSITION hRow, int nCol);
    void FocusListItem(int nItem, int nCol);
    void FocusPageRow(BOOL bLast, int nCol);
    void DropPendingChar(WCHAR ch); // the character of a key that acted as a tree key
    void TakeColumnWidth(int nCol, int cxy);
    BOOL HandleClipboardKey(UINT nChar);
    BOOL PasteCell(POSITION hRow, int nCol, const CString& strText);

    // In-place editing: the steps of HandleEditMessage.
    BOOL OpenTextEditor(UINT nMsg, WPARAM wKey, POSITION hRow, int nCol);
    void PressCellButton(UINT nMsg, WPARAM wKey, POSITION hRow, int nCol);
    void OpenDropDownEditor(UINT nMsg, WPARAM wKey, POSITION hRow, int nCol, BOOL bEditable);
    LRESULT CloseEditor(UINT nEndKey, FL_ENDEDIT* pEnd);
    // After a notification: the cell is still there and still the focus cell.
    BOOL IsFocusCellStill(const XFList_RowRef& row, int nCol);

    // Row height.
    void RequestMeasure();
    void ScrollToFirstItem(int nTop);

    // Gives the keyboard focus to the grid, which ends an open edit.
    void TakeFocusFromEditor();
};
