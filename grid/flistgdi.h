// Small helpers for the grid's drawing code.
#pragma once

#include <windows.h>

// Keeps a GDI object selected into a DC for one scope and selects the previous one
// back at its end. Declared after the objects it selects, it runs before they are
// deleted, so nothing is ever deleted while still selected.
class CFListSelection {
public:
    CFListSelection(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hPrevious(::SelectObject(hDC, hObject)) {}
    ~CFListSelection() {
        if (m_hPrevious)
            ::SelectObject(m_hDC, m_hPrevious);
    }
    CFListSelection(const CFListSelection&) = delete;
    CFListSelection& operator=(const CFListSelection&) = delete;

    void Switch(HGDIOBJ hObject) { ::SelectObject(m_hDC, hObject); }

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};
