// Cravel.dll as an in-process server: its class factory, the objects' interfaces and
// reference counts, and when the module may be unloaded.
#include <shlobj.h>
#include <shobjidl.h>

#include <new>

#include "CravelTestSupport.h"
#include "platform/win32/com/ComGuard.h"

using namespace cravel_test;

namespace {

IClassFactory* Factory() {
    IClassFactory* factory = nullptr;
    auto getClassObject = Export<GetClassObjectFunction>("DllGetClassObject");
    EXPECT_NE(getClassObject, nullptr);
    if (getClassObject) {
        EXPECT_EQ(getClassObject(kClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
                  S_OK);
    }
    return factory;
}

TEST(CravelServer, OtherClassesAndInterfacesAreRefused) {
    auto getClassObject = Export<GetClassObjectFunction>("DllGetClassObject");
    ASSERT_NE(getClassObject, nullptr);
    const CLSID other = {
        0xF9411A21, 0x2B30, 0x4B62, {0x86, 0x9E, 0xFA, 0xFE, 0xCA, 0x39, 0x4F, 0xB4}};
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(other, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(kClsid, IID_IDispatch, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);
}

TEST(CravelServer, AggregationIsRefused) {
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(factory, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factory->Release(), 0u);
}

TEST(CravelServer, OneObjectAnswersForBothInterfacesWithOneCount) {
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    IContextMenu* menu = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu)),
              S_OK);
    factory->Release();

    IShellExtInit* init = nullptr;
    IUnknown* unknown = nullptr;
    ASSERT_EQ(menu->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
    ASSERT_EQ(menu->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(static_cast<void*>(unknown), static_cast<void*>(init));  // IUnknown is IShellExtInit
    EXPECT_NE(static_cast<void*>(menu), static_cast<void*>(init));
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(menu->QueryInterface(IID_IDataObject, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);

    EXPECT_EQ(init->AddRef(), 4u);
    EXPECT_EQ(menu->Release(), 3u);
    EXPECT_EQ(unknown->Release(), 2u);
    EXPECT_EQ(init->Release(), 1u);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);
    EXPECT_EQ(init->Release(), 0u);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);
}

TEST(CravelServer, UnloadableOnceFactoriesAndObjectsAreGoneWhateverLockServerSaid) {
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    IUnknown* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)),
              S_OK);
    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);  // the object still lives
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);  // the lock kept nothing
}

TEST(ComGuard, NothingThrownLeavesTheMethod) {
    EXPECT_EQ(Guarded([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY);
    EXPECT_EQ(Guarded([]() -> HRESULT { throw 42; }), E_UNEXPECTED);
    EXPECT_EQ(Guarded([] { return S_FALSE; }), S_FALSE);
}

}  // namespace
