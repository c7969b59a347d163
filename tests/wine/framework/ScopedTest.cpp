// The scoped owners give back what they hold, once, and put selected objects back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32/Scoped.h"

namespace {

TEST(Scoped, GlobalMemoryIsUnlockedAndFreedOnce) {
    ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, 16));
    ASSERT_TRUE(memory);
    {
        LockedGlobal<char> lock(memory.Get());
        ASSERT_NE(lock.Get(), nullptr);
        EXPECT_GE(lock.Size(), 16u);
        EXPECT_EQ(GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 1u);
        std::memcpy(lock.Get(), "dropped", 8);
    }
    EXPECT_EQ(GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 0u);

    // Moving hands over the handle; the moved-from owner frees nothing.
    HGLOBAL handle = memory.Get();
    ScopedGlobal other = std::move(memory);
    EXPECT_FALSE(memory);
    EXPECT_EQ(other.Get(), handle);
    EXPECT_STREQ(LockedGlobal<char>(other.Get()).Get(), "dropped");
    // Reset frees what it held; a released handle is the caller's.
    other.Reset(GlobalAlloc(GMEM_MOVEABLE, 4));
    EXPECT_EQ(GlobalFlags(handle), GMEM_INVALID_HANDLE);
    HGLOBAL kept = other.Release();
    EXPECT_FALSE(other);
    EXPECT_NE(GlobalFlags(kept), GMEM_INVALID_HANDLE);
    GlobalFree(kept);
}

TEST(Scoped, KernelAndFindHandlesTakeEitherFailureValueForEmpty) {
    for (HANDLE failed : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE}) {
        EXPECT_FALSE(ScopedHandle(failed));
        EXPECT_FALSE(ScopedFind(failed));
    }
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        const ScopedHandle owner(event);
        EXPECT_TRUE(owner);
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(event, &flags));
}

TEST(Scoped, StorageMediumIsReleasedWithItsMemory) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 8);
    ScopedMedium medium;
    STGMEDIUM* filled = medium.Receive();
    filled->tymed = TYMED_HGLOBAL;
    filled->hGlobal = memory;
    medium.Reset();
    EXPECT_EQ(GlobalFlags(memory), GMEM_INVALID_HANDLE);
    EXPECT_EQ(medium.Get().tymed, static_cast<DWORD>(TYMED_NULL));
}

TEST(Scoped, SelectedObjectPutsTheFormerOneBack) {
    WindowDC screen(nullptr);
    const MemoryDC dc(CreateCompatibleDC(screen.Get()));
    const HGDIOBJ before = GetCurrentObject(dc.Get(), OBJ_FONT);
    const ScopedFont font(
        CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    {
        SelectedObject selected(dc.Get(), font.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font.Get());
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), before);
}

// An object that counts its references.
class Counted : public IUnknown {
  public:
    ULONG references = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
};

TEST(Scoped, ComPointerReleasesItsOneReference) {
    Counted object;
    {
        ComPtr<IUnknown> pointer(&object);
        ComPtr<IUnknown> moved = std::move(pointer);
        EXPECT_FALSE(pointer);
        EXPECT_EQ(object.references, 1u);
    }
    EXPECT_EQ(object.references, 0u);

    object.references = 2;
    ComPtr<IUnknown> pointer(&object);
    IUnknown** slot = pointer.Receive();  // gives up the old reference first
    EXPECT_EQ(object.references, 1u);
    EXPECT_EQ(*slot, nullptr);
    EXPECT_EQ(pointer.Detach(), nullptr);
}

}  // namespace
