#include "recording_parent.h"

namespace {

constexpr wchar_t kRecorderProp[] = L"TallyvaneRecordingParent";

bool IsFln(UINT nCode) {
    return nCode >= FLN_EXPANDCHANGE && nCode <= FLN_BEGINCOMBO;
}

} // namespace

void PrintTo(const NotifyCode& code, std::ostream* os) {
    static const char* const names[] = {"EXPANDCHANGE", "CHECKCLICK", "DELETEROW",   "FOCUSCHANGE",
                                        "BEGINEDIT",    "ENDEDIT",    "BUTTONCLICK", "BEGINCOMBO"};
    if (IsFln(code.nCode))
        *os << "FLN_" << names[code.nCode - FLN_EXPANDCHANGE];
    else
        *os << "code " << code.nCode;
}

void RecordingParent::Attach(HWND hWnd) {
    ::SetPropW(hWnd, kRecorderProp, this);
    m_pfnPrevious = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WndProc)));
}

std::vector<NotifyCode> RecordingParent::Codes() const {
    std::vector<NotifyCode> codes;
    for (const NotifyRecord& record : m_Log)
        codes.push_back(NotifyCode{record.nCode});
    return codes;
}

LRESULT CALLBACK RecordingParent::WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    auto* pThis = static_cast<RecordingParent*>(::GetPropW(hWnd, kRecorderProp));
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (nMsg == WM_NOTIFY && pHdr && IsFln(pHdr->code))
        return pThis->OnNotify(reinterpret_cast<FL_NOTIFY*>(lParam));
    if (nMsg == WM_NCDESTROY)
        ::RemovePropW(hWnd, kRecorderProp);
    return ::CallWindowProcW(pThis->m_pfnPrevious, hWnd, nMsg, wParam, lParam);
}

LRESULT RecordingParent::OnNotify(FL_NOTIFY* pNotify) {
    if (m_fnHandle)
        return m_fnHandle(*pNotify);
    m_Log.push_back(NotifyRecord{*pNotify, pNotify->hdr.code});
    const auto edit = m_Edits.find(pNotify->hdr.code);
    if (edit != m_Edits.end())
        edit->second(*pNotify);
    const auto answer = m_Answers.find(pNotify->hdr.code);
    return answer == m_Answers.end() ? 0 : answer->second;
}
