#pragma once
// The class factory of an in-process COM server and the DllGetClassObject lookup.
#include <unknwn.h>
#include <windows.h>

#include <cstddef>

// Creates an object of one class and asks it for iid. outer is the controlling object when
// the new object is aggregated; a class that cannot be aggregated answers
// CLASS_E_NOAGGREGATION.
using CreateInstanceFunction = HRESULT (*)(IUnknown* outer, REFIID iid, void** object);

struct ComClass {
    const CLSID* clsid;
    CreateInstanceFunction create;
};

class CClassFactory : public IClassFactory {
  public:
    explicit CClassFactory(CreateInstanceFunction create);
    virtual ~CClassFactory();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    // Live objects alone keep the module loaded.
    STDMETHODIMP LockServer(BOOL lock) override;

  private:
    CreateInstanceFunction create_;
    LONG references_ = 0;
};

// DllGetClassObject for the classes of a module: a new factory on every call.
HRESULT GetClassObject(const ComClass* classes, size_t count, REFCLSID clsid, REFIID iid,
                       void** object);
