// Wrappers of the platform's controls. Each is a CWnd whose members send the
// control's messages; owner-drawn ones receive their reflected owner-draw messages
// through virtual members.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "afximagelist.h"
#include "afxwnd.h"

class CHeaderCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(WC_HEADERW, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
        return static_cast<BOOL>(
            SendMessage(HDM_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
    }
    BOOL GetItem(int nPos, HDITEMW* pHeaderItem) const {
        return static_cast<BOOL>(
            SendMessage(HDM_GETITEMW, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    BOOL SetItem(int nPos, HDITEMW* pHeaderItem) {
        return static_cast<BOOL>(
            SendMessage(HDM_SETITEMW, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
    }
};

class CListCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(WC_LISTVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // Columns.
    int InsertColumn(int nCol, const LVCOLUMNW* pColumn) {
        return static_cast<int>(
            SendMessage(LVM_INSERTCOLUMNW, nCol, reinterpret_cast<LPARAM>(pColumn)));
    }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, nCol)); }
    BOOL GetColumn(int nCol, LVCOLUMNW* pColumn) const {
        return static_cast<BOOL>(
            SendMessage(LVM_GETCOLUMNW, nCol, reinterpret_cast<LPARAM>(pColumn)));
    }
    BOOL SetColumn(int nCol, const LVCOLUMNW* pColumn) {
        return static_cast<BOOL>(
            SendMessage(LVM_SETCOLUMNW, nCol, reinterpret_cast<LPARAM>(pColumn)));
    }
    int GetColumnWidth(int nCol) const {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, nCol));
    }
    BOOL SetColumnWidth(int nCol, int cx) {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)));
    }
    CHeaderCtrl* GetHeaderCtrl() const;

    // Items.
    int InsertItem(const LVITEMW* pItem) {
        return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    int InsertItem(int nItem, LPCTSTR lpszItem) {
        return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
    }
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL SetItem(const LVITEMW* pItem) {
        return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL GetItem(LVITEMW* pItem) const {
        return static_cast<BOOL>(SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItemData(int nItem, DWORD_PTR dwData) {
        return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
    }
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    UINT GetItemState(int nItem, UINT nMask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, nItem, nMask));
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, nItem)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }

    // Geometry and scrolling.
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0)));
    }
    BOOL Scroll(CSize size) { return static_cast<BOOL>(SendMessage(LVM_SCROLL, size.cx, size.cy)); }
    BOOL Scroll(int dx, int dy) { return Scroll(CSize(dx, dy)); }
    BOOL RedrawItems(int nFirst, int nLast) {
        return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, nFirst, nLast));
    }
    int HitTest(LVHITTESTINFO* pHitTestInfo) const {
        return static_cast<int>(
            SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LVHITTESTINFO* pInfo) {
        return static_cast<int>(
            SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)));
    }
    int GetStringWidth(LPCTSTR lpsz) const {
        return static_cast<int>(
            SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(lpsz)));
    }

    // Styles, colours and images.
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    }
    DWORD SetExtendedStyle(DWORD dwNewStyle) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR)); }
    BOOL SetBkColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, cr)); }
    COLORREF GetTextColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR)); }
    BOOL SetTextColor(COLORREF cr) {
        return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, cr));
    }
    // The list's image list of that kind (LVSIL_SMALL, ...); null when it has none.
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);

    // Owner-drawn rows: called with the reflected WM_DRAWITEM; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CEdit : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(L"EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
    }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE) {
        SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)),
               bNoScroll);
    }
    DWORD GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
    void GetSel(int& nStartChar, int& nEndChar) const;
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, nChars); }
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
    UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    void SetMargins(UINT nLeft, UINT nRight) {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) {
        return static_cast<BOOL>(SendMessage(EM_SETREADONLY, bReadOnly));
    }
    BOOL GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
};

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(L"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int AddString(LPCTSTR lpszString) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
    }
    int InsertString(int nIndex, LPCTSTR lpszString) {
        return static_cast<int>(
            SendMessage(CB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszString)));
    }
    int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
    DWORD_PTR GetItemData(int nIndex) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, nIndex));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) {
        return static_cast<int>(
            SendMessage(CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData)));
    }
    int GetLBTextLen(int nIndex) const {
        return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, nIndex));
    }
    int GetLBText(int nIndex, LPTSTR lpszText) const {
        return static_cast<int>(
            SendMessage(CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText)));
    }
    void GetLBText(int nIndex, CString& rString) const;
    int FindString(int nStartAfter, LPCTSTR lpszString) const {
        return static_cast<int>(
            SendMessage(CB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString)));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
        return static_cast<int>(
            SendMessage(CB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind)));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString) {
        return static_cast<int>(
            SendMessage(CB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString)));
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    void GetDroppedControlRect(LPRECT lprect) const {
        SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
    }
    int SetItemHeight(int nIndex, UINT cyItemHeight) {
        return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)));
    }
    int GetItemHeight(int nIndex) const {
        return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, nIndex));
    }
    BOOL SetEditSel(int nStartChar, int nEndChar) {
        return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)));
    }
    DWORD GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
    BOOL LimitText(int nMaxChars) {
        return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, nMaxChars));
    }
    BOOL GetComboBoxInfo(PCOMBOBOXINFO pcbi) const { return ::GetComboBoxInfo(m_hWnd, pcbi); }

    // Owner-draw members, called with the reflected messages; the bases do nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CButton : public CWnd {
public:
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(L"BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
    }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
        SendMessage(BM_SETSTYLE, nStyle, bRedraw);
    }
    HBITMAP SetBitmap(HBITMAP hBitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }

    // Owner-drawn buttons draw here (reflected WM_DRAWITEM); the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CStatic : public CWnd {
public:
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xffff) {
        return CWnd::Create(L"STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
    }
};

class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(L"SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE) {
        return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
    }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE) {
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    }
};
