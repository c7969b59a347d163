#include "platform/win32/com/TypeLibRegistration.h"

#include <oleauto.h>

#include <vector>

#include "platform/win32/Scoped.h"

namespace {

std::wstring Widen(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide.data();
}

}  // namespace

HRESULT RegisterModuleTypeLib(const std::string& modulePath) {
    std::wstring path = Widen(modulePath);
    ComPtr<ITypeLib> library;
    HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Receive());
    if (FAILED(result))
        return result;
    return RegisterTypeLib(library.Get(), const_cast<wchar_t*>(path.c_str()), nullptr);
}

HRESULT UnregisterModuleTypeLib(const std::string& modulePath) {
    ComPtr<ITypeLib> library;
    HRESULT result = LoadTypeLibEx(Widen(modulePath).c_str(), REGKIND_NONE, library.Receive());
    if (FAILED(result))
        return result;
    TLIBATTR* attributes = nullptr;
    result = library->GetLibAttr(&attributes);
    if (SUCCEEDED(result)) {
        result = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum,
                                   attributes->wMinorVerNum, attributes->lcid, attributes->syskind);
        library->ReleaseTLibAttr(attributes);
    }
    return result;
}
