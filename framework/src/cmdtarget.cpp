#include "afxcmdtarget.h"

namespace {

const AFX_MSGMAP_ENTRY* findInTable(const AFX_MSGMAP_ENTRY* entry, UINT nMessage, UINT nCode,
                                    UINT nID) {
    for (; entry->pfn != nullptr; ++entry) {
        if (entry->nMessage == nMessage && entry->nCode == nCode && entry->nID <= nID &&
            nID <= entry->nLastID)
            return entry;
    }
    return nullptr;
}

} // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        if (const AFX_MSGMAP_ENTRY* entry = findInTable(map->lpEntries, nMessage, nCode, nID))
            return entry;
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchEntry(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                               LRESULT* pResult) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(nMessage, nCode, nID);
    if (entry == nullptr)
        return FALSE;
    LRESULT scratch = 0;
    entry->pfn(this, wParam, lParam, pResult ? pResult : &scratch);
    return TRUE;
}
