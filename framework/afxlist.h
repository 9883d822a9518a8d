// CList: a doubly linked list whose positions are the addresses of its nodes.
#pragma once

#include "afxexcept.h"
#include "afxtypes.h"

#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&> class CList {
    struct CNode : __POSITION {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
        template <class T>
        CNode(CNode* prev, CNode* next, T&& value)
            : pNext(next), pPrev(prev), data(std::forward<T>(value)) {}
    };

public:
    CList() = default;
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() { RemoveAll(); }

    INT_PTR GetCount() const noexcept { return m_nCount; }
    INT_PTR GetSize() const noexcept { return m_nCount; }
    BOOL IsEmpty() const noexcept { return m_nCount == 0; }

    TYPE& GetHead() { return node(headPos())->data; }
    const TYPE& GetHead() const { return node(headPos())->data; }
    TYPE& GetTail() { return node(tailPos())->data; }
    const TYPE& GetTail() const { return node(tailPos())->data; }

    POSITION GetHeadPosition() const noexcept { return m_pHead; }
    POSITION GetTailPosition() const noexcept { return m_pTail; }

    // Return the element at rPosition and move rPosition on (null past the end).
    TYPE& GetNext(POSITION& rPosition) { return step(rPosition, &CNode::pNext); }
    const TYPE& GetNext(POSITION& rPosition) const { return step(rPosition, &CNode::pNext); }
    TYPE& GetPrev(POSITION& rPosition) { return step(rPosition, &CNode::pPrev); }
    const TYPE& GetPrev(POSITION& rPosition) const { return step(rPosition, &CNode::pPrev); }

    TYPE& GetAt(POSITION position) { return node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { node(pos)->data = newElement; }

    POSITION AddHead(ARG_TYPE newElement) { return link(nullptr, m_pHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return link(m_pTail, nullptr, newElement); }
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* at = node(position);
        return link(at->pPrev, at, newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* at = node(position);
        return link(at, at->pNext, newElement);
    }

    TYPE RemoveHead() { return take(node(headPos())); }
    TYPE RemoveTail() { return take(node(tailPos())); }
    void RemoveAt(POSITION position) { unlink(node(position)); }
    void RemoveAll() noexcept {
        while (m_pHead != nullptr)
            unlink(m_pHead);
    }

    // The first element equal to searchValue after startAfter (from the head when null).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
        CNode* n = startAfter ? node(startAfter)->pNext : m_pHead;
        for (; n != nullptr; n = n->pNext) {
            if (n->data == searchValue)
                return n;
        }
        return nullptr;
    }
    // The position of the nIndex-th element, null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const noexcept {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* n = m_pHead;
        while (nIndex-- > 0)
            n = n->pNext;
        return n;
    }

private:
    // A null position is a caller error; positions are otherwise trusted.
    static CNode* node(POSITION position) {
        if (position == nullptr)
            AfxThrowInvalidArgException();
        return static_cast<CNode*>(position);
    }
    POSITION headPos() const { return m_pHead; }
    POSITION tailPos() const { return m_pTail; }

    TYPE& step(POSITION& rPosition, CNode* CNode::*next) const {
        CNode* n = node(rPosition);
        rPosition = n->*next;
        return n->data;
    }

    POSITION link(CNode* prev, CNode* next, ARG_TYPE value) {
        CNode* n = new CNode(prev, next, value);
        (prev ? prev->pNext : m_pHead) = n;
        (next ? next->pPrev : m_pTail) = n;
        ++m_nCount;
        return n;
    }

    void unlink(CNode* n) noexcept {
        (n->pPrev ? n->pPrev->pNext : m_pHead) = n->pNext;
        (n->pNext ? n->pNext->pPrev : m_pTail) = n->pPrev;
        --m_nCount;
        delete n;
    }

    TYPE take(CNode* n) {
        TYPE value(std::move(n->data));
        unlink(n);
        return value;
    }

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};
