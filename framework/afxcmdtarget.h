// CCmdTarget and the message tables every window and the application carry.
//
// A table is an array of entries, each naming a message (or WM_COMMAND/WM_NOTIFY
// with a notification code and a control-id range) and a thunk that casts the
// target to the class that declared the entry and calls its handler with the
// message's cracked arguments. Each table links to its base class's table.
#pragma once

#include <windows.h>

class CCmdTarget;

// Reflected messages come back to the control that caused them under this offset.
#define WM_REFLECT_BASE 0xBC00

// A WM_COMMAND from a menu, an accelerator or a button click.
#define CN_COMMAND 0

// Calls the handler; writes the message's result through pResult.
typedef void (*AFX_PMSG)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, or WM_REFLECT_BASE + message
    UINT nCode;    // notification code for WM_COMMAND / WM_NOTIFY, else 0
    UINT nID;      // first control id, else 0
    UINT nLastID;  // last control id of the range
    AFX_PMSG pfn;  // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // First entry for the message in this object's table or its bases' tables.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

    // Calls the entry for (message, code, id) if there is one; TRUE when there was.
    BOOL DispatchEntry(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                       LRESULT* pResult);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

// Inside the table ThisClass names the class, so each entry's thunk can call its
// handler; handlers are named as pointers to members, `&CMyDlg::OnThing`.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, nullptr }                                                                        \
    }                                                                                              \
    ;                                                                                              \
    static_assert(sizeof(ThisClass) > 0, "an empty table still names its class");                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }
