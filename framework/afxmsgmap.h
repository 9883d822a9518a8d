// Entries of a message table, one macro per message with the handler signature
// the original framework gives it. Handlers are named as pointers to members for
// the macros that take one: ON_COMMAND(IDOK, &CMyDlg::OnOK).
#pragma once

#include "afxcmdtarget.h"

// Every thunk receives the target, the message's parameters and the result slot.
#define AFX_MSG_THUNK(...)                                                                         \
    [](CCmdTarget* pTarget_, WPARAM wParam_, LPARAM lParam_, LRESULT* pResult_) {                  \
        ThisClass* pThis_ = static_cast<ThisClass*>(pTarget_);                                     \
        (void)pThis_;                                                                              \
        (void)wParam_;                                                                             \
        (void)lParam_;                                                                             \
        *pResult_ = 0;                                                                             \
        __VA_ARGS__;                                                                               \
    }

#define AFX_MSG_ENTRY(message, ...) {(message), 0, 0, 0, AFX_MSG_THUNK(__VA_ARGS__)},

#define AFX_POINT_FROM_LPARAM(l)                                                                   \
    CPoint(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)))

// Argument lists that several handlers share, named by how they read the parameters.
#define AFX_ARGS_SCROLL                                                                            \
    LOWORD(wParam_), HIWORD(wParam_), AfxWndFromHandle<CScrollBar>(reinterpret_cast<HWND>(lParam_))
#define AFX_ARGS_UINT_POINT static_cast<UINT>(wParam_), AFX_POINT_FROM_LPARAM(lParam_)
#define AFX_ARGS_UINT_WORDS static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)
#define AFX_ARGS_WPARAM_WND CWnd::FromHandle(reinterpret_cast<HWND>(wParam_))

// Plain window messages.
#define ON_WM_CREATE()                                                                             \
    AFX_MSG_ENTRY(WM_CREATE, *pResult_ = static_cast<LRESULT>(                                     \
                                 pThis_->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam_))))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, pThis_->OnDestroy())
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, pThis_->OnNcDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, pThis_->OnClose())
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, pThis_->OnPaint())
#define ON_WM_ERASEBKGND()                                                                         \
    AFX_MSG_ENTRY(WM_ERASEBKGND, *pResult_ = pThis_->OnEraseBkgnd(                                 \
                                     CDC::FromHandle(reinterpret_cast<HDC>(wParam_))))
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, pThis_->OnHScroll(AFX_ARGS_SCROLL))
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, pThis_->OnVScroll(AFX_ARGS_SCROLL))
#define ON_WM_FONTCHANGE() AFX_MSG_ENTRY(WM_FONTCHANGE, pThis_->OnFontChange())
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, pThis_->OnSysColorChange())
#define ON_WM_SETTINGCHANGE()                                                                      \
    AFX_MSG_ENTRY(WM_SETTINGCHANGE, pThis_->OnSettingChange(static_cast<UINT>(wParam_),            \
                                                            reinterpret_cast<LPCTSTR>(lParam_)))
#define ON_WM_LBUTTONDOWN()                                                                        \
    AFX_MSG_ENTRY(WM_LBUTTONDOWN, pThis_->OnLButtonDown(AFX_ARGS_UINT_POINT))
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, pThis_->OnLButtonUp(AFX_ARGS_UINT_POINT))
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, pThis_->OnLButtonDblClk(AFX_ARGS_UINT_POINT))
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, pThis_->OnMouseMove(AFX_ARGS_UINT_POINT))
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, pThis_->OnKeyDown(AFX_ARGS_UINT_WORDS))
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, pThis_->OnKeyUp(AFX_ARGS_UINT_WORDS))
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, pThis_->OnChar(AFX_ARGS_UINT_WORDS))
#define ON_WM_CONTEXTMENU()                                                                        \
    AFX_MSG_ENTRY(WM_CONTEXTMENU,                                                                  \
                  pThis_->OnContextMenu(AFX_ARGS_WPARAM_WND, AFX_POINT_FROM_LPARAM(lParam_)))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, pThis_->OnKillFocus(AFX_ARGS_WPARAM_WND))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, pThis_->OnSetFocus(AFX_ARGS_WPARAM_WND))
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, pThis_->OnSize(AFX_ARGS_UINT_WORDS))
#define ON_WM_SYSCOMMAND()                                                                         \
    AFX_MSG_ENTRY(WM_SYSCOMMAND, pThis_->OnSysCommand(static_cast<UINT>(wParam_), lParam_))
#define ON_WM_QUERYDRAGICON()                                                                      \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON,                                                                \
                  *pResult_ = reinterpret_cast<LRESULT>(pThis_->OnQueryDragIcon()))
#define ON_WM_GETDLGCODE()                                                                         \
    AFX_MSG_ENTRY(WM_GETDLGCODE, *pResult_ = static_cast<LRESULT>(pThis_->OnGetDlgCode()))
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, pThis_->OnTimer(static_cast<UINT_PTR>(wParam_)))

// Owner-draw messages reflected back to the control that caused them.
#define ON_WM_MEASUREITEM_REFLECT()                                                                \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM,                                                \
                  pThis_->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam_)))
#define ON_WM_DRAWITEM_REFLECT()                                                                   \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM,                                                   \
                  pThis_->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam_)))

// Any message: LRESULT OnX(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_MSG_ENTRY(message, *pResult_ = (pThis_->*(memberFxn))(wParam_, lParam_))

// Commands and control notifications: void OnX().
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id),     \
     AFX_MSG_THUNK((pThis_->*(memberFxn))())},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)

// A control's own notification, reflected from its parent: void OnX().
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(wNotifyCode), 0, 0,                           \
     AFX_MSG_THUNK((pThis_->*(memberFxn))())},

// WM_NOTIFY from control id: void OnX(NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    {WM_NOTIFY, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id),      \
     AFX_MSG_THUNK((pThis_->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam_), pResult_))},

// A WM_NOTIFY naming this window as its sender: void OnX(NMHDR*, LRESULT*).
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(wNotifyCode), 0, 0,                            \
     AFX_MSG_THUNK((pThis_->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam_), pResult_))},
