#pragma once
// The IUnknown of a COM object of this program that serves one interface: a reference count
// that deletes the object at zero, and QueryInterface for IUnknown and that interface.
#include <windows.h>

#include <unknwn.h>

#include <utility>

#include "platform/win32/Scoped.h"
#include "platform/win32/com/ComGuard.h"

template <class Interface, const IID& kInterfaceId>
class ComObject : public Interface {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, kInterfaceId)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

  protected:
    // Made with one reference, which Make hands to its caller.
    ComObject() = default;
    virtual ~ComObject() = default;

  private:
    LONG references_ = 1;
};

// A new object of a ComObject class, owned by the pointer returned.
template <class T, class... Args>
ComPtr<T> Make(Args&&... args) {
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}
