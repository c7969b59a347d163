#pragma once
// The body of a COM method runs inside Guarded: nothing it throws crosses the interface, every
// failure leaves as a result code.
#include <windows.h>

#include <new>

template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
