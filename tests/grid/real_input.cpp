#include "real_input.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

void SendKey(WORD wVk, bool bUp) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(wVk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    if (wVk >= VK_PRIOR && wVk <= VK_DOWN)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    ASSERT_EQ(::SendInput(1, &input, sizeof(input)), 1u);
}

// A mouse event at a point of a window's client area, in the absolute coordinates of
// the input queue.
INPUT MouseAt(HWND hWnd, POINT ptClient, DWORD dwFlags) {
    POINT pt = ptClient;
    ::ClientToScreen(hWnd, &pt);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((pt.x * 65536 + cx / 2) / cx);
    input.mi.dy = static_cast<LONG>((pt.y * 65536 + cy / 2) / cy);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void SendInputs(std::vector<INPUT> inputs) {
    ASSERT_EQ(::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
              inputs.size());
}

} // namespace

void PressKey(WORD wVk) {
    SendKey(wVk, false);
    SendKey(wVk, true);
}

void PressKeyWith(WORD wModifier, WORD wVk) {
    SendKey(wModifier, false);
    PressKey(wVk);
    SendKey(wModifier, true);
}

void TypeText(const std::wstring& text) {
    for (wchar_t ch : text) {
        const SHORT vk = ::VkKeyScanW(ch);
        ASSERT_NE(vk, -1) << "no key types " << static_cast<int>(ch);
        if (HIBYTE(vk) & 1)
            PressKeyWith(VK_SHIFT, LOBYTE(vk));
        else
            PressKey(LOBYTE(vk));
    }
}

void Click(HWND hWnd, POINT ptClient, int nClicks) {
    std::vector<INPUT> inputs = {MouseAt(hWnd, ptClient, 0)};
    for (int i = 0; i < nClicks; ++i) {
        inputs.push_back(MouseAt(hWnd, ptClient, MOUSEEVENTF_LEFTDOWN));
        inputs.push_back(MouseAt(hWnd, ptClient, MOUSEEVENTF_LEFTUP));
    }
    SendInputs(inputs);
}

void Drag(HWND hWnd, POINT ptFrom, POINT ptTo) {
    const POINT ptHalf = {(ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2};
    SendInputs({MouseAt(hWnd, ptFrom, 0), MouseAt(hWnd, ptFrom, MOUSEEVENTF_LEFTDOWN),
                MouseAt(hWnd, ptHalf, 0), MouseAt(hWnd, ptTo, 0),
                MouseAt(hWnd, ptTo, MOUSEEVENTF_LEFTUP)});
}
