// Helpers of the framework's window tests: in-memory dialog templates and a plain
// top-level window to parent controls.
#pragma once

#include "afxwin.h"

#include <string>
#include <vector>

// Builds a DLGTEMPLATE with its items in memory, as the resource compiler would.
class DialogTemplate {
public:
    DialogTemplate(const wchar_t* caption,
                   DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    // Class atoms: 0x0080 button, 0x0081 edit, 0x0082 static.
    DialogTemplate& Add(WORD classAtom, WORD id, const wchar_t* text, DWORD style, short x = 5,
                        short y = 5, short cx = 60, short cy = 12);
    LPCDLGTEMPLATE Get();

private:
    void Word(WORD w) { m_words.push_back(w); }
    void Text(const wchar_t* s);
    void AlignDword() {
        if (m_words.size() % 2)
            Word(0);
    }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }

    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

// A hidden top-level window of the framework's default class.
class TopWindow : public CWnd {
public:
    TopWindow();
    ~TopWindow() override;
};

// Handles whatever is queued now, without waiting.
void PumpPending();
