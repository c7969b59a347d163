#pragma once
// Owners of what Cravel holds: each gives its handle back once, when it goes. (Cravel's own
// until the framework has shared ones.)
#include <objidl.h>
#include <windows.h>

class ScopedBitmap {
  public:
    explicit ScopedBitmap(HBITMAP bitmap = nullptr) : bitmap_(bitmap) {}
    ~ScopedBitmap() {
        if (bitmap_) {
            DeleteObject(bitmap_);
        }
    }
    ScopedBitmap(const ScopedBitmap&) = delete;
    ScopedBitmap& operator=(const ScopedBitmap&) = delete;

    HBITMAP Get() const { return bitmap_; }

  private:
    HBITMAP bitmap_;
};

class ScopedRegKey {
  public:
    ScopedRegKey() = default;
    ~ScopedRegKey() {
        if (key_) {
            RegCloseKey(key_);
        }
    }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;

    HKEY Get() const { return key_; }
    // For the functions that open a key into an out parameter; only while empty.
    HKEY* Receive() { return &key_; }

  private:
    HKEY key_ = nullptr;
};

// A storage medium a data object filled in.
class ScopedStgMedium {
  public:
    ScopedStgMedium() = default;
    ~ScopedStgMedium() {
        if (medium_.tymed != TYMED_NULL) {
            ReleaseStgMedium(&medium_);
        }
    }
    ScopedStgMedium(const ScopedStgMedium&) = delete;
    ScopedStgMedium& operator=(const ScopedStgMedium&) = delete;

    const STGMEDIUM& Get() const { return medium_; }
    STGMEDIUM* Receive() { return &medium_; }

  private:
    STGMEDIUM medium_ = {};
};

// Holds one reference to a COM object.
template <class Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return object_; }
    // Takes a reference of its own to object (if any) and gives up the one it held.
    void Reset(Interface* object = nullptr) {
        if (object) {
            object->AddRef();
        }
        if (object_) {
            object_->Release();
        }
        object_ = object;
    }

  private:
    Interface* object_ = nullptr;
};
