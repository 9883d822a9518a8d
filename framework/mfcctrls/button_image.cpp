#include "mfcctrls/button_image.h"

namespace {

constexpr int kImageMargin = 6;

void ReplaceKeyPixels(HBITMAP image, COLORREF face) {
    DIBSECTION dib{};
    if (GetObjectW(image, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24)
        return;
    GdiFlush();
    auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (LONG y = 0; y < dib.dsBm.bmHeight; ++y) {
        BYTE* pixel = bits + y * dib.dsBm.bmWidthBytes;
        for (LONG x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3) {
            if (RGB(pixel[2], pixel[1], pixel[0]) == kButtonImageKey) {
                pixel[0] = GetBValue(face);
                pixel[1] = GetGValue(face);
                pixel[2] = GetRValue(face);
            }
        }
    }
}

} // namespace

HBITMAP LoadButtonImage(HMODULE module, int id) {
    auto image = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (image != nullptr)
        ReplaceKeyPixels(image, GetSysColor(COLOR_BTNFACE));
    return image;
}

void DrawButtonImage(HWND button, HDC dc, HBITMAP image) {
    BITMAP size{};
    RECT client{};
    if (GetObjectW(image, sizeof size, &size) == 0 || !GetClientRect(button, &client))
        return;
    int shift = (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) ? 1 : 0;
    int x = client.left + kImageMargin + shift;
    int y = client.top + (client.bottom - client.top - size.bmHeight) / 2 + shift;
    UINT state = IsWindowEnabled(button) ? DSS_NORMAL : DSS_DISABLED;
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(image), 0, x, y, size.bmWidth,
               size.bmHeight, DST_BITMAP | state);
}
