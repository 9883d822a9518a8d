#include "canvas.h"

#include <algorithm>

Canvas::Canvas(int nWidth, int nHeight, HFONT hFont) : m_nWidth(nWidth), m_nHeight(nHeight) {
    m_hDC = ::CreateCompatibleDC(nullptr);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    m_hOldFont = ::SelectObject(m_hDC, hFont);
    Clear();
}

Canvas::~Canvas() {
    ::SelectObject(m_hDC, m_hOldFont);
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    ::DeleteObject(m_hBitmap);
}

void Canvas::Clear() {
    const RECT rc = {0, 0, m_nWidth, m_nHeight};
    HBRUSH hBrush = ::CreateSolidBrush(kUnpainted);
    ::FillRect(m_hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
}

int Canvas::Count(const RECT& rc, COLORREF cr) const {
    const std::vector<COLORREF> pixels = Pixels(rc);
    return int(std::count(pixels.begin(), pixels.end(), cr));
}

std::vector<COLORREF> Canvas::Pixels(const RECT& rc) const {
    std::vector<COLORREF> pixels;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            pixels.push_back(At(x, y));
    return pixels;
}

std::vector<std::string> Canvas::Picture(const RECT& rc,
                                         const std::map<COLORREF, char>& legend) const {
    std::vector<std::string> rows;
    for (int y = rc.top; y < rc.bottom; y++) {
        rows.emplace_back();
        for (int x = rc.left; x < rc.right; x++) {
            const auto it = legend.find(At(x, y));
            rows.back() += it == legend.end() ? '?' : it->second;
        }
    }
    return rows;
}

std::string Canvas::Strip(const RECT& rc, const std::map<COLORREF, char>& legend) const {
    std::string strip;
    for (const std::string& row : Picture(rc, legend))
        strip += row;
    return strip;
}

HFONT CreateCrispFont(int nHeight, int nWeight) {
    return ::CreateFontW(nHeight, 0, 0, 0, nWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                         DEFAULT_PITCH, L"Tahoma");
}

DWORD GdiObjects() {
    if (const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return n;
    DWORD n = 0;
    for (UINT_PTR i = 1; i < 0x10000; ++i)
        n += ::GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
    return n;
}
