#include "afxmenu.h"

namespace {

void borrowMenu(CMenu* menu, HMENU h) {
    menu->m_hMenu = h;
}
void releaseMenu(CMenu* menu) {
    menu->m_hMenu = nullptr;
}
void cleanMenus();

CHandleMap<HMENU, CMenu>& menuMap() {
    thread_local CHandleMap<HMENU, CMenu> map(borrowMenu, releaseMenu);
    thread_local bool registered = (AfxRegisterTempMapCleaner(cleanMenus), true);
    (void)registered;
    return map;
}

void cleanMenus() {
    menuMap().DeleteTemp();
}

} // namespace

HMENU CMenu::GetSafeHmenu() const noexcept {
    const CMenu* self = this;
    asm("" : "+r"(self)); // callers may ask through a null pointer
    return self ? self->m_hMenu : nullptr;
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
    return menuMap().FromHandle(hMenu);
}

void CMenu::DeleteTempMap() {
    menuMap().DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    if (menuMap().LookupPermanent(hMenu) == nullptr)
        menuMap().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr && menuMap().LookupPermanent(hMenu) == this)
        menuMap().RemoveHandle(hMenu);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    const int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (length <= 0) {
        rString.Empty();
        return 0;
    }
    const int copied =
        ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBuffer(length), length + 1, nFlags);
    rString.ReleaseBuffer(copied);
    return copied;
}
