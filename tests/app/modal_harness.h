// Runs test code inside a dialog's own modal loop: a thread timer fires once the loop
// is pumping, the code drives the dialog through its real controls or through real
// input (keys and clicks queued as a user's are, played by the dialog's own loop,
// PreTranslateMessage and the dialog's keyboard handling included), then the dialog ends.
#pragma once

#include <functional>
#include <vector>

#include "afxwin.h"

// Runs fn from the thread's message loop (whichever modal loop is pumping then).
// Returns a ticket for CancelIfPending.
UINT_PTR RunLater(std::function<void()> fn);

// Drops fn if it has not run yet; returns whether it was still pending.
bool CancelIfPending(UINT_PTR nTicket);

// What DoModal returns when the harness, not the dialog, ended the run.
constexpr INT_PTR kEndedByHarness = 0x7E57;

// Runs body inside dlg.DoModal() and then ends the dialog with kEndedByHarness, unless
// the body is one that ends the dialog itself. Returns what DoModal returned.
INT_PTR RunInsideModal(CDialog& dlg, std::function<void()> body, bool bBodyEndsDialog = false);

// Runs the steps one by one from inside dlg.DoModal(), each once the modal loop has
// handled everything the one before queued; then ends the dialog, unless it ended
// by itself. Returns how many steps ran.
using Step = std::function<void()>;
size_t RunSteps(CDialog& dlg, std::vector<Step> steps);

// Finds a visible top-level window of this thread with this caption, or null.
HWND FindThreadWindow(LPCWSTR lpszCaption);
