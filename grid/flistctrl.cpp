// Construction, destruction and the message table of the grid.
#include "flistctrl.h"

CFListCtrl::CFListCtrl()
    : m_pfnCompare(CompareItems), m_pNotifyWnd(nullptr), m_nRedrawLock(0), m_nNextSerial(1),
      m_nNotifyCount(0), m_pEditor(nullptr), m_hEditRow(nullptr), m_nEditCol(-1), m_nContinueKey(0),
      m_hFocusRow(nullptr), m_nFocusCol(-1), m_crFocusRowBk(FLCLR_SYSTEM),
      m_crFocusRowText(FLCLR_SYSTEM), m_crFocusCellBk(FLCLR_SYSTEM),
      m_crFocusCellText(FLCLR_SYSTEM), m_nMemWidth(0), m_nMemHeight(0), m_nLineHeight(0),
      m_nCollapsedImage(-1), m_nExpandedImage(-1), m_dwFlags(FLF_ROWFOCUS), m_nLinesPerRow(1),
      m_nTreeColumn(-1) {
    // The root's children, the top-level rows, are always shown.
    m_RootRow.m_bCollapsed = FALSE;
}

CFListCtrl::~CFListCtrl() {
    // Normally empty by now; a grid whose window was never destroyed through its own
    // message table (never attached, or detached) still must not leak its records.
    FreeRows();
    FreeProfiles();
    // The off-screen bitmap is selected into its DC, and a selected bitmap cannot be
    // deleted: the DC goes first and lets go of it.
    m_dcMem.DeleteDC();
    m_bmpMem.DeleteObject();
}

// Rows are painted through DrawItem, which CListCtrl calls for the WM_DRAWITEM the
// parent reflects back; it needs no entry here.
BEGIN_MESSAGE_MAP(CFListCtrl, CListCtrl)
// Lifetime.
// void OnDestroy()
ON_WM_DESTROY()
// Row height, measured again whenever the font changes.
// void MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
ON_WM_MEASUREITEM_REFLECT()
// LRESULT OnSetFont(WPARAM wParam, LPARAM lParam)
ON_MESSAGE(WM_SETFONT, &CFListCtrl::OnSetFont)
// void OnFontChange()
ON_WM_FONTCHANGE()
// The client area outside the rows, and scrolling.
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
ON_WM_HSCROLL()
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
ON_WM_VSCROLL()
// void OnSysColorChange()
ON_WM_SYSCOLORCHANGE()
// Header clicks: void OnX(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY(HDN_ITEMCLICKA, 0, &CFListCtrl::OnHeaderItemClick)
ON_NOTIFY(HDN_ITEMCLICKW, 0, &CFListCtrl::OnHeaderItemClick)
ON_NOTIFY(HDN_DIVIDERDBLCLICKA, 0, &CFListCtrl::OnHeaderDividerDblClick)
ON_NOTIFY(HDN_DIVIDERDBLCLICKW, 0, &CFListCtrl::OnHeaderDividerDblClick)
// Mouse: the list view's own click handling is never used.
// void OnLButtonDown(UINT nFlags, CPoint point)
ON_WM_LBUTTONDOWN()
// void OnLButtonDblClk(UINT nFlags, CPoint point)
ON_WM_LBUTTONDBLCLK()
// void OnContextMenu(CWnd* pWnd, CPoint pos)
ON_WM_CONTEXTMENU()
// Keys and characters.
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
ON_WM_KEYDOWN()
// void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
ON_WM_CHAR()
// UINT OnGetDlgCode()
ON_WM_GETDLGCODE()
// In-place editors: their end-of-edit report names the grid as sender and comes back
// here reflected; a destroyed editor window is forgotten.
// void OnEditorEnded(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY_REFLECT(FLN_EDITORCLOSE, &CFListCtrl::OnEditorEnded)
// LRESULT OnParentNotify(WPARAM wParam, LPARAM lParam)
ON_MESSAGE(WM_PARENTNOTIFY, &CFListCtrl::OnParentNotify)
END_MESSAGE_MAP()

BOOL CFListCtrl::PreCreateWindow(CREATESTRUCT& cs) {
    // The grid edits cells itself, one row at a time, and draws every row.
    cs.style &= ~LVS_EDITLABELS;
    cs.style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED;
    return CListCtrl::PreCreateWindow(cs);
}

void CFListCtrl::OnDestroy() {
    // An open editor goes with our window, without telling us; it deletes itself.
    m_pEditor = nullptr;
    m_hEditRow = nullptr;
    m_nEditCol = -1;
    DeleteItem(FL_ROOT); // one FLN_DELETEROW per row while the parent still exists
    FreeRows();          // any the parent inserted meanwhile
    FreeProfiles();
    CListCtrl::OnDestroy();
}

void CFListCtrl::FreeRows() {
    POSITION pos = m_Rows.GetHeadPosition();
    while (pos)
        delete m_Rows.GetNext(pos);
    m_Rows.RemoveAll();
    m_RootRow.m_Children.RemoveAll();
    m_hFocusRow = nullptr;
}

void CFListCtrl::FreeProfiles() {
    for (INT_PTR i = 0; i < m_Profiles.GetSize(); i++)
        delete m_Profiles[i];
    m_Profiles.RemoveAll();
}
