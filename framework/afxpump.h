// One turn of a message loop, shared by the modal dialogs and the application.
#pragma once

#include <windows.h>

// Offers the message to PreTranslateMessage of the window objects from its target
// up through the parents, stopping after hWndStop. TRUE when one took it.
BOOL AfxWalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

// Waits for and handles one message, left in *pMsg; FALSE when it was WM_QUIT.
BOOL AfxPumpMessage(HWND hWndStop, MSG* pMsg);

// Messages after which a loop may count itself idle again.
BOOL AfxIsIdleMessage(const MSG* pMsg);
