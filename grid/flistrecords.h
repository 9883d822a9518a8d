// Records and constants of the grid: rows, cells, columns, edit profiles and
// drop-down entries, and the codes its operations dispatch on.
#pragma once

#include "afxwin.h"

// Row handle of the root pseudo-row; no list node lives at address 1, so it never
// collides with the handle of a real row.
#define FL_ROOT ((POSITION)1)

// Grid flags (CFListCtrl::m_dwFlags).
constexpr DWORD FLF_ROWFOCUS = 0x1; // the focus is a whole row, never a cell
constexpr DWORD FLF_NOINDENT = 0x2; // the tree column is not indented by level

// Colour sentinels: "not set" and "use the system highlight colours".
constexpr COLORREF FLCLR_NONE = 0x100000;
constexpr COLORREF FLCLR_SYSTEM = 0x200000;

// Profile style bits (XFList_ControlProfile::m_dwStyle).
constexpr DWORD FLPS_BUTTON = 0x02;
constexpr DWORD FLPS_CHECKBOX = 0x04;
constexpr DWORD FLPS_EDIT = 0x08;
constexpr DWORD FLPS_COMBO = 0x10;
constexpr DWORD FLPS_SORTED = 0x20;
constexpr DWORD FLPS_AUTOCHECK = 0x40;
constexpr DWORD FLPS_PLUSBUTTON = 0x80;

// Row-tree navigation codes of GetNextItem (310 is unused and yields no row).
constexpr UINT FLGN_CHILD = 301;
constexpr UINT FLGN_LASTCHILD = 302;
constexpr UINT FLGN_NEXT = 303;
constexpr UINT FLGN_NEXTVISIBLE = 304;
constexpr UINT FLGN_PREVIOUS = 305;
constexpr UINT FLGN_PREVIOUSVISIBLE = 306;
constexpr UINT FLGN_PARENT = 307;
constexpr UINT FLGN_VISIBLEANCESTOR = 308;
constexpr UINT FLGN_TOPLEVEL = 309;
constexpr UINT FLGN_FIRSTONPAGE = 311;
constexpr UINT FLGN_LASTONPAGE = 312;

// Notification codes sent to the notification window.
constexpr UINT FLN_EXPANDCHANGE = 1225;
constexpr UINT FLN_CHECKCLICK = 1226;
constexpr UINT FLN_DELETEROW = 1227;
constexpr UINT FLN_FOCUSCHANGE = 1228;
constexpr UINT FLN_BEGINEDIT = 1229;
constexpr UINT FLN_ENDEDIT = 1230;
constexpr UINT FLN_BUTTONCLICK = 1231;
constexpr UINT FLN_BEGINCOMBO = 1232;
// An in-place editor's end-of-edit message to the grid.
constexpr UINT FLN_EDITORCLOSE = 1244;

// Rectangle kinds of GetCellRect.
constexpr UINT FLR_CELL = 201;
constexpr UINT FLR_INDENTED = 202;
constexpr UINT FLR_EXPANDER = 203;
constexpr UINT FLR_CHECKBOX = 204;
constexpr UINT FLR_IMAGE = 205;
constexpr UINT FLR_TEXT = 206;
constexpr UINT FLR_BUTTON = 207;
constexpr UINT FLR_LABEL = 208;
constexpr UINT FLR_ROW = 209;
constexpr UINT FLR_TOPROW = 210;
constexpr UINT FLR_VISIBLEROWS = 211;
constexpr UINT FLR_COLUMNBODY = 212;

// Drawing steps of DrawPart.
constexpr UINT FLDP_BACKGROUND = 401;
constexpr UINT FLDP_EXPANDER = 402;
constexpr UINT FLDP_CHECKBOX = 403;
constexpr UINT FLDP_IMAGE = 404;
constexpr UINT FLDP_BUTTON = 405;
constexpr UINT FLDP_TEXT = 406;
constexpr UINT FLDP_GRIDLINES = 407;
constexpr UINT FLDP_ERASE = 408;
constexpr UINT FLDP_INVALIDATEGAP = 409;
constexpr UINT FLDP_INVALIDATECOLUMN = 410;

// Colour selectors of GetCellColor.
constexpr UINT FLCC_BK = 101;
constexpr UINT FLCC_TEXT = 102;

// What the grid tells its notification window, sent as WM_NOTIFY. The receiver may
// write into it; for some codes the grid reads back nCheck, strText and dwData.
struct FL_NOTIFY {
    NMHDR hdr = {};
    POSITION hRow = nullptr; // null for no row
    int nCol = -1;           // -1 for the row as a whole
    CString strText;         // the cell's text; empty without a cell
    DWORD dwData = 0;
    BOOL bCollapsed = FALSE; // the row's children are hidden (or it has none)
    int nCheck = 0;
    int nProfile = -1;
};

