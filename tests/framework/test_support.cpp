#include "test_support.h"

DialogTemplate::DialogTemplate(const wchar_t* caption, DWORD style) {
    Dword(style);
    Dword(0); // extended style
    m_countAt = m_words.size();
    Word(0); // item count, filled in by Add
    Word(10);
    Word(10);
    Word(200);
    Word(100);
    Word(0); // no menu
    Word(0); // the standard dialog class
    Text(caption);
    if (style & DS_SETFONT) {
        Word(8);
        Text(L"MS Shell Dlg");
    }
}

void DialogTemplate::Text(const wchar_t* s) {
    for (; *s; ++s)
        Word(static_cast<WORD>(*s));
    Word(0);
}

DialogTemplate& DialogTemplate::Add(WORD classAtom, WORD id, const wchar_t* text, DWORD style,
                                    short x, short y, short cx, short cy) {
    AlignDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(id);
    Word(0xFFFF);
    Word(classAtom);
    Text(text);
    Word(0); // no creation data
    ++m_words[m_countAt];
    return *this;
}

LPCDLGTEMPLATE DialogTemplate::Get() {
    return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data());
}

TopWindow::TopWindow() {
    CreateEx(0, nullptr, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr);
}

TopWindow::~TopWindow() {
    DestroyWindow();
}

void PumpPending() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}
