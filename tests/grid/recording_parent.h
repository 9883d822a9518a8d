// A parent window procedure that logs every FL_NOTIFY the grid sends and answers as
// a test tells it, so tests can compare notification sequences with expected ones.
#pragma once

#include <gmock/gmock.h>

#include <functional>
#include <map>
#include <ostream>
#include <vector>

#include "flistctrl.h"

// A notification as the parent received it, before any answer changed it.
struct NotifyRecord : FL_NOTIFY {
    UINT nCode;
};

// Prints FLN_ names in failure messages.
struct NotifyCode {
    UINT nCode;
    bool operator==(const NotifyCode& other) const { return nCode == other.nCode; }
};
void PrintTo(const NotifyCode& code, std::ostream* os);

class RecordingParent {
public:
    // Makes hWnd's WM_NOTIFY messages come here; everything else goes on as before.
    void Attach(HWND hWnd);

    // The answer to every later notification with this code.
    void AnswerWith(UINT nCode, LRESULT lResult) { m_Answers[nCode] = lResult; }
    // Lets the test change the record before the grid reads it back.
    void EditWith(UINT nCode, std::function<void(FL_NOTIFY&)> fnEdit) { m_Edits[nCode] = fnEdit; }
    // Hands every notification to fnHandle and returns its answer, logging nothing.
    void HandleWith(std::function<LRESULT(FL_NOTIFY&)> fnHandle) { m_fnHandle = fnHandle; }

    std::vector<NotifyCode> Codes() const;
    const std::vector<NotifyRecord>& Log() const { return m_Log; }
    void Clear() { m_Log.clear(); }

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(FL_NOTIFY* pNotify);

    WNDPROC m_pfnPrevious = nullptr;
    std::vector<NotifyRecord> m_Log;
    std::map<UINT, LRESULT> m_Answers;
    std::map<UINT, std::function<void(FL_NOTIFY&)>> m_Edits;
    std::function<LRESULT(FL_NOTIFY&)> m_fnHandle;
};

// For EXPECT_THAT(parent.Codes(), ElementsAre(Fln(FLN_BEGINEDIT), ...)).
inline NotifyCode Fln(UINT nCode) {
    return NotifyCode{nCode};
}

// For EXPECT_THAT(parent.Log(), ElementsAre(Note(FLN_ENDEDIT, hRow, 1), ...)): a record
// with this code naming this cell (and, for NoteText, carrying this text).
MATCHER_P3(Note, nCode, hRow, nCol, "") {
    return arg.nCode == UINT(nCode) && arg.hRow == POSITION(hRow) && arg.nCol == int(nCol);
}
MATCHER_P4(NoteText, nCode, hRow, nCol, text, "") {
    return arg.nCode == UINT(nCode) && arg.hRow == POSITION(hRow) && arg.nCol == int(nCol) &&
           arg.strText == CString(text);
}
