// CArray: a growable array whose every out-of-range index raises the
// invalid-argument exception before anything changes.
#pragma once

#include "afxexcept.h"
#include "afxtypes.h"

#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const noexcept { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const noexcept { return GetSize(); }
    INT_PTR GetUpperBound() const noexcept { return GetSize() - 1; }
    BOOL IsEmpty() const noexcept { return m_data.empty(); }

    // nGrowBy is accepted for compatibility; growth is the vector's.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
        (void)nGrowBy;
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        m_data.resize(static_cast<size_t>(nNewSize));
    }

    INT_PTR Add(ARG_TYPE newElement) {
        m_data.push_back(newElement);
        return GetUpperBound();
    }

    // nIndex may equal the size to append.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        if (nIndex < 0 || nIndex > GetSize() || nCount < 0)
            AfxThrowInvalidArgException();
        TYPE copy(newElement); // newElement may refer into this array
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), copy);
    }

    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    void RemoveAll() noexcept { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[checked(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[checked(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[checked(nIndex)]; }
    TYPE& operator[](INT_PTR nIndex) { return m_data[checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return m_data[checked(nIndex)]; }

    const TYPE* GetData() const noexcept { return m_data.data(); }
    TYPE* GetData() noexcept { return m_data.data(); }

private:
    size_t checked(INT_PTR nIndex) const {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};
