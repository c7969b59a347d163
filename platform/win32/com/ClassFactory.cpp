#include "platform/win32/com/ClassFactory.h"

#include <new>

#include "platform/win32/com/ComModule.h"

CClassFactory::CClassFactory(CreateInstanceFunction create) : create_(create) {
    ModuleObjectCreated();
}

CClassFactory::~CClassFactory() {
    ModuleObjectDestroyed();
}

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef() {
    return InterlockedIncrement(&references_);
}

STDMETHODIMP_(ULONG) CClassFactory::Release() {
    LONG count = InterlockedDecrement(&references_);
    if (count == 0)
        delete this;
    return count;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    return create_(outer, iid, object);
}

STDMETHODIMP CClassFactory::LockServer(BOOL) {
    return S_OK;
}

HRESULT GetClassObject(const ComClass* classes, size_t count, REFCLSID clsid, REFIID iid,
                       void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (size_t i = 0; i < count; ++i) {
        if (!IsEqualCLSID(clsid, *classes[i].clsid))
            continue;
        auto* factory = new (std::nothrow) CClassFactory(classes[i].create);
        if (!factory)
            return E_OUTOFMEMORY;
        factory->AddRef();
        HRESULT result = factory->QueryInterface(iid, object);
        factory->Release();  // the caller's reference, if any, keeps it alive
        return result;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}
