#include "stringedit/win32/Win32ResourceModule.h"

#include "stringedit/ModuleImage.h"

Win32ResourceModule::~Win32ResourceModule() {
    Close();
    if (update_ != nullptr)
        EndUpdate(false);
}

bool Win32ResourceModule::Open(const std::string& path) {
    Close();
    if (!IsWholeModuleFile(path))
        return false;
    // As a data file: the module's own code never runs in the editor.
    module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module_ != nullptr;
}

bool Win32ResourceModule::StringBlock(int block, std::vector<uint8_t>& bytes) {
    HRSRC resource = FindResourceA(module_, MAKEINTRESOURCEA(block), RT_STRING);
    if (resource == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(module_, resource);
    const auto* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (data == nullptr)
        return false;
    bytes.assign(data, data + SizeofResource(module_, resource));
    return true;
}

void Win32ResourceModule::Close() {
    if (module_ != nullptr)
        FreeLibrary(module_);
    module_ = nullptr;
}

bool Win32ResourceModule::BeginUpdate(const std::string& path) {
    if (!IsWholeModuleFile(path))
        return false;
    update_ = BeginUpdateResourceA(path.c_str(), FALSE);
    return update_ != nullptr;
}

bool Win32ResourceModule::UpdateStringBlock(int block, uint16_t language,
                                            const std::vector<uint8_t>& bytes) {
    return UpdateResourceA(update_, RT_STRING, MAKEINTRESOURCEA(block), language,
                           const_cast<uint8_t*>(bytes.data()),
                           static_cast<DWORD>(bytes.size())) != FALSE;
}

bool Win32ResourceModule::EndUpdate(bool commit) {
    const bool ok = EndUpdateResourceA(update_, commit ? FALSE : TRUE) != FALSE;
    update_ = nullptr;
    return ok && commit;
}
