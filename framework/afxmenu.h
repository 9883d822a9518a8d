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
    HMENU GetSafeHmenu() const noexcept { return m_hMenu; }
    // Both refuse, creating nothing, when the object already holds a menu.
    BOOL CreateMenu() { return CreateHandle(::CreateMenu); }
    BOOL CreatePopupMenu() { return CreateHandle(::CreatePopupMenu); }
    BOOL DestroyMenu() { return DestroyHandle(::DestroyMenu); }

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr) {
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL DeleteMenu(UINT nPosition, UINT nFlags) {
        return ::DeleteMenu(m_hMenu, nPosition, nFlags);
    }
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
        return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
    }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
        return ::GetMenuStringW(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    }
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
};
