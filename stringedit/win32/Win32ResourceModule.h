#pragma once
// String tables of a module file through the Win32 loader and resource update functions.
#include <windows.h>

#include "stringedit/ResourceModule.h"

class Win32ResourceModule : public ResourceModule {
  public:
    ~Win32ResourceModule() override;

    bool Open(const std::string& path) override;
    bool StringBlock(int block, std::vector<uint8_t>& bytes) override;
    void Close() override;

    bool BeginUpdate(const std::string& path) override;
    bool UpdateStringBlock(int block, uint16_t language,
                           const std::vector<uint8_t>& bytes) override;
    bool EndUpdate(bool commit) override;

  private:
    HMODULE module_ = nullptr;
    HANDLE update_ = nullptr;
};
