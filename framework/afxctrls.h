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
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, nItem)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)));
    }

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

    // Styles, colours and images.
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
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
};

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(L"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int AddString(LPCTSTR lpszString) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
    }
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
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck); }

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
};
