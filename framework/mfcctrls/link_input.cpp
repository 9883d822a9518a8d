#include "mfcctrls/link_state.h"
#include "mfcctrls/mfclink.h"

#include <shellapi.h>
#include <windowsx.h>

namespace {

void ShellOpen(HWND link, const wchar_t* url) {
    ShellExecuteW(GetParent(link), L"open", url, nullptr, nullptr, SW_SHOWNORMAL);
}

MfcLinkOpener g_opener = ShellOpen;

} // namespace

MfcLinkOpener SetMfcLinkOpener(MfcLinkOpener opener) {
    MfcLinkOpener previous = g_opener;
    g_opener = opener != nullptr ? opener : ShellOpen;
    return previous;
}

std::wstring LinkTarget(HWND link, const LinkState& state) {
    return state.url.empty() ? LinkText(link) : state.url;
}

void OpenLink(HWND link, const LinkState& state) {
    std::wstring url = LinkTarget(link, state);
    if (!url.empty())
        g_opener(link, url.c_str());
}

LRESULT LinkMouseDown(HWND link, LinkState& state) {
    SetFocus(link);
    SetCapture(link);
    state.pressed = true;
    return 0;
}

// Opens only when the button comes up over the link it went down on.
LRESULT LinkMouseUp(HWND link, LinkState& state, LPARAM point) {
    bool wasPressed = state.pressed;
    state.pressed = false;
    if (GetCapture() == link)
        ReleaseCapture();
    RECT client{};
    GetClientRect(link, &client);
    POINT where{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (wasPressed && PtInRect(&client, where))
        OpenLink(link, state);
    return 0;
}

// Space and Enter open once per press; the keyboard's auto-repeat is ignored.
LRESULT LinkKeyDown(HWND link, LinkState& state, WPARAM key, LPARAM flags) {
    bool repeated = (flags & (1L << 30)) != 0;
    if ((key == VK_SPACE || key == VK_RETURN) && !repeated)
        OpenLink(link, state);
    return 0;
}

// A button to the dialog manager, which would otherwise turn Enter into the dialog's
// default command; Enter is asked for so that it reaches the link.
LRESULT LinkDialogCode(const MSG* message) {
    LRESULT code = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
        code |= DLGC_WANTMESSAGE;
    return code;
}
