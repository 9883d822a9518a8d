#include "mfcctrls/mfcbutton.h"

#include <commctrl.h>

#include "mfcctrls/button_image.h"
#include "mfcctrls/dlginit_format.h"
#include "mfcctrls/proc_guard.h"
#include "mfcctrls/property_tags.h"

namespace {

WNDPROC g_baseProc = nullptr;

// The picture the button owns, and a mark on buttons whose base draws no picture.
constexpr wchar_t kImageProp[] = L"Tallyvane.MfcButton.Image";
constexpr wchar_t kOverlayProp[] = L"Tallyvane.MfcButton.Overlay";

HBITMAP OwnedImage(HWND button) {
    return static_cast<HBITMAP>(GetPropW(button, kImageProp));
}

// Version 6 buttons draw a BM_SETIMAGE picture beside their text; older ones do not
// know the image-list messages that came with that ability.
bool BaseDrawsImages(HWND button) {
    BUTTON_IMAGELIST list{};
    return SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)) != 0;
}

void SetOwnedImage(HWND button, HBITMAP image) {
    HBITMAP old = OwnedImage(button);
    SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    SetPropW(button, kImageProp, image);
    if (old != nullptr)
        DeleteObject(old);
    if (!BaseDrawsImages(button))
        SetPropW(button, kOverlayProp, reinterpret_cast<HANDLE>(1));
    InvalidateRect(button, nullptr, TRUE);
}

void ReleaseOwnedImage(HWND button) {
    RemovePropW(button, kOverlayProp);
    if (HBITMAP image = static_cast<HBITMAP>(RemovePropW(button, kImageProp)))
        DeleteObject(image);
}

// Only the picture is taken from the properties; the others describe looks that the
// system button already has (push-button style, no auto-size, image left of text).
LRESULT ApplyProperties(HWND button, HMODULE module, const char* text) {
    auto tags = ParsePropertyTags(text != nullptr ? text : "");
    if (!tags)
        return FALSE;
    auto id = FindIntegerPropertyTag(*tags, "MFCButton_ImageID");
    if (!id || *id <= 0)
        return TRUE;
    if (module == nullptr)
        module = reinterpret_cast<HMODULE>(GetWindowLongPtrW(button, GWLP_HINSTANCE));
    HBITMAP image = LoadButtonImage(module, static_cast<int>(*id));
    if (image == nullptr)
        return FALSE;
    SetOwnedImage(button, image);
    return TRUE;
}

// Messages after which an older base button may have painted over the picture.
bool RepaintsFace(UINT message) {
    switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
        case BM_SETSTATE:
        case BM_SETSTYLE:
            return true;
        default:
            return false;
    }
}

void DrawOverlay(HWND button, UINT message, WPARAM wParam) {
    HBITMAP image = OwnedImage(button);
    if (image == nullptr || !GetPropW(button, kOverlayProp) || !IsWindowVisible(button))
        return;
    if (message == WM_PRINTCLIENT) {
        DrawButtonImage(button, reinterpret_cast<HDC>(wParam), image);
        return;
    }
    HDC dc = GetDC(button);
    DrawButtonImage(button, dc, image);
    ReleaseDC(button, dc);
}

LRESULT HandleButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == DLGINIT_SETPROPERTIES) {
        return ApplyProperties(button, reinterpret_cast<HMODULE>(wParam),
                               reinterpret_cast<const char*>(lParam));
    }
    // An older base button keeps no picture without BS_BITMAP, so the answer is ours.
    if (message == BM_GETIMAGE && wParam == IMAGE_BITMAP && GetPropW(button, kOverlayProp))
        return reinterpret_cast<LRESULT>(OwnedImage(button));
    LRESULT result = CallWindowProcW(g_baseProc, button, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        ReleaseOwnedImage(button);
    else if (RepaintsFace(message))
        DrawOverlay(button, message, wParam);
    return result;
}

LRESULT CALLBACK MfcButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardControlProc(L"image button", 0,
                            [&] { return HandleButtonMessage(button, message, wParam, lParam); });
}

} // namespace

bool RegisterMfcButtonClass(HINSTANCE hInstance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(hInstance, kMfcButtonClass, &wc))
        return true;
    if (!GetClassInfoExW(nullptr, WC_BUTTONW, &wc))
        return false;
    g_baseProc = wc.lpfnWndProc;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MfcButtonProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = kMfcButtonClass;
    // Global, so that dialogs created for any module of the process find it.
    wc.style |= CS_GLOBALCLASS;
    return RegisterClassExW(&wc) != 0;
}
