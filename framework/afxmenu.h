// CMenu: owns a menu it created or was attached to; FromHandle borrows.
#pragma once

#include "afxhandlemap.h"
#include "afxstr.h"

class CMenu : public CHandleWrapper<CMenu, HMENU> {
public:
    virtual ~CMenu() { DestroyMenu(); }

    HMENU m_hMenu = nullptr;
    static constexpr auto kHandle = &CMenu::m_hMenu;

    // For a pointer that may be null, AfxSafeHandle(pMenu) instead.
    // Both refuse, creating nothing, when the object already holds a menu.
    BOOL DestroyMenu() { return DestroyHandle(::DestroyMenu); }

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr) {
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
        return ::GetMenuStringW(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    }
};
