#include "mfcctrls/link_state.h"
#include "mfcctrls/mfclink.h"

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

HBRUSH BackgroundBrush(HWND link, HDC dc) {
    HWND parent = GetParent(link);
    auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC,
                                                                reinterpret_cast<WPARAM>(dc),
                                                                reinterpret_cast<LPARAM>(link)))
                        : nullptr;
    return brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

bool ShowsFocus(HWND link) {
    return GetFocus() == link && !(SendMessageW(link, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

} // namespace

void PaintLink(HWND link, HDC dc, const LinkState& state) {
    RECT client{};
    GetClientRect(link, &client);
    FillRect(dc, &client, BackgroundBrush(link, dc));

    std::wstring text = LinkText(link);
    HGDIOBJ oldFont = SelectObject(dc, state.underlined);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(link) ? kMfcLinkColour : GetSysColor(COLOR_GRAYTEXT));
    RECT textRect = client;
    DrawTextW(dc, text.c_str(), int(text.size()), &textRect, kTextFormat);

    if (ShowsFocus(link)) {
        DrawTextW(dc, text.c_str(), int(text.size()), &textRect, kTextFormat | DT_CALCRECT);
        int height = textRect.bottom - textRect.top;
        OffsetRect(&textRect, 0, (client.bottom - client.top - height) / 2 - textRect.top);
        InflateRect(&textRect, 1, 1);
        IntersectRect(&textRect, &textRect, &client);
        DrawFocusRect(dc, &textRect);
    }
    SelectObject(dc, oldFont);
}
