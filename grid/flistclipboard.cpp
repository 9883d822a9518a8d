// The clipboard, as spreadsheets and list views use it: Ctrl+C copies the whole grid as
// text, Ctrl+V pastes tab- and line-separated text into the editable cells from the
// focus cell rightwards and downwards.
#include "flistctrl.h"

#include <vector>

namespace {

constexpr WCHAR kCellSeparator = L'\t';
constexpr LPCWSTR kLineSeparator = L"\r\n";

// A cell's text as one field: a tab or line break inside it would split the table.
CString AsField(CString strText) {
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText[i] == L'\t' || strText[i] == L'\r' || strText[i] == L'\n')
            strText.SetAt(i, L' ');
    return strText;
}

// Lines end with CR LF, LF or CR; a line break at the very end starts no line.
std::vector<std::vector<CString>> SplitTable(LPCWSTR lpszText) {
    std::vector<std::vector<CString>> lines;
    if (!lpszText || !*lpszText)
        return lines;
    lines.emplace_back(1);
    for (LPCWSTR p = lpszText; *p; ++p) {
        if (*p == L'\r' || *p == L'\n') {
            if (*p == L'\r' && p[1] == L'\n')
                ++p;
            if (p[1])
                lines.emplace_back(1);
        } else if (*p == kCellSeparator) {
            lines.back().emplace_back();
        } else {
            lines.back().back() += *p;
        }
    }
    return lines;
}

// Cells that take typed text: text cells, with or without a button, and editable
// drop-downs. A drop-down list takes only its entries, and a plain cell nothing.
BOOL TakesText(DWORD dwStyle) {
    const DWORD dwKind = dwStyle & (FLPS_BUTTON | FLPS_EDIT | FLPS_COMBO);
    return dwKind == FLPS_EDIT || dwKind == (FLPS_EDIT | FLPS_BUTTON) ||
           dwKind == (FLPS_COMBO | FLPS_EDIT | FLPS_BUTTON);
}

// Holds the clipboard open for one scope.
class ClipboardLock {
public:
    explicit ClipboardLock(HWND hOwner) : m_bOpen(::OpenClipboard(hOwner)) {}
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    ~ClipboardLock() {
        if (m_bOpen)
            ::CloseClipboard();
    }
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
};

} // namespace

CString CFListCtrl::GetTableText() {
    const int nCols = static_cast<int>(m_Columns.GetSize());
    CString strTable;
    for (int nCol = 0; nCol < nCols; ++nCol) {
        if (nCol > 0)
            strTable += kCellSeparator;
        strTable += AsField(GetColumnHeading(nCol));
    }
    const int nItems = GetItemCount();
    for (int nItem = 0; nItem < nItems; ++nItem) {
        const POSITION hRow = GetRowOfListItem(nItem);
        if (!IsLiveRow(hRow))
            continue;
        strTable += kLineSeparator;
        for (int nCol = 0; nCol < nCols; ++nCol) {
            if (nCol > 0)
                strTable += kCellSeparator;
            strTable += AsField(GetItemText(hRow, nCol));
        }
    }
    return strTable;
}

BOOL CFListCtrl::CopyToClipboard() {
    const CString strTable = GetTableText();
    const SIZE_T nBytes = (strTable.GetLength() + 1) * sizeof(WCHAR);
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hData)
        return FALSE;
    if (void* pData = ::GlobalLock(hData)) {
        ::CopyMemory(pData, strTable.GetString(), nBytes);
        ::GlobalUnlock(hData);
        const ClipboardLock clipboard(m_hWnd);
        // Once the clipboard has taken the memory it is the clipboard's to free.
        if (clipboard.IsOpen() && ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, hData))
            return TRUE;
    }
    ::GlobalFree(hData);
    return FALSE;
}

int CFListCtrl::PasteText(LPCTSTR lpszText) {
    const int nFirstCol = GetFocusCol();
    if (!m_hFocusRow || nFirstCol < 0 || IsEditorOpen())
        return 0;
    const std::vector<std::vector<CString>> table = SplitTable(lpszText);
    // The rows are taken before anything is stored: a notification window may move
    // or delete rows while it answers, and the paste still goes to the rows it saw.
    std::vector<POSITION> rows;
    const int nItems = GetItemCount();
    for (int nItem = GetRowRecord(m_hFocusRow)->m_nListIndex;
         nItem >= 0 && nItem < nItems && rows.size() < table.size(); ++nItem)
        rows.push_back(GetRowOfListItem(nItem));

    int nStored = 0;
    for (size_t nLine = 0; nLine < rows.size(); ++nLine) {
        const std::vector<CString>& fields = table[nLine];
        for (size_t nField = 0; nField < fields.size(); ++nField)
            nStored += PasteCell(rows[nLine], nFirstCol + static_cast<int>(nField), fields[nField]);
    }
    return nStored;
}

BOOL CFListCtrl::PasteCell(POSITION hRow, int nCol, const CString& strText) {
    // A notification window that opened an editor meanwhile has the rest of the paste
    // dropped, so no cell changes under an open edit.
    if (!IsLiveRow(hRow) || nCol >= static_cast<int>(m_Columns.GetSize()) || IsEditorOpen())
        return FALSE;
    const DWORD dwStyle = GetProfile(hRow, nCol)->m_dwStyle;
    if (!TakesText(dwStyle))
        return FALSE;
    // As a typed edit: the notification window may refuse to have the cell edited,
    // refuse the text, or change it.
    FL_NOTIFY notify;
    BuildNotify(notify, hRow, nCol, FLN_BEGINEDIT);
    if ((SendNotify(&notify) & FLNR_VETO) || !IsLiveRow(hRow))
        return FALSE;
    BuildNotify(notify, hRow, nCol, FLN_ENDEDIT);
    notify.strText = strText;
    if ((SendNotify(&notify) & FLNR_VETO) || !IsLiveRow(hRow))
        return FALSE;
    SetItemText(hRow, nCol, notify.strText);
    if (dwStyle & FLPS_COMBO)
        SetItemData(hRow, nCol, notify.dwData);
    return TRUE;
}

int CFListCtrl::PasteFromClipboard() {
    CString strText;
    {
        const ClipboardLock clipboard(m_hWnd);
        if (!clipboard.IsOpen())
            return 0;
        HANDLE hData = ::GetClipboardData(CF_UNICODETEXT);
        const auto* pText = static_cast<LPCWSTR>(hData ? ::GlobalLock(hData) : nullptr);
        if (!pText)
            return 0;
        // Clipboard memory need not end with a terminator: read no further than it goes.
        const SIZE_T nChars = ::GlobalSize(hData) / sizeof(WCHAR);
        SIZE_T nLength = 0;
        while (nLength < nChars && pText[nLength])
            ++nLength;
        strText = CString(pText, static_cast<int>(nLength));
        ::GlobalUnlock(hData);
    }
    // The clipboard is closed again before any notification window runs.
    return PasteText(strText);
}

BOOL CFListCtrl::HandleClipboardKey(UINT nChar) {
    // Ctrl alone: Ctrl+Alt is AltGr on many keyboards, which types characters.
    if (::GetKeyState(VK_CONTROL) >= 0 || ::GetKeyState(VK_MENU) < 0 || ::GetKeyState(VK_SHIFT) < 0)
        return FALSE;
    if (nChar == 'C')
        CopyToClipboard();
    else if (nChar == 'V')
        PasteFromClipboard();
    else
        return FALSE;
    return TRUE;
}