// Result bits a notification window answers with.
constexpr LRESULT FLNR_VETO = 0x1;     // do not take the step
constexpr LRESULT FLNR_KEEPEDIT = 0x2; // keep the in-place editor open

// An in-place editor's report to the grid that its edit ended, sent as WM_NOTIFY
// with code FLN_EDITORCLOSE; the grid's answer may keep the editor open.
struct FL_ENDEDIT {
    NMHDR hdr = {};
    CString strText;  // the editor's final text
    DWORD dwData = 0; // item data of the chosen drop-down entry
    POSITION hRow = nullptr;
    int nCol = -1;
    UINT nEndKey = VK_RETURN; // VK_RETURN, VK_TAB or VK_ESCAPE
};

// Control ids of the in-place editors.
constexpr UINT FL_EDITOR_ID_TEXT = 501;
constexpr UINT FL_EDITOR_ID_COMBO = 502;

// One entry of a drop-down list.
struct FL_COMBOITEM {
    CString strText;
    DWORD dwData = 0;
};

// One cell.
struct XFList_Item {
    XFList_Item() = default;
    explicit XFList_Item(int nProfile) : m_nProfile(nProfile) {}

    CString m_strText;
    int m_nImage = -1;   // small image list index; -1 = none
    int m_nProfile = -1; // index into the grid's profiles; -1 = default profile
    DWORD m_dwData = 0;
    int m_nCheck = 0; // 0 unchecked, 1 checked, 2 indeterminate
};

// One row; the grid allocates and frees it.
struct XFList_Row {
    CArray<XFList_Item> m_Items; // one cell per column, in column order
    CList<POSITION> m_Children;  // child handles in display order
    BOOL m_bCollapsed = TRUE;
    int m_nLevel = 0;      // parent's level + 1; top-level rows have 1
    int m_nListIndex = -1; // list-view item index; -1 while not shown
    BOOL m_bBold = FALSE;
    COLORREF m_crBk = FLCLR_NONE;
    COLORREF m_crText = FLCLR_NONE;
    POSITION m_hSelf = nullptr;
    POSITION m_hParent = nullptr;     // FL_ROOT for a top-level row
    POSITION m_posInParent = nullptr; // this row's entry in the parent's m_Children
    UINT m_nSerial = 0;               // unique among the grid's rows, never reused
};

// A row handle held across a notification, together with the serial number of the
// row it named: the handler may delete that row, and a row inserted next may get the
// same address. The root's serial is 0 and it never goes.
struct XFList_RowRef {
    POSITION hRow = nullptr;
    UINT nSerial = 0;
};

// One column.
struct XFList_Column {
    int m_nProfile = -1;
    UINT m_nAlign = DT_LEFT; // DrawText alignment: DT_LEFT, DT_CENTER or DT_RIGHT
    BOOL m_bSortDescending = FALSE;
    COLORREF m_crBk = FLCLR_NONE;
    COLORREF m_crText = FLCLR_NONE;
    int m_nWidth = -1; // last width taken over from the header
};

// How a cell is edited and how its check box looks.
struct XFList_ControlProfile {
    DWORD m_dwStyle = 0; // FLPS_ bits; the editor kind is m_dwStyle & 0x1A
    int m_nImageChecked = -1;
    int m_nImageUnchecked = -1;
    int m_nImageIndeterminate = -1;
    CString m_strText; // scratch value handed to a drop-down editor
    DWORD m_dwData = 0;
    CArray<FL_COMBOITEM> m_ComboItems;
};

// Every part of one cell, computed together so that painting, hit tests, the column
// fit and editor placement read the same numbers. A part whose flag is FALSE does
// not exist for the cell; its rectangle then means nothing.
struct XFList_CellMetrics {
    BOOL bCell = FALSE; // the row is shown: the cell, its indent, text area and label exist
    BOOL bExpander = FALSE;
    BOOL bCheckBox = FALSE;
    BOOL bImage = FALSE;
    BOOL bButton = FALSE;
    RECT rcCell = {};
    RECT rcIndented = {}; // the cell less the tree indent
    RECT rcExpander = {};
    RECT rcCheckBox = {};
    RECT rcImage = {};
    RECT rcText = {};   // right of the expander, check box and image slots
    RECT rcButton = {}; // the focus cell's button
    RECT rcLabel = {};  // the text area less the button and the bottom grid line
    // The list view draws grid lines: each cell owns its left and bottom one.
    BOOL bGridLines = FALSE;

    void Offset(int dx, int dy) {
        for (RECT* pPart : {&rcCell, &rcIndented, &rcExpander, &rcCheckBox, &rcImage, &rcText,
                            &rcButton, &rcLabel})
            ::OffsetRect(pPart, dx, dy);
    }
};
