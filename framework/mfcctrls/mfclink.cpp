#include "mfcctrls/mfclink.h"

#include <algorithm>

#include "mfcctrls/dlginit_format.h"
#include "mfcctrls/link_state.h"
#include "mfcctrls/proc_guard.h"
#include "mfcctrls/property_tags.h"
#include "mfcctrls/text_utf8.h"

namespace {

LinkState* State(HWND link) {
    return reinterpret_cast<LinkState*>(GetWindowLongPtrW(link, 0));
}

// Shows the text in font (the dialog's, or the GUI font before one is set), underlined.
void UseFont(LinkState& state, HFONT font) {
    state.font = font;
    LOGFONTW face{};
    GetObjectW(font ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfUnderline = TRUE;
    if (state.underlined != nullptr)
        DeleteObject(state.underlined);
    state.underlined = CreateFontIndirectW(&face);
}

LRESULT ApplyProperties(LinkState& state, const char* text) {
    auto tags = ParsePropertyTags(text != nullptr ? text : "");
    if (!tags)
        return FALSE;
    if (auto url = FindPropertyTag(*tags, "MFCLink_Url")) {
        std::string prefix = FindPropertyTag(*tags, "MFCLink_UrlPrefix").value_or("");
        state.url = WideFromUtf8(prefix + *url);
    }
    return TRUE;
}

LRESULT CopyTarget(HWND link, const LinkState& state, WPARAM capacity, LPARAM buffer) {
    std::wstring url = LinkTarget(link, state);
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    if (out != nullptr && capacity > 0) {
        std::size_t count = std::min<std::size_t>(url.size(), capacity - 1);
        std::copy_n(url.c_str(), count, out);
        out[count] = L'\0';
    }
    return static_cast<LRESULT>(url.size());
}

LRESULT Paint(HWND link, const LinkState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(link, &paint);
    PaintLink(link, dc, state);
    EndPaint(link, &paint);
    return 0;
}

LRESULT Create(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = new LinkState;
    UseFont(*state, nullptr);
    SetWindowLongPtrW(link, 0, reinterpret_cast<LONG_PTR>(state));
    return DefWindowProcW(link, message, wParam, lParam);
}

void Destroy(HWND link) {
    LinkState* state = State(link);
    SetWindowLongPtrW(link, 0, 0);
    if (state != nullptr && state->underlined != nullptr)
        DeleteObject(state->underlined);
    delete state;
}

// Messages that change only how the link looks: handled by default, then repainted.
bool ChangesLook(UINT message) {
    return message == WM_SETTEXT || message == WM_ENABLE || message == WM_SETFOCUS ||
           message == WM_KILLFOCUS || message == WM_UPDATEUISTATE;
}

LRESULT Dispatch(HWND link, LinkState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DLGINIT_SETPROPERTIES:
            return ApplyProperties(state, reinterpret_cast<const char*>(lParam));
        case MFCLINK_GETURL:
            return CopyTarget(link, state, wParam, lParam);
        case WM_SETFONT:
            UseFont(state, reinterpret_cast<HFONT>(wParam));
            if (LOWORD(lParam))
                InvalidateRect(link, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(state.font);
        case WM_PAINT:
            return Paint(link, state);
        case WM_PRINTCLIENT:
            PaintLink(link, reinterpret_cast<HDC>(wParam), state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_GETDLGCODE:
            return LinkDialogCode(reinterpret_cast<const MSG*>(lParam));
        case WM_LBUTTONDOWN:
            return LinkMouseDown(link, state);
        case WM_LBUTTONUP:
            return LinkMouseUp(link, state, lParam);
        case WM_CAPTURECHANGED:
            state.pressed = false;
            return 0;
        case WM_KEYDOWN:
            return LinkKeyDown(link, state, wParam, lParam);
        case BM_CLICK:
            OpenLink(link, state);
            return 0;
    }
    LRESULT result = DefWindowProcW(link, message, wParam, lParam);
    if (ChangesLook(message))
        InvalidateRect(link, nullptr, TRUE);
    return result;
}

LRESULT HandleLinkMessage(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        return Create(link, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Destroy(link);
        return DefWindowProcW(link, message, wParam, lParam);
    }
    LinkState* state = State(link);
    if (state == nullptr)
        return DefWindowProcW(link, message, wParam, lParam);
    return Dispatch(link, *state, message, wParam, lParam);
}

// A failed WM_NCCREATE answers FALSE, so the window is not created half-made.
LRESULT CALLBACK MfcLinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardControlProc(L"link", 0,
                            [&] { return HandleLinkMessage(link, message, wParam, lParam); });
}

} // namespace

std::wstring LinkText(HWND link) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(link)) + 1, L'\0');
    int length = GetWindowTextW(link, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool RegisterMfcLinkClass(HINSTANCE hInstance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(hInstance, kMfcLinkClass, &wc))
        return true;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    // Global, so that dialogs created for any module of the process find it.
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = MfcLinkProc;
    wc.cbWndExtra = sizeof(LinkState*);
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
    wc.lpszClassName = kMfcLinkClass;
    return RegisterClassExW(&wc) != 0;
}
