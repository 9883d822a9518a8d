// What the grid's in-place editors share, whichever control they are built on (an edit
// control or a combo box): the keys they take before the dialog sees them, and their
// end-of-edit report to the grid.
//
// Lifetime: an editor is created with new by the grid and deletes itself in
// PostNcDestroy, which the framework runs after the window's WM_NCDESTROY and also
// when a Create fails, so a failed Create leaves nothing behind. The grid forgets an
// editor whose window goes (WM_PARENTNOTIFY), so it never holds a deleted one.
#pragma once

#include "afxwin.h"
#include "flistrecords.h"

// Enter, Delete, Escape, Tab and every key with Control held go straight to the
// editor's window, past the dialog's keyboard handling, which would press the default
// button, cancel the dialog or move the focus instead. TRUE when it dispatched the
// message; the editor may be gone then.
BOOL FLEditorPreTranslate(MSG* pMsg);

// Sends the end-of-edit record to the grid, the editor's parent, filling its header,
// and stores the grid's answer (FLNR_KEEPEDIT: stay open) in *pResult. The grid's
// commit runs inside this call and may open the next editor; the notification window
// may even destroy the grid. Returns FALSE when the editor is gone by then, so it
// must not touch itself again.
BOOL FLEditorReportEnd(CWnd* pEditor, FL_ENDEDIT& end, LRESULT* pResult);

// Whether the editor object that had the window hWnd still has it: FALSE once the
// window was destroyed and the object deleted itself. Compares, never dereferences.
BOOL FLEditorAlive(HWND hWnd, const CWnd* pEditor);

// Whether a character typed on a focused cell starts its text, as in a spreadsheet:
// every printable one, signs and stops included ("-5", ".5"), except the space, which
// presses the cell's button.
BOOL FLStartsCellText(WCHAR ch);

// Ends an edit as the user's own keys do: the grid takes the keyboard focus, and the
// editor's WM_KILLFOCUS reports. The editor may be gone when this returns.
void FLEditorGiveFocusToGrid(CWnd* pEditor);
