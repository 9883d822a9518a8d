#include "guard_alloc.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kPage = 4096;
// The block's page count and size at the start of its first page; the block's offset
// from there in the 8 bytes before the block.
constexpr std::size_t kHeader = 32;
constexpr std::size_t kChunk = std::size_t(1) << 32; // address space reserved at a time
constexpr int kMaxChunks = 4096;

struct Header {
    std::size_t nPages;
    std::size_t nSize;
};

struct Recycled {
    char* pPage;
    std::size_t nSize;
};

struct Arena {
    SRWLOCK lock = SRWLOCK_INIT;
    char* pChunks[kMaxChunks] = {};
    char* pChunkEnds[kMaxChunks] = {};
    int nChunks = 0;
    char* pNext = nullptr; // next unused page of the newest chunk
    char* pEnd = nullptr;
    std::size_t nAllocations = 0;
    bool bRecycling = false;
    Recycled recycled[256] = {};
    int nRecycled = 0;
    char szContext[512] = {};
};

Arena& TheArena() {
    static Arena arena; // constant-initialised: usable before any constructor runs
    return arena;
}

LONG CALLBACK OnFault(EXCEPTION_POINTERS* pInfo) {
    const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
    if (pRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || pRecord->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    const void* pAddress = reinterpret_cast<const void*>(pRecord->ExceptionInformation[1]);
    if (!IsGuardedAddress(pAddress))
        return EXCEPTION_CONTINUE_SEARCH;
    std::fprintf(stderr, "\nUSE AFTER FREE: %s of freed memory at %p by code at %p\n%s\n",
                 pRecord->ExceptionInformation[0] ? "write" : "read", pAddress,
                 pRecord->ExceptionAddress, TheArena().szContext);
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

bool NewChunk(Arena& arena, std::size_t nBytes) {
    static const bool bHandler = ::AddVectoredExceptionHandler(1, OnFault) != nullptr;
    const std::size_t nReserve = nBytes > kChunk ? nBytes : kChunk;
    if (!bHandler || arena.nChunks == kMaxChunks)
        return false;
    char* pChunk =
        static_cast<char*>(::VirtualAlloc(nullptr, nReserve, MEM_RESERVE, PAGE_NOACCESS));
    if (!pChunk)
        return false;
    arena.pChunks[arena.nChunks] = pChunk;
    arena.pChunkEnds[arena.nChunks++] = pChunk + nReserve;
    arena.pNext = pChunk;
    arena.pEnd = pChunk + nReserve;
    return true;
}

void* Allocate(std::size_t nSize, std::size_t nAlign) {
    Arena& arena = TheArena();
    const std::size_t nOffset = nAlign > kHeader ? nAlign : kHeader;
    if (nOffset > kPage)
        return nullptr;
    ::AcquireSRWLockExclusive(&arena.lock);
    char* pPage = nullptr;
    for (int i = arena.nRecycled - 1; arena.bRecycling && i >= 0 && !pPage; i--) {
        if (arena.recycled[i].nSize == nSize) {
            pPage = arena.recycled[i].pPage;
            arena.recycled[i] = arena.recycled[--arena.nRecycled];
        }
    }
    if (!pPage) {
        const std::size_t nPages = (nOffset + nSize + kPage - 1) / kPage;
        const std::size_t nBytes = nPages * kPage;
        if (std::size_t(arena.pEnd - arena.pNext) < nBytes && !NewChunk(arena, nBytes)) {
            ::ReleaseSRWLockExclusive(&arena.lock);
            return nullptr;
        }
        pPage = arena.pNext;
        arena.pNext += nBytes;
        if (!::VirtualAlloc(pPage, nBytes, MEM_COMMIT, PAGE_READWRITE)) {
            ::ReleaseSRWLockExclusive(&arena.lock);
            return nullptr;
        }
        *reinterpret_cast<Header*>(pPage) = Header{nPages, nSize};
    }
    arena.nAllocations++;
    ::ReleaseSRWLockExclusive(&arena.lock);
    // The offset goes in front of the block too, so that delete finds the header.
    reinterpret_cast<std::size_t*>(pPage + nOffset)[-1] = nOffset;
    return pPage + nOffset;
}

void Release(void* p) {
    if (!p)
        return;
    char* pBlock = static_cast<char*>(p);
    char* pPage = pBlock - reinterpret_cast<std::size_t*>(pBlock)[-1];
    const Header header = *reinterpret_cast<Header*>(pPage);
    Arena& arena = TheArena();
    ::AcquireSRWLockExclusive(&arena.lock);
    if (arena.bRecycling && arena.nRecycled < 256) {
        arena.recycled[arena.nRecycled++] = Recycled{pPage, header.nSize};
        std::memset(pBlock, 0xDD, header.nSize);
    } else {
        // The contents go, the address range stays reserved: never handed out again.
        ::VirtualFree(pPage, header.nPages * kPage, MEM_DECOMMIT);
    }
    ::ReleaseSRWLockExclusive(&arena.lock);
}

void* AllocateOrThrow(std::size_t nSize, std::size_t nAlign = kHeader) {
    void* p = Allocate(nSize, nAlign);
    if (!p)
        throw std::bad_alloc();
    return p;
}

} // namespace

void SetGuardRecycling(bool bOn) {
    Arena& arena = TheArena();
    ::AcquireSRWLockExclusive(&arena.lock);
    arena.bRecycling = bOn;
    // Blocks kept for recycling are freed for good once it ends.
    for (int i = 0; !bOn && i < arena.nRecycled; i++) {
        const Header header = *reinterpret_cast<Header*>(arena.recycled[i].pPage);
        ::VirtualFree(arena.recycled[i].pPage, header.nPages * kPage, MEM_DECOMMIT);
    }
    if (!bOn)
        arena.nRecycled = 0;
    ::ReleaseSRWLockExclusive(&arena.lock);
}

bool IsGuardedAddress(const void* p) {
    const Arena& arena = TheArena();
    const char* pByte = static_cast<const char*>(p);
    for (int i = 0; i < arena.nChunks; i++) {
        if (pByte >= arena.pChunks[i] && pByte < arena.pChunkEnds[i])
            return true;
    }
    return false;
}

std::size_t GuardAllocations() {
    return TheArena().nAllocations;
}

void SetGuardContext(const std::string& context) {
    char* pszContext = TheArena().szContext;
    std::strncpy(pszContext, context.c_str(), sizeof(TheArena().szContext) - 1);
}

void* operator new(std::size_t nSize) {
    return AllocateOrThrow(nSize);
}
void* operator new[](std::size_t nSize) {
    return AllocateOrThrow(nSize);
}
void* operator new(std::size_t nSize, std::align_val_t align) {
    return AllocateOrThrow(nSize, static_cast<std::size_t>(align));
}
void* operator new[](std::size_t nSize, std::align_val_t align) {
    return AllocateOrThrow(nSize, static_cast<std::size_t>(align));
}
void* operator new(std::size_t nSize, const std::nothrow_t&) noexcept {
    return Allocate(nSize, kHeader);
}
void* operator new[](std::size_t nSize, const std::nothrow_t&) noexcept {
    return Allocate(nSize, kHeader);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    Release(p);
}
