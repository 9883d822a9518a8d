#include "guard_alloc.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kPage = 4096, kHeader = 32;
constexpr std::size_t kChunk = std::size_t(1) << 32; // address space reserved at a time
constexpr int kMaxChunks = 4096, kMaxRecycled = 256;

// A block's first page starts with its page count and size; the block itself starts
// kHeader bytes in.
struct Header {
    std::size_t nPages, nSize;
};

// Constant-initialised: usable before any constructor runs.
struct Arena {
    SRWLOCK lock = SRWLOCK_INIT;
    char* pChunks[kMaxChunks][2] = {}; // begin and end of each reserved chunk
    int nChunks = 0;
    char *pNext = nullptr, *pEnd = nullptr; // unused pages of the newest chunk
    bool bRecycling = false;
    char* pRecycled[kMaxRecycled] = {};
    int nRecycled = 0;
    char szContext[512] = {};
} g_arena;

struct Locked {
    Locked() { ::AcquireSRWLockExclusive(&g_arena.lock); }
    ~Locked() { ::ReleaseSRWLockExclusive(&g_arena.lock); }
};

void Decommit(char* pPage) {
    ::VirtualFree(pPage, reinterpret_cast<Header*>(pPage)->nPages * kPage, MEM_DECOMMIT);
}

LONG CALLBACK OnFault(EXCEPTION_POINTERS* pInfo) {
    const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
    if (pRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || pRecord->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    const char* pAddress = reinterpret_cast<const char*>(pRecord->ExceptionInformation[1]);
    for (int i = 0; i < g_arena.nChunks; i++) {
        if (pAddress >= g_arena.pChunks[i][0] && pAddress < g_arena.pChunks[i][1]) {
            std::fprintf(stderr, "\nUSE AFTER FREE: %s of freed memory at %p by code at %p\n%s\n",
                         pRecord->ExceptionInformation[0] ? "write" : "read", pAddress,
                         pRecord->ExceptionAddress, g_arena.szContext);
            std::fflush(stderr);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

char* NewPages(std::size_t nBytes) {
    static const bool bHandler = ::AddVectoredExceptionHandler(1, OnFault) != nullptr;
    if (std::size_t(g_arena.pEnd - g_arena.pNext) < nBytes) {
        const std::size_t nReserve = nBytes > kChunk ? nBytes : kChunk;
        char* pChunk =
            static_cast<char*>(::VirtualAlloc(nullptr, nReserve, MEM_RESERVE, PAGE_NOACCESS));
        if (!bHandler || !pChunk || g_arena.nChunks == kMaxChunks)
            return nullptr;
        g_arena.pChunks[g_arena.nChunks][0] = g_arena.pNext = pChunk;
        g_arena.pChunks[g_arena.nChunks++][1] = g_arena.pEnd = pChunk + nReserve;
    }
    char* pPage = g_arena.pNext;
    g_arena.pNext += nBytes;
    return ::VirtualAlloc(pPage, nBytes, MEM_COMMIT, PAGE_READWRITE) ? pPage : nullptr;
}

void* AllocateOrThrow(std::size_t nSize) {
    Locked locked;
    char* pPage = nullptr;
    for (int i = g_arena.nRecycled - 1; g_arena.bRecycling && i >= 0 && !pPage; i--) {
        if (reinterpret_cast<Header*>(g_arena.pRecycled[i])->nSize == nSize) {
            pPage = g_arena.pRecycled[i];
            g_arena.pRecycled[i] = g_arena.pRecycled[--g_arena.nRecycled];
        }
    }
    if (!pPage) {
        const std::size_t nPages = (kHeader + nSize + kPage - 1) / kPage;
        if (!(pPage = NewPages(nPages * kPage)))
            throw std::bad_alloc();
        *reinterpret_cast<Header*>(pPage) = Header{nPages, nSize};
    }
    return pPage + kHeader;
}

void Release(void* p) noexcept {
    if (!p)
        return;
    char* pPage = static_cast<char*>(p) - kHeader;
    Locked locked;
    if (g_arena.bRecycling && g_arena.nRecycled < kMaxRecycled) {
        g_arena.pRecycled[g_arena.nRecycled++] = pPage;
        std::memset(p, 0xDD, reinterpret_cast<Header*>(pPage)->nSize);
    } else {
        Decommit(pPage); // the address range stays reserved: never handed out again
    }
}

} // namespace

void SetGuardRecycling(bool bOn) {
    Locked locked;
    g_arena.bRecycling = bOn;
    // Blocks kept for recycling are freed for good once it ends.
    for (; !bOn && g_arena.nRecycled > 0; g_arena.nRecycled--)
        Decommit(g_arena.pRecycled[g_arena.nRecycled - 1]);
}

void SetGuardContext(const std::string& context) {
    std::strncpy(g_arena.szContext, context.c_str(), sizeof(g_arena.szContext) - 1);
}

// The library's other forms (array, nothrow) call these, so every block goes through
// the guard (nothing here is over-aligned).
void* operator new(std::size_t n) {
    return AllocateOrThrow(n);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
