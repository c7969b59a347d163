#pragma once
// Non-copyable owners of kernel and find handles, GDI objects, device contexts, registry keys,
// global memory, storage media and COM pointers: each releases what it holds in the way its
// kind needs, so that no code pairs these calls by hand.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <utility>

// A handle with a function that closes it; empty when it holds null, or INVALID_HANDLE_VALUE
// for the kinds whose functions answer that on failure (Close::kInvalidIsEmpty).
template <typename Handle, typename Close>
class Scoped {
  public:
    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    Scoped(Scoped&& other) noexcept : handle_(other.Release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    ~Scoped() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return Holds(handle_); }
    void Reset(Handle handle = nullptr) {
        if (Holds(handle_))
            Close()(handle_);
        handle_ = handle;
    }
    // Gives up ownership, e.g. to a window that destroys the object with itself.
    Handle Release() { return std::exchange(handle_, nullptr); }
    // For functions that hand out a new handle through a pointer.
    Handle* Receive() {
        Reset();
        return &handle_;
    }

  private:
    static bool Holds(Handle handle) {
        if constexpr (requires { Close::kInvalidIsEmpty; })
            return handle != nullptr && handle != INVALID_HANDLE_VALUE;
        else
            return handle != nullptr;
    }

    Handle handle_ = nullptr;
};

// CreateFile and FindFirstFile fail with INVALID_HANDLE_VALUE, CreateEvent with null.
struct CloseKernelHandle {
    static constexpr bool kInvalidIsEmpty = true;
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct CloseFindHandle {
    static constexpr bool kInvalidIsEmpty = true;
    void operator()(HANDLE search) const { FindClose(search); }
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyImageList {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct CloseRegistryKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct FreeGlobalMemory {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
struct FreeTaskMemory {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
struct DeleteMemoryDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

using ScopedHandle = Scoped<HANDLE, CloseKernelHandle>;
// A search of FindFirstFile, ended with FindClose.
using ScopedFind = Scoped<HANDLE, CloseFindHandle>;
using ScopedFont = Scoped<HFONT, DeleteGdiObject>;
using ScopedBitmap = Scoped<HBITMAP, DeleteGdiObject>;
using ScopedPen = Scoped<HPEN, DeleteGdiObject>;
using ScopedBrush = Scoped<HBRUSH, DeleteGdiObject>;
using ScopedMenu = Scoped<HMENU, DestroyMenuHandle>;
using ScopedIcon = Scoped<HICON, DestroyIconHandle>;
using ScopedImageList = Scoped<HIMAGELIST, DestroyImageList>;
using ScopedKey = Scoped<HKEY, CloseRegistryKey>;
using ScopedGlobal = Scoped<HGLOBAL, FreeGlobalMemory>;
// Memory the shell or COM allocated for the caller (item identifier lists, strings).
using ScopedTaskMemory = Scoped<void*, FreeTaskMemory>;
// A memory device context (CreateCompatibleDC); declare it after the objects selected into
// it, and select them with SelectedObject, so that they are put back before it goes.
using MemoryDC = Scoped<HDC, DeleteMemoryDC>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_ != nullptr)
            ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The device context of WM_PAINT, from BeginPaint to EndPaint.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context for the life of this owner; the one it
// replaced is selected again at the end.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Global memory locked for the life of this owner.
template <typename T = void>
class LockedGlobal {
  public:
    explicit LockedGlobal(HGLOBAL memory)
        : memory_(memory), data_(static_cast<T*>(::GlobalLock(memory))) {}
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    ~LockedGlobal() {
        if (data_ != nullptr)
            GlobalUnlock(memory_);
    }
    T* Get() const { return data_; }
    SIZE_T Size() const { return GlobalSize(memory_); }

  private:
    HGLOBAL memory_;
    T* data_;
};

// A storage medium filled by IDataObject::GetData, released with ReleaseStgMedium.
class ScopedMedium {
  public:
    ScopedMedium() = default;
    ScopedMedium(const ScopedMedium&) = delete;
    ScopedMedium& operator=(const ScopedMedium&) = delete;
    ~ScopedMedium() { Reset(); }

    STGMEDIUM& Get() { return medium_; }
    STGMEDIUM* Receive() {
        Reset();
        return &medium_;
    }
    void Reset() {
        if (medium_.tymed != TYMED_NULL)
            ReleaseStgMedium(&medium_);
        medium_ = {};
    }

  private:
    STGMEDIUM medium_{};
};

// A COM interface pointer that holds one reference.
template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(T* object) : object_(object) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void Reset(T* object = nullptr) {
        if (object_ != nullptr)
            object_->Release();
        object_ = object;
    }
    T* Detach() { return std::exchange(object_, nullptr); }
    // For functions that hand out a new reference through a pointer; CoCreateInstance and
    // QueryInterface take it as void**.
    T** Receive() {
        Reset();
        return &object_;
    }

  private:
    T* object_ = nullptr;
};

// COM or OLE initialised on this thread for the life of the owner, when that succeeded.
template <HRESULT(WINAPI* Initialize)(LPVOID), void(WINAPI* Uninitialize)()>
class InitializedScope {
  public:
    InitializedScope() : result_(Initialize(nullptr)) {}
    InitializedScope(const InitializedScope&) = delete;
    InitializedScope& operator=(const InitializedScope&) = delete;
    ~InitializedScope() {
        if (SUCCEEDED(result_))
            Uninitialize();
    }
    bool Succeeded() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};

using ComScope = InitializedScope<CoInitialize, CoUninitialize>;
using OleScope = InitializedScope<OleInitialize, OleUninitialize>;
