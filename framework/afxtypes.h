// Basic value types shared by every part of the framework layer.
#pragma once

#include <windows.h>

// Handler declarations carry this marker only for readability.
#define afx_msg

// An opaque position in a list; each container hands out addresses of its own nodes.
struct __POSITION {};
typedef __POSITION* POSITION;

class CSize : public SIZE {
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int initCX, int initCY) noexcept : SIZE{initCX, initCY} {}
    CSize(SIZE size) noexcept : SIZE(size) {}
    bool operator==(const SIZE& other) const noexcept { return cx == other.cx && cy == other.cy; }
    bool operator!=(const SIZE& other) const noexcept { return !(*this == other); }
};

class CPoint : public POINT {
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int initX, int initY) noexcept : POINT{initX, initY} {}
    CPoint(POINT point) noexcept : POINT(point) {}
    void Offset(int dx, int dy) noexcept {
        x += dx;
        y += dy;
    }
    bool operator==(const POINT& other) const noexcept { return x == other.x && y == other.y; }
    bool operator!=(const POINT& other) const noexcept { return !(*this == other); }
};

class CRect : public RECT {
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& src) noexcept : RECT(src) {}
    CRect(LPCRECT src) noexcept : RECT(*src) {}
    CRect(POINT topLeft, SIZE size) noexcept
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const noexcept { return ::PtInRect(this, point); }
    void SetRect(int l, int t, int r, int b) noexcept { ::SetRect(this, l, t, r, b); }
    void SetRectEmpty() noexcept { ::SetRectEmpty(this); }
    BOOL EqualRect(LPCRECT other) const noexcept { return ::EqualRect(this, other); }

    void InflateRect(int x, int y) noexcept { ::InflateRect(this, x, y); }
    void InflateRect(SIZE size) noexcept { ::InflateRect(this, size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b) noexcept {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int x, int y) noexcept { ::InflateRect(this, -x, -y); }
    void DeflateRect(SIZE size) noexcept { ::InflateRect(this, -size.cx, -size.cy); }
    void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }
    void OffsetRect(int x, int y) noexcept { ::OffsetRect(this, x, y); }
    void OffsetRect(POINT point) noexcept { ::OffsetRect(this, point.x, point.y); }
    void NormalizeRect() noexcept;

    BOOL IntersectRect(LPCRECT a, LPCRECT b) noexcept { return ::IntersectRect(this, a, b); }

    bool operator==(const RECT& other) const noexcept { return ::EqualRect(this, &other) != 0; }
    bool operator!=(const RECT& other) const noexcept { return !(*this == other); }
};

inline void CRect::NormalizeRect() noexcept {
    if (left > right) {
        LONG t = left;
        left = right;
        right = t;
    }
    if (top > bottom) {
        LONG t = top;
        top = bottom;
        bottom = t;
    }
}
