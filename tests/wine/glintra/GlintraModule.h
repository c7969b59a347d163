#pragma once
// Glintra.dll loaded into the test process, and scratch files for it to read.
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace glintra_test {

// {5DCED9AF-C2EC-4BD3-AF2A-F51D6B18FC7C}
inline constexpr CLSID kClsid = {
    0x5DCED9AF, 0xC2EC, 0x4BD3, {0xAF, 0x2A, 0xF5, 0x1D, 0x6B, 0x18, 0xFC, 0x7C}};

// The DLL path with backslashes, as the module knows itself.
inline std::string DllPath() {
    std::string path = GLINTRA_DLL;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

inline HMODULE Dll() {
    static HMODULE module = LoadLibraryA(DllPath().c_str());
    return module;
}

template <class Function>
Function Export(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Dll(), name)));
}

using GetClassObjectFunction = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
using NoArgumentFunction = HRESULT(WINAPI*)();

inline HRESULT CanUnloadNow() {
    return Export<NoArgumentFunction>("DllCanUnloadNow")();
}

// A new extractor object asked for iid; null on failure.
template <class Interface>
Interface* CreateExtractor(REFIID iid) {
    IClassFactory* factory = nullptr;
    auto getClassObject = Export<GetClassObjectFunction>("DllGetClassObject");
    if (!getClassObject ||
        FAILED(getClassObject(kClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
        return nullptr;
    }
    Interface* object = nullptr;
    factory->CreateInstance(nullptr, iid, reinterpret_cast<void**>(&object));
    factory->Release();
    return object;
}

inline std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());  // the tests' paths are ASCII
}

// Files written into a scratch folder of the test's own, removed at the end of the test.
class ScratchFiles {
  public:
    std::string Path(const std::string& name) const { return folder_.Path(name); }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        return folder_.Write(name, bytes);
    }

  private:
    support::ScratchFolder folder_{"glintra"};
};

}  // namespace glintra_test
