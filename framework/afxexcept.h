// Exceptions of the framework layer.
//
// Unlike the original framework, which throws heap pointers that the catcher must
// Delete(), ours throws by value: catch as `const CInvalidArgException&`. No caller
// has to manage the exception object's lifetime, and nothing can leak.
#pragma once

#include <exception>

class CException : public std::exception {
public:
    const char* what() const noexcept override { return "CException"; }
};

class CInvalidArgException : public CException {
public:
    const char* what() const noexcept override { return "invalid argument"; }
};

class CMemoryException : public CException {
public:
    const char* what() const noexcept override { return "out of memory"; }
};

[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowMemoryException();
