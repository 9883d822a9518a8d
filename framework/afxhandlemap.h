// Per-thread maps from platform handles to wrapper objects.
//
// A permanent entry is an object the program attached itself; FromHandle hands out a
// temporary, borrowing wrapper for any other handle, kept until the next idle turn
// of a message loop (AfxDeleteTempMaps) so that pointers handed to a handler stay
// valid for the whole of it. CHandleWrapper gives a wrapper class its map and the
// members that keep the map in step with the handle.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <unordered_map>
#include <vector>

// Temporaries may be freed only when no message handler is running on the thread.
int& AfxTempMapLock();
// Frees every temporary wrapper of the thread unless a handler is running.
void AfxDeleteTempMaps();
void AfxRegisterTempMapCleaner(void (*pfnClean)());

// The handle of a wrapper that may be absent (a null pointer gives a null handle).
// Code with an optional window, DC or GDI object asks this: a member call through a
// null pointer is undefined behaviour, whatever the member does with `this`.
template <class WRAPPER>
auto AfxSafeHandle(const WRAPPER* p) noexcept
    -> std::remove_cvref_t<decltype(p->*WRAPPER::kHandle)> {
    return p != nullptr ? p->*WRAPPER::kHandle : nullptr;
}

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

// Base of a wrapper class DERIVED whose handle lives in the member DERIVED::kHandle
// names (a pointer to member, so that each class keeps its own member's name).
template <class DERIVED, class HANDLE_T> class CHandleWrapper {
public:
    // The thread's map, emptied of temporaries by AfxDeleteTempMaps.
    static CHandleMap<HANDLE_T, DERIVED>& HandleMap() {
        thread_local CHandleMap<HANDLE_T, DERIVED> map(&borrowHandle, &releaseHandle);
        thread_local bool registered = (AfxRegisterTempMapCleaner(&DeleteTempMap), true);
        (void)registered;
        return map;
    }

    operator HANDLE_T() const noexcept { return wrapper()->*DERIVED::kHandle; }

    static DERIVED* FromHandle(HANDLE_T h) { return HandleMap().FromHandle(h); }
    static DERIVED* FromHandlePermanent(HANDLE_T h) {
        return h ? HandleMap().LookupPermanent(h) : nullptr;
    }
    static void DeleteTempMap() { HandleMap().DeleteTemp(); }

    // Takes the handle when the object has none; the first object attached to a
    // handle stays the one FromHandle finds.
    BOOL Attach(HANDLE_T h) {
        if (h == nullptr || handleRef() != nullptr)
            return FALSE;
        handleRef() = h;
        if (HandleMap().LookupPermanent(h) == nullptr)
            HandleMap().SetPermanent(h, wrapper());
        return TRUE;
    }

    HANDLE_T Detach() {
        HANDLE_T h = handleRef();
        if (h != nullptr && HandleMap().LookupPermanent(h) == wrapper())
            HandleMap().RemoveHandle(h);
        handleRef() = nullptr;
        return h;
    }

protected:
    CHandleWrapper() = default;
    CHandleWrapper(const CHandleWrapper&) = delete;
    CHandleWrapper& operator=(const CHandleWrapper&) = delete;

    // Makes a handle only when the object holds none, so that a second Create* call
    // refuses before anything exists that could be orphaned. FALSE then, or when
    // make() fails.
    template <class MAKE> BOOL CreateHandle(MAKE make) {
        if (handleRef() != nullptr)
            return FALSE;
        return Attach(make());
    }

    // Detaches the handle and frees it with destroy; FALSE when there was none.
    template <class DESTROY> BOOL DestroyHandle(DESTROY destroy) {
        HANDLE_T h = Detach();
        return h == nullptr ? FALSE : destroy(h);
    }

private:
    static void borrowHandle(DERIVED* obj, HANDLE_T h) { obj->*DERIVED::kHandle = h; }
    static void releaseHandle(DERIVED* obj) { obj->*DERIVED::kHandle = nullptr; }

    DERIVED* wrapper() { return static_cast<DERIVED*>(this); }
    const DERIVED* wrapper() const { return static_cast<const DERIVED*>(this); }
    HANDLE_T& handleRef() { return wrapper()->*DERIVED::kHandle; }
};
