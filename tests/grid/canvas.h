// A 32-bit bitmap to paint into, first filled with a colour that no paint step uses,
// so a test can tell painted pixels from untouched ones.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

constexpr COLORREF kUnpainted = RGB(255, 0, 255);

class Canvas {
public:
    Canvas(int nWidth, int nHeight, HFONT hFont);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_hDC; }
    void Clear();
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    // Pixels of colour cr inside rc.
    int Count(const RECT& rc, COLORREF cr) const;
    std::vector<COLORREF> Pixels(const RECT& rc) const;
    // The pixels of rc as one string per pixel row, a letter per pixel from the legend
    // ('?' for a colour it lacks), for pictures a failure message can show.
    std::vector<std::string> Picture(const RECT& rc, const std::map<COLORREF, char>& legend) const;
    // The same picture's rows one after another: a column of pixels reads top down.
    std::string Strip(const RECT& rc, const std::map<COLORREF, char>& legend) const;

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    HGDIOBJ m_hOldFont;
};

// The process's GDI objects, exactly, so that a loop of a few rounds shows a leak of
// one. Wine has no count (GetGuiResources answers 0), but takes a handle whose upper
// half is zero as naming whatever object lives at that index.
DWORD GdiObjects();

// A list font without smoothing, so text pixels have exactly the text colour.
HFONT CreateCrispFont(int nHeight, int nWeight = FW_NORMAL);
