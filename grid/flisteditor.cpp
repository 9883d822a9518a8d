// The parts of the in-place editors that do not depend on their control.
#include "flisteditor.h"

BOOL FLEditorPreTranslate(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN)
        return FALSE;
    switch (pMsg->wParam) {
        case VK_RETURN:
        case VK_DELETE:
        case VK_ESCAPE:
        case VK_TAB:
            break;
        default:
            if (::GetKeyState(VK_CONTROL) >= 0)
                return FALSE;
    }
    // The message itself, to its own window: in a combo box that is the edit field.
    ::TranslateMessage(pMsg);
    ::DispatchMessageW(pMsg);
    return TRUE;
}

BOOL FLStartsCellText(WCHAR ch) {
    // Control characters (Enter, Tab, Escape, Control+letter) and the C1 range are keys,
    // not text.
    return ch > L' ' && !(ch >= 0x7F && ch <= 0x9F);
}

BOOL FLEditorReportEnd(CWnd* pEditor, FL_ENDEDIT& end, LRESULT* pResult) {
    *pResult = 0;
    const HWND hWnd = pEditor->GetSafeHwnd();
    const HWND hGrid = ::GetParent(hWnd);
    if (!hGrid)
        return TRUE;
    // The grid names itself as the sender, so the framework reflects the report into
    // the grid's own message table.
    end.hdr.hwndFrom = hGrid;
    end.hdr.idFrom = static_cast<UINT_PTR>(pEditor->GetDlgCtrlID());
    end.hdr.code = FLN_EDITORCLOSE;
    *pResult = ::SendMessageW(hGrid, WM_NOTIFY, static_cast<WPARAM>(::GetDlgCtrlID(hGrid)),
                              reinterpret_cast<LPARAM>(&end));
    return FLEditorAlive(hWnd, pEditor);
}

BOOL FLEditorAlive(HWND hWnd, const CWnd* pEditor) {
    return hWnd && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pEditor;
}

void FLEditorGiveFocusToGrid(CWnd* pEditor) {
    // Read everything first: the focus change runs the whole end of the edit.
    const HWND hGrid = ::GetParent(pEditor->GetSafeHwnd());
    if (hGrid)
        ::SetFocus(hGrid);
}
