#include "afxexcept.h"

void AfxThrowInvalidArgException() {
    throw CInvalidArgException();
}

void AfxThrowMemoryException() {
    throw CMemoryException();
}
