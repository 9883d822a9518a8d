// Per-thread maps from platform handles to wrapper objects.
//
// A permanent entry is an object the program attached itself; FromHandle hands out a
// temporary, borrowing wrapper for any other handle, kept until the next idle turn
// of a message loop (AfxDeleteTempMaps) so that pointers handed to a handler stay
// valid for the whole of it.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

// Temporaries may be freed only when no message handler is running on the thread.
int& AfxTempMapLock();
// Frees every temporary wrapper of the thread unless a handler is running.
void AfxDeleteTempMaps();
void AfxRegisterTempMapCleaner(void (*pfnClean)());

template <class HANDLE_T, class OBJECT> class CHandleMap {
public:
    // How a temporary takes its borrowed handle, and gives it up before it is freed.
    using Borrow = void (*)(OBJECT*, HANDLE_T);
    using Release = void (*)(OBJECT*);

    CHandleMap(Borrow borrow, Release release) : m_borrow(borrow), m_release(release) {}
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    void SetPermanent(HANDLE_T h, OBJECT* obj) { m_permanent[h] = obj; }
    void RemoveHandle(HANDLE_T h) { m_permanent.erase(h); }

    OBJECT* LookupPermanent(HANDLE_T h) const {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    OBJECT* LookupTemporary(HANDLE_T h) const {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second.get();
    }

    // The permanent object, else a temporary of type T made for the handle.
    template <class T = OBJECT> T* FromHandle(HANDLE_T h) {
        if (h == nullptr)
            return nullptr;
        if (OBJECT* obj = LookupPermanent(h)) {
            if (T* typed = dynamic_cast<T*>(obj))
                return typed;
        }
        auto it = m_temporary.find(h);
        if (it != m_temporary.end()) {
            if (T* typed = dynamic_cast<T*>(it->second.get()))
                return typed;
            // A temporary of another type may still be in use: retire, don't free.
            m_retired.push_back(std::move(it->second));
            m_temporary.erase(it);
        }
        auto made = std::make_unique<T>();
        T* result = made.get();
        m_borrow(result, h);
        m_temporary.emplace(h, std::move(made));
        return result;
    }

    void DeleteTemp() {
        for (auto& entry : m_temporary)
            m_release(entry.second.get());
        for (auto& obj : m_retired)
            m_release(obj.get());
        m_temporary.clear();
        m_retired.clear();
    }

    size_t TemporaryCount() const { return m_temporary.size() + m_retired.size(); }

private:
    Borrow m_borrow;
    Release m_release;
    std::unordered_map<HANDLE_T, OBJECT*> m_permanent;
    std::unordered_map<HANDLE_T, std::unique_ptr<OBJECT>> m_temporary;
    std::vector<std::unique_ptr<OBJECT>> m_retired;
};
