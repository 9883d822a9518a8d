#include "afxhandlemap.h"

namespace {

struct TempMapState {
    int lock = 0;
    std::vector<void (*)()> cleaners;
};

TempMapState& state() {
    thread_local TempMapState s;
    return s;
}

} // namespace

int& AfxTempMapLock() {
    return state().lock;
}

void AfxRegisterTempMapCleaner(void (*pfnClean)()) {
    for (auto* f : state().cleaners) {
        if (f == pfnClean)
            return;
    }
    state().cleaners.push_back(pfnClean);
}

void AfxDeleteTempMaps() {
    if (state().lock != 0)
        return;
    for (auto* clean : state().cleaners)
        clean();
}
