#pragma once
// No C++ exception may cross a COM method: the caller is not C++ and would be torn down.
#include <windows.h>

#include <new>

// Runs body, which returns an HRESULT, and turns whatever it throws into a result code.
template <class Body>
HRESULT GuardedCall(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
