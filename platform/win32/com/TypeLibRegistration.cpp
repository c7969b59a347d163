#include "platform/win32/com/TypeLibRegistration.h"

#include <oleauto.h>

#include <vector>

namespace {

std::wstring Widen(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide.data();
}

}  // namespace

HRESULT RegisterModuleTypeLib(const std::string& modulePath) {
    std::wstring path = Widen(modulePath);
    ITypeLib* library = nullptr;
    HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
    if (FAILED(result)) {
        return result;
    }
    result = RegisterTypeLib(library, const_cast<wchar_t*>(path.c_str()), nullptr);
    library->Release();
    return result;
}

HRESULT UnregisterModuleTypeLib(const std::string& modulePath) {
    ITypeLib* library = nullptr;
    HRESULT result = LoadTypeLibEx(Widen(modulePath).c_str(), REGKIND_NONE, &library);
    if (FAILED(result)) {
        return result;
    }
    TLIBATTR* attributes = nullptr;
    result = library->GetLibAttr(&attributes);
    if (SUCCEEDED(result)) {
        result = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum,
                                   attributes->wMinorVerNum, attributes->lcid, attributes->syskind);
        library->ReleaseTLibAttr(attributes);
    }
    library->Release();
    return result;
}
